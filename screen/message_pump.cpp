#include "screen/qvio.h"

#include "platform/window.h"

namespace {

// Long enough that an idle wizard sleeps, short enough that nothing the
// system does outside the message queue waits noticeably.
constexpr int kIdleWaitMilliseconds = 20;

}  // namespace

void QVIO::PumpMessages() {
  lastPumpHadMessages_ = platform::dispatchWaitingMessages();
  input_.nextTurn();
  Present();
}

void QVIO::WaitWhileIdle() {
  // Input just recorded, or still waiting for its turn, must reach the next
  // Step at once.
  if (lastPumpHadMessages_ || input_.hasPending() || wantsNextStepAtOnce()) return;
  platform::waitForMessage(kIdleWaitMilliseconds);
}
