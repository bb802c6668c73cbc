#include "screen/qvio.h"

#include "platform/message_box.h"

namespace {
QVIO* registeredScreen = nullptr;
const char* storedCommandLine = nullptr;
}  // namespace

QVIO::QVIO() {
  if (registeredScreen != nullptr) {
    showMessage("Error", "Second QVIO class declared.");
    platform::endProcess(-1);
  }
  registeredScreen = this;
}

QVIO::~QVIO() {
  CloseGraphics();
  if (registeredScreen == this) registeredScreen = nullptr;
}

QVIO* QVIO::instance() {
  return registeredScreen;
}

void storeProgramStart(void* programInstance, const char* commandLine) {
  platform::rememberProgramInstance(programInstance);
  storedCommandLine = commandLine;
}

const char* CommandLine() {
  return storedCommandLine;
}
