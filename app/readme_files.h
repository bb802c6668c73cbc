#pragma once

#include <cstdint>

// The readme of each language lies beside the installer, named after the
// language (readme_eng.txt for English); a language outside the seven gets
// the English one.
const char* readmeFileName(int32_t language);
