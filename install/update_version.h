#pragma once

// The version this update installs: the wizard shows its name, the
// executable's version resource and manifest carry its numbers. Plain
// macros, because the resource compiler reads this file too.
#define UPDATE_VERSION_NAME "3.03e"
#define UPDATE_VERSION_NUMBERS 3, 3, 0, 5
#define UPDATE_VERSION_TEXT "3.3.0.5"

#ifndef RC_INVOKED
// The text the game's settings record and the wizard shows; not translated.
inline constexpr const char* NEW_VERSION = "Version " UPDATE_VERSION_NAME " (ENG,FRA,POR,ITA)";
#endif
