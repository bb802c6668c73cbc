#pragma once

// The game's quick-start files (qstart\*.qst in the installation) hold data
// of the previous version. Without `remove`: true when at least one exists.
// With `remove`: deletes every one of them and returns true.
bool clearQuickStart(const char* installDir, bool remove);
