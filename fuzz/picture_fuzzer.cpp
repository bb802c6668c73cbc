// Loads the input as a picture file, twice into the same picture so that the
// second load may reuse the pixels of the first. A picture that loads must
// survive being saved and read back unchanged. One program per format:
// PICTURE_LOAD, PICTURE_SAVE and PICTURE_RELOAD name its IMAGE members.
#include <cstdlib>
#include <cstring>

#include "archive/drive_path.h"
#include "fuzz_input.h"
#include "render/image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const DRIVE_PATH folder = scratchDrivePath();
  writeInput("input", data, size);
  IMAGE picture, copy;
  if (picture.PICTURE_LOAD(folder, "input") != 0) return 0;
  if (picture.PICTURE_LOAD(folder, "input") != 0 || picture.PICTURE_SAVE(folder, "copy") != 0 ||
      copy.PICTURE_RELOAD(folder, "copy") != 0 || copy.width != picture.width ||
      copy.height != picture.height || copy.is565 != picture.is565 ||
      std::memcmp(copy.pixels, picture.pixels, size_t{2} * copy.width * copy.height) != 0)
    std::abort();
  return 0;
}
