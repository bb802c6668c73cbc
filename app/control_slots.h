#pragma once

// A page's controls live in this many slots of the wizard.
inline constexpr int kControlSlots = 10;
