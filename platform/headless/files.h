#pragma once

#include <string>

// The headless platform's drives, which tests set up.
namespace headless {

// Drive roots as the platform lists them: "C:\" "\0" "D:\" "\0". None at start.
void setLogicalDrives(const std::string& list);

}  // namespace headless
