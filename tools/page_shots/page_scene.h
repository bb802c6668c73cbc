#pragma once

#include <cstdint>
#include <string>

class TX3INST;

// The installed version that the versions page shows in pictures of it.
inline constexpr const char* kSampleInstalledVersion = "Version 3.02 (ENG)";

// Draws the page into the wizard's frame as it looks when just entered in
// that language with that version found installed.
void drawPageShot(TX3INST& wizard, int16_t page, int32_t language,
                  const char* installedVersion = kSampleInstalledVersion);

// The file name of a page's picture, such as "page_02_eng.png".
std::string pageShotName(int16_t page, int32_t language);
