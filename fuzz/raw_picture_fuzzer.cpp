#include "picture_fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzPictureLoad(data, size, &IMAGE::loadRaw, &IMAGE::saveRaw, &IMAGE::loadRaw);
  return 0;
}
