#pragma once

#include "archive/drive_path.h"
#include "support/temp_folder.h"

// A fresh folder, current for the scope, holding the display's seven fonts:
// each a valid font of one pixel's height without glyph pixels. `missing`
// (0 to 6) is left out, -1 for none.
struct FontFolder {
  explicit FontFolder(int missing = -1);

  TempFolder folder;
  CurrentFolder current{folder.path()};
  DRIVE_PATH path;  // the folder, as the program names it
};
