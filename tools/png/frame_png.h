#pragma once

#include <string>

#include "png/png.h"

struct FrameBuffer;

namespace png {

// The open frame as a picture: each 5-bit channel widened to 8 bits by a
// shift of 3, so the 5-5-5 colour comes back exactly (bit 15 does not).
Image frameImage(const FrameBuffer& frame);

bool writeFrame(const FrameBuffer& frame, const std::string& path);

}  // namespace png
