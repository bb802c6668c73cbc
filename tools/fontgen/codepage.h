#pragma once

// The Unicode character of a Windows-1252 code, or 0 for the five codes the
// code page leaves undefined.
char32_t windows1252ToUnicode(int code);
