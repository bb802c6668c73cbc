#include "platform/qvio.h"
#include "platform/window.h"

int QVIO::OpenGraphics(int16_t, int16_t, const char*, uint8_t, const DRIVE_PATH&) {
  return 1;
}

void QVIO::CloseGraphics() {}

void QVIO::Present() {}

void QVIO::SetTitle(const char*) {}

void QVIO::PumpMessages() {
  platform::dispatchWaitingMessages();
  Present();
}
