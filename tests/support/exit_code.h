#pragma once

#include <gtest/gtest.h>

// A process ended with exit code -1, which reads as 255 where the system
// keeps only the low byte.
inline testing::ExitedWithCode exitedWithMinusOne() {
#ifdef _WIN32
  return testing::ExitedWithCode(-1);
#else
  return testing::ExitedWithCode(255);
#endif
}
