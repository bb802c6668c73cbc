#include <cstdio>
#include <cstdlib>

#include "platform/headless/headless.h"
#include "platform/message_box.h"

namespace {
std::vector<headless::ShownMessage> shownMessages;
}

namespace headless {

const std::vector<ShownMessage>& messageLog() {
  return shownMessages;
}
void resetMessageLog() {
  shownMessages.clear();
}

}  // namespace headless

// Without a desktop the box becomes a line on standard error, so the native
// build also serves as a command-line packer.
void showMessage(const char* caption, const char* text) {
  shownMessages.push_back({caption, text});
  std::fprintf(stderr, "%s: %s\n", caption, text);
}

namespace platform {

void endProcess(int exitCode) {
  std::fflush(nullptr);
  std::_Exit(exitCode);
}

}  // namespace platform
