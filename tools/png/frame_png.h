#pragma once

#include <string>

#include "png/png.h"

namespace png {

// The open frame as a picture: each 5-bit channel widened to 8 bits by a
// shift of 3, so the 5-5-5 colour comes back exactly (bit 15 does not).
Image frameImage();

bool writeFrame(const std::string& path);

}  // namespace png
