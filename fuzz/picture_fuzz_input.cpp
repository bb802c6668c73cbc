#include "picture_fuzz_input.h"

#include <cstdlib>
#include <cstring>

#include "scratch_folder.h"

namespace {

// The scratch folder, entered before the DRIVE_PATH that names it.
const DRIVE_PATH& fuzzFolder() {
  enterScratchFolder();
  static const DRIVE_PATH directory;
  return directory;
}

bool samePicture(const IMAGE& a, const IMAGE& b) {
  return a.width == b.width && a.height == b.height && a.is565 == b.is565 &&
         std::memcmp(a.pixels, b.pixels, static_cast<size_t>(a.width) * a.height * 2) == 0;
}

}  // namespace

void fuzzPictureLoad(const uint8_t* data, size_t size, PictureLoader load, PictureSaver save,
                     PictureLoader reload) {
  const DRIVE_PATH& folder = fuzzFolder();
  writeInput("input", data, size);
  IMAGE picture;
  if ((picture.*load)(folder, "input") != 0) return;
  if ((picture.*load)(folder, "input") != 0) std::abort();  // the same bytes loaded once
  if ((picture.*save)(folder, "copy") != 0) std::abort();
  IMAGE copy;
  if ((copy.*reload)(folder, "copy") != 0 || !samePicture(picture, copy)) std::abort();
}
