#pragma once

#include <cstdint>

// Each language has a three-letter code ("eng" for English), which names its
// readme beside the installer (readme_eng.txt) and chooses it on the command
// line. A language outside the seven gets English's.
const char* languageCode(int32_t language);
const char* readmeFileName(int32_t language);
