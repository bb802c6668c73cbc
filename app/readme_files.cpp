#include "app/readme_files.h"

#include <iterator>

namespace {
constexpr const char* kReadmeFiles[] = {
    "readme_eng.txt", "readme_esp.txt", "readme_fra.txt", "readme_ita.txt",
    "readme_nor.txt", "readme_por.txt", "readme_sve.txt",
};
}

const char* readmeFileName(int32_t language) {
  if (language < 0 || language >= static_cast<int32_t>(std::size(kReadmeFiles))) language = 0;
  return kReadmeFiles[language];
}
