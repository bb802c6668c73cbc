#pragma once

#include <cstddef>
#include <cstdint>

#include "archive/drive_path.h"
#include "render/image.h"

using PictureLoader = int (IMAGE::*)(const DRIVE_PATH&, const char*);
using PictureSaver = int (IMAGE::*)(const DRIVE_PATH&, const char*) const;

// Loads the bytes as a picture file, twice into the same picture so that the
// second load may reuse the pixels of the first. A picture that loads must
// survive being saved with `save` and read back with `reload` unchanged;
// anything else stops the run.
void fuzzPictureLoad(const uint8_t* data, size_t size, PictureLoader load, PictureSaver save,
                     PictureLoader reload);
