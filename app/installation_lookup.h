#pragma once

// Finds the installation to update: the one the game's settings name, or in
// its place `givenDir` (from the command line; empty when none). The
// installed version is the one the settings record; it stays empty for a
// folder they do not name, since nothing records the version of another copy
// (nor will record it).
bool lookUpInstallation(const char* givenDir, char* installedVersion, char* installDir);
