#include "install/readme_files.h"

#include <iterator>

namespace {

struct LanguageFiles {
  const char* code;
  const char* readme;
};

constexpr LanguageFiles kLanguageFiles[] = {
    {"eng", "readme_eng.txt"}, {"esp", "readme_esp.txt"}, {"fra", "readme_fra.txt"},
    {"ita", "readme_ita.txt"}, {"nor", "readme_nor.txt"}, {"por", "readme_por.txt"},
    {"sve", "readme_sve.txt"},
};

const LanguageFiles& filesOf(int32_t language) {
  if (language < 0 || language >= static_cast<int32_t>(std::size(kLanguageFiles))) language = 0;
  return kLanguageFiles[language];
}

}  // namespace

const char* languageCode(int32_t language) {
  return filesOf(language).code;
}

const char* readmeFileName(int32_t language) {
  return filesOf(language).readme;
}
