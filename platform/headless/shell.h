#pragma once

#include <string>
#include <vector>

// What the headless platform records instead of starting programs.
namespace headless {

// Every document handed to the shell since the last reset, oldest first.
const std::vector<std::string>& openedDocuments();
void resetOpenedDocuments();

}  // namespace headless
