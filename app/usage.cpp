#include "app/usage.h"

#include "platform/console.h"
#include "platform/message_box.h"

namespace {

constexpr const char* kUsage =
    "tx3inst [/silent] [/lang=LANGUAGE] [/dir=FOLDER] [/keepquickstart] [/log=FILE]\n"
    "tx3inst -pack [/silent] [/log=FILE]\n"
    "\n"
    "/silent          update without window or question\n"
    "/lang=LANGUAGE   eng, fra, ita or por (eng unless given)\n"
    "/dir=FOLDER      the game's folder, in place of the one its settings name\n"
    "/keepquickstart  keep the old quick-start files\n"
    "/log=FILE        add what happens to FILE\n"
    "-pack            build update.dat from the files in the current folder\n"
    "\n"
    "Exit codes of a silent run: 0 done, 2 game not found, 3 update files missing\n"
    "or damaged (or packing failed), 4 a write failed, 5 command line not understood.\n";

}  // namespace

void showUsage(bool silent) {
  if (platform::writeToRedirectedOutput(kUsage) || platform::writeToParentConsole(kUsage) || silent)
    return;
  showMessage("Setup", kUsage);
}
