#pragma once

// A self-drawn button, panel, label or entry box of a wizard page.
struct WizardControl {};
