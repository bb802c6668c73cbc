#include "platform/window.h"

namespace platform {

void dispatchWaitingMessages() {}

}  // namespace platform
