#include "fontgen/codepage.h"

namespace {

// Codes 128-159: the code page's own characters where Latin-1 has controls.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       // 88-8F
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,  // 98-9F
};

}  // namespace

char32_t windows1252ToUnicode(int code) {
  if (code >= 0x80 && code < 0xA0) return kHighControls[code - 0x80];
  return static_cast<char32_t>(code);
}
