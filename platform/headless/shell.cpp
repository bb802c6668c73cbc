#include "platform/headless/shell.h"

#include "platform/shell.h"

namespace {
std::vector<std::string> opened;
}

namespace headless {

const std::vector<std::string>& openedDocuments() {
  return opened;
}
void resetOpenedDocuments() {
  opened.clear();
}

}  // namespace headless

namespace platform {

void openDocument(const char* path) {
  opened.emplace_back(path);
}

}  // namespace platform
