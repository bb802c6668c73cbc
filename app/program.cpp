#include "app/program.h"

#include <new>

#include "app/tx3inst.h"
#include "framework/application.h"
#include "platform/message_box.h"

int runProgram(void* programInstance, void* previousInstance, const char* commandLine) {
  storeProgramStart(programInstance, commandLine);
  TApplication* application = new (std::nothrow)
      TApplication("Quorvane Studios Ltd", programInstance, previousInstance, commandLine, 0);
  if (application == nullptr) {
    showMessage("Error", "Unable to create application class\nClick OK to Quit");
    return -1;
  }
  TX3INST* wizard = new (std::nothrow) TX3INST;
  if (QVIO* screen = QVIO::instance()) {
    while (screen->Step() && !screen->quitRequested()) {
      screen->PumpMessages();
      screen->WaitWhileIdle();
    }
  }
  delete wizard;
  delete application;
  return 0;
}
