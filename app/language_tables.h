#pragma once

// The window title before the user has chosen a language.
inline constexpr const char* kStartTitle = "Tarvex League 3 Update";
