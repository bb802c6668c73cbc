#include "platform/qvio.h"
#include "platform/window.h"

namespace {

// Long enough that an idle wizard sleeps, short enough that nothing the
// system does outside the message queue waits noticeably.
constexpr int kIdleWaitMilliseconds = 20;

bool lastPumpHadMessages = false;

}  // namespace

void QVIO::PumpMessages() {
  lastPumpHadMessages = platform::dispatchWaitingMessages();
  Present();
}

void QVIO::WaitWhileIdle() {
  // Input just recorded must reach the next Step at once.
  if (lastPumpHadMessages || wantsNextStepAtOnce()) return;
  platform::waitForMessage(kIdleWaitMilliseconds);
}
