#include "app/command_line.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "app/language_tables.h"
#include "archive/archive_table.h"
#include "archive/path_format.h"
#include "install/readme_files.h"
#include "platform/full_path.h"
#include "render/font.h"

namespace {

constexpr const char* kPackerSwitch = "-pack";

// An argument cut short to this room is longer than any value a switch
// takes, so it is never taken for one.
struct Argument {
  char text[600];
  std::string_view written;  // as it stands on the line, quotes and all, never cut short
};
static_assert(sizeof Argument::text > sizeof CommandLineOptions::logFile + sizeof "/log=");

// Copies the next argument and returns where the rest begins, or null when
// none is left. Quotes only group: no folder name holds one.
const char* nextArgument(const char* rest, Argument& argument) {
  while (*rest == ' ' || *rest == '\t') ++rest;
  if (*rest == '\0') return nullptr;
  const char* start = rest;
  size_t length = 0;
  bool quoted = false;
  for (; *rest != '\0' && (quoted || (*rest != ' ' && *rest != '\t')); ++rest) {
    if (*rest == '"')
      quoted = !quoted;
    else if (length + 1 < sizeof argument.text)
      argument.text[length++] = *rest;
  }
  argument.text[length] = '\0';
  argument.written = std::string_view(start, static_cast<size_t>(rest - start));
  return rest;
}

// Letter case aside, as Windows compares switches and file names.
bool isWord(const char* text, size_t length, const char* word) {
  return std::strlen(word) == length && sameIgnoringCase(text, word, length);
}

bool chooseLanguage(const char* code, CommandLineOptions& options) {
  for (int32_t id = 0; id < kLanguageCount; ++id) {
    if (languageAvailable[id] && isWord(code, std::strlen(code), languageCode(id))) {
      options.language = id;
      options.languageChosen = true;
      return true;
    }
  }
  return false;
}

// A switch: its name after '/' or '-' and, after '=', its value (null
// without one). False for an argument that is no switch.
struct Switch {
  const char* name;
  size_t length;
  const char* value;
};
bool readSwitch(const char* text, Switch& found) {
  if (*text != '/' && *text != '-') return false;
  found.name = text + 1;
  const char* equals = std::strchr(found.name, '=');
  found.length =
      equals != nullptr ? static_cast<size_t>(equals - found.name) : std::strlen(found.name);
  found.value = equals != nullptr ? equals + 1 : nullptr;
  return true;
}

bool is(const Switch& found, const char* name) {
  return isWord(found.name, found.length, name);
}

// "-pack" anywhere, letter case as written, but in the folder or file name
// that /dir= and /log= take.
bool asksForPacker(const Argument& argument) {
  Switch found{};
  if (readSwitch(argument.text, found) && found.value != nullptr &&
      (is(found, "dir") || is(found, "log")))
    return false;
  return argument.written.find(kPackerSwitch) != std::string_view::npos;
}

// The update's own files lie in the current folder: a log written there under
// one of their names, or by a way round to them, would damage them.
bool namesUpdateFile(const char* file) {
  char fullName[500];
  if (!platform::fullPath(file, fullName, sizeof fullName)) return false;
  const auto isNamed = [&fullName](const char* updateFile) {
    char updatePath[500];
    return platform::fullPath(updateFile, updatePath, sizeof updatePath) &&
           isWord(fullName, std::strlen(fullName), updatePath);
  };
  if (isNamed(kUpdateArchiveName)) return true;
  for (int32_t language = 0; language < kLanguageCount; ++language)
    if (isNamed(readmeFileName(language))) return true;
  for (int font = 0; font < kFontCount; ++font)
    if (isNamed(fontFileName(font))) return true;
  return false;
}

// A value is taken whole or not at all.
template <size_t room>
bool takeValue(const char* value, char (&field)[room]) {
  const size_t length = std::strlen(value);
  if (length == 0 || length >= room) return false;
  std::memcpy(field, value, length + 1);
  return true;
}

bool takeSwitch(const char* text, CommandLineOptions& options) {
  Switch found{};
  if (!readSwitch(text, found)) return false;
  if (found.value == nullptr) {
    if (is(found, "silent"))
      options.silent = true;
    else if (is(found, "keepquickstart"))
      options.keepQuickStart = true;
    else if (is(found, "?") || is(found, "help"))
      options.help = true;
    else
      return false;
    return true;
  }
  if (is(found, "lang")) return chooseLanguage(found.value, options);
  if (is(found, "dir")) return takeValue(found.value, options.installDir);
  if (is(found, "log"))
    return !namesUpdateFile(found.value) && takeValue(found.value, options.logFile);
  return false;
}

}  // namespace

bool isPackerCommandLine(const char* commandLine) {
  Argument argument;
  for (const char* rest = commandLine; rest != nullptr;) {
    rest = nextArgument(rest, argument);
    if (rest != nullptr && asksForPacker(argument)) return true;
  }
  return false;
}

CommandLineOptions parseCommandLine(const char* commandLine) {
  CommandLineOptions options;
  options.packer = isPackerCommandLine(commandLine);
  Argument argument;
  for (const char* rest = commandLine; rest != nullptr;) {
    rest = nextArgument(rest, argument);
    if (rest == nullptr || argument.text[0] == '\0') continue;
    if (asksForPacker(argument)) continue;
    if (takeSwitch(argument.text, options)) continue;
    if (options.notUnderstood[0] != '\0') continue;
    // Kept for the log, where its beginning says enough.
    const size_t kept = std::min(std::strlen(argument.text), sizeof options.notUnderstood - 1);
    std::memcpy(options.notUnderstood, argument.text, kept);
  }
  return options;
}
