#include "picture_fuzz_input.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// A private folder, made the current one before the DRIVE_PATH that names it.
const DRIVE_PATH& fuzzFolder() {
  static const bool entered = [] {
    char folder[] = "/tmp/tx3-picture-fuzz-XXXXXX";
    return mkdtemp(folder) != nullptr && chdir(folder) == 0;
  }();
  if (!entered) std::abort();
  static const DRIVE_PATH directory;
  return directory;
}

void writeInput(const uint8_t* data, size_t size) {
  std::FILE* file = std::fopen("input", "wb");
  if (file == nullptr || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0)
    std::abort();
}

bool samePicture(const IMAGE& a, const IMAGE& b) {
  return a.width == b.width && a.height == b.height && a.is565 == b.is565 &&
         std::memcmp(a.pixels, b.pixels, static_cast<size_t>(a.width) * a.height * 2) == 0;
}

}  // namespace

void fuzzPictureLoad(const uint8_t* data, size_t size, PictureLoader load, PictureSaver save,
                     PictureLoader reload) {
  const DRIVE_PATH& folder = fuzzFolder();
  writeInput(data, size);
  IMAGE picture;
  if ((picture.*load)(folder, "input") != 0) return;
  if ((picture.*load)(folder, "input") != 0) std::abort();  // the same bytes loaded once
  if ((picture.*save)(folder, "copy") != 0) std::abort();
  IMAGE copy;
  if ((copy.*reload)(folder, "copy") != 0 || !samePicture(picture, copy)) std::abort();
}
