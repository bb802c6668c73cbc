// Loads the input as a picture file, twice into the same picture so that the
// second load may reuse the pixels of the first. A picture that loads must
// survive being saved and read back unchanged. One program per format:
// PICTURE_LOAD, PICTURE_SAVE and PICTURE_RELOAD name its IMAGE members.
#include <cstdlib>
#include <cstring>

#include "archive/drive_path.h"
#include "fuzz_input.h"
#include "render/image.h"

namespace {

bool samePicture(const IMAGE& a, const IMAGE& b) {
  return a.width == b.width && a.height == b.height && a.is565 == b.is565 &&
         std::memcmp(a.pixels, b.pixels, static_cast<size_t>(a.width) * a.height * 2) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  enterScratchFolder();
  static const DRIVE_PATH folder;  // made after entering the folder: it names it
  writeInput("input", data, size);
  IMAGE picture, copy;
  if (picture.PICTURE_LOAD(folder, "input") != 0) return 0;
  if (picture.PICTURE_LOAD(folder, "input") != 0 || picture.PICTURE_SAVE(folder, "copy") != 0 ||
      copy.PICTURE_RELOAD(folder, "copy") != 0 || !samePicture(picture, copy))
    std::abort();
  return 0;
}
