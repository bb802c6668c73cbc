#pragma once

#include <string>
#include <vector>

#include "archive/drive_path.h"
#include "fontfile/font_file.h"
#include "render/font.h"
#include "support/temp_folder.h"

// A made-up font of height 4: the space is 4 wide (so the plain gap is 3)
// and every other glyph is empty until a test draws it.
fontfile::Font smallFont();

// A glyph of the given rows of coverage levels, one hex digit a pixel
// ("0F8" is three pixels: 0, 15 and 8).
fontfile::Glyph glyphOf(const std::vector<std::string>& rows);

// Writes font files into a folder of their own and loads them from there
// into its table.
class FontFolder {
 public:
  void write(int font, const std::string& bytes) const;
  int load(int font);
  int writeAndLoad(int font, const fontfile::Font& made) {
    write(font, fontfile::encode(made));
    return load(font);
  }

  FontTable table;

 private:
  TempFolder folder_;
};
