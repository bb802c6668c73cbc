#include "install/update_log.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "platform/files.h"

namespace {
char logPath[500] = {};
}

void startUpdateLog(const char* path) {
  std::snprintf(logPath, sizeof logPath, "%s", path != nullptr ? path : "");
}

void stopUpdateLog() {
  logPath[0] = '\0';
}

bool updateLogActive() {
  return logPath[0] != '\0';
}

void logEvent(const char* format, ...) {
  if (!updateLogActive()) return;
  char line[1024];
  const std::time_t now = std::time(nullptr);
  const std::tm* local = std::localtime(&now);
  size_t length =
      local != nullptr ? std::strftime(line, sizeof line, "%Y-%m-%d %H:%M:%S ", local) : 0;
  va_list arguments;
  va_start(arguments, format);
  // A line too long for the buffer is cut short; its end takes the place of
  // the closing zero.
  std::vsnprintf(line + length, sizeof line - length, format, arguments);
  va_end(arguments);
  length = std::strlen(line);
  line[length++] = '\n';
  std::FILE* file = platform::openFile(logPath, "a");
  if (file == nullptr) return;
  platform::writeFile(file, line, 1, length);
  platform::closeFile(file);
}
