#pragma once

#include <string>
#include <vector>

// What the headless platform offers tests in place of a real desktop.
namespace headless {

struct ShownMessage {
  std::string caption;
  std::string text;
};

// Every message box shown since the last reset, oldest first.
const std::vector<ShownMessage>& messageLog();
void resetMessageLog();

}  // namespace headless
