#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/system_error.h"

namespace platform {

void describeLastError(char* buffer, size_t room) {
  if (room > 0) std::snprintf(buffer, room, "%s", std::strerror(errno));
}

}  // namespace platform
