#include "archive/file_failure.h"

#include <cstdio>

#include "platform/system_error.h"

void noteFileFailure(FileFailure* failure, const char* file, const char* reason) {
  if (failure == nullptr) return;
  // The system's text first, before anything else can replace its error.
  if (reason == nullptr)
    platform::describeLastError(failure->reason, sizeof failure->reason);
  else
    std::snprintf(failure->reason, sizeof failure->reason, "%s", reason);
  std::snprintf(failure->file, sizeof failure->file, "%s", file);
}
