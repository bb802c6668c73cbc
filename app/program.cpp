#include "app/program.h"

#include <new>

#include "app/command_line.h"
#include "app/exit_code.h"
#include "app/language_choice.h"
#include "app/silent_update.h"
#include "app/tx3inst.h"
#include "app/usage.h"
#include "archive/packer.h"
#include "framework/application.h"
#include "install/recovery.h"
#include "install/update_log.h"
#include "platform/message_box.h"

namespace {

int pack(bool silent) {
  const bool packed = packUpdateArchive();
  logEvent(packed ? "update.dat packed" : "packing failed");
  if (!silent)
    showMessage("Setup", packed ? "Packed files successfully !" : "Unable to pack files");
  return packed ? kExitComplete : kExitSourceFault;
}

void runWizard(const CommandLineOptions& options) {
  TX3INST* wizard = new (std::nothrow) TX3INST;
  if (wizard != nullptr) startWizard(*wizard, options);
  if (QVIO* screen = QVIO::instance()) {
    while (screen->Step() && !screen->quitRequested()) {
      screen->PumpMessages();
      screen->WaitWhileIdle();
    }
  }
  delete wizard;
}

// The exit code a silent run ends with.
int runChosenMode(const CommandLineOptions& options) {
  if (options.notUnderstood[0] != '\0') {
    logEvent("not understood: %s", options.notUnderstood);
    if (options.silent) return kExitNotUnderstood;
  }
  if (options.packer) return pack(options.silent);
  if (options.help) {
    showUsage(options.silent);
    return kExitComplete;
  }
  if (options.silent) return runSilentUpdate(options);
  runWizard(options);
  return kExitComplete;
}

int endWith(int exitCode) {
  logEvent("exit code %d", exitCode);
  stopUpdateLog();
  return exitCode;
}

}  // namespace

int runProgram(void* programInstance, void* previousInstance, const char* commandLine) {
  storeProgramStart(programInstance, commandLine);
  const CommandLineOptions options = parseCommandLine(CommandLine());
  startUpdateLog(options.logFile);
  logEvent("command line: %s", commandLine != nullptr ? commandLine : "");
  recoverInterruptedUpdate();
  TApplication* application = new (std::nothrow)
      TApplication("Quorvane Studios Ltd", programInstance, previousInstance, commandLine, 0);
  if (application == nullptr) {
    if (!options.silent)
      showMessage("Error", "Unable to create application class\nClick OK to Quit");
    return endWith(-1);
  }
  const int outcome = runChosenMode(options);
  delete application;
  return endWith(options.silent ? outcome : kExitComplete);
}
