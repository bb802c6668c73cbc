#include "app/command_line.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "app/language_tables.h"
#include "install/readme_files.h"

namespace {

constexpr const char* kPackerSwitch = "-pack";

// An argument cut short to this room is longer than any value a switch
// takes, so it is never taken for one.
struct Argument {
  char text[600];
};
static_assert(sizeof Argument::text > sizeof CommandLineOptions::logFile + sizeof "/log=");

// Copies the next argument and returns where the rest begins, or null when
// none is left. Quotes only group: no folder name holds one.
const char* nextArgument(const char* rest, Argument& argument) {
  while (*rest == ' ' || *rest == '\t') ++rest;
  if (*rest == '\0') return nullptr;
  size_t length = 0;
  bool quoted = false;
  for (; *rest != '\0' && (quoted || (*rest != ' ' && *rest != '\t')); ++rest) {
    if (*rest == '"')
      quoted = !quoted;
    else if (length + 1 < sizeof argument.text)
      argument.text[length++] = *rest;
  }
  argument.text[length] = '\0';
  return rest;
}

bool isWord(const char* text, size_t length, const char* word) {
  if (std::strlen(word) != length) return false;
  for (size_t i = 0; i < length; ++i)
    if (std::tolower(static_cast<unsigned char>(text[i])) != word[i]) return false;
  return true;
}

bool findLanguage(const char* code, int32_t& language) {
  for (int32_t id = 0; id < kLanguageCount; ++id) {
    if (languageAvailable[id] && isWord(code, std::strlen(code), languageCode(id))) {
      language = id;
      return true;
    }
  }
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
  if (*text != '/' && *text != '-') return false;
  const char* name = text + 1;
  const char* equals = std::strchr(name, '=');
  if (equals == nullptr) {
    const size_t length = std::strlen(name);
    if (isWord(name, length, "silent"))
      options.silent = true;
    else if (isWord(name, length, "keepquickstart"))
      options.keepQuickStart = true;
    else if (isWord(name, length, "?") || isWord(name, length, "help"))
      options.help = true;
    else
      return false;
    return true;
  }
  const size_t length = static_cast<size_t>(equals - name);
  const char* value = equals + 1;
  if (isWord(name, length, "lang")) return findLanguage(value, options.language);
  if (isWord(name, length, "dir")) return takeValue(value, options.installDir);
  if (isWord(name, length, "log")) return takeValue(value, options.logFile);
  return false;
}

}  // namespace

bool isPackerCommandLine(const char* commandLine) {
  return commandLine != nullptr && std::strstr(commandLine, kPackerSwitch) != nullptr;
}

CommandLineOptions parseCommandLine(const char* commandLine) {
  CommandLineOptions options;
  options.packer = isPackerCommandLine(commandLine);
  Argument argument;
  for (const char* rest = commandLine; rest != nullptr;) {
    rest = nextArgument(rest, argument);
    if (rest == nullptr || argument.text[0] == '\0') continue;
    // The packer's argument is recognised on the whole line, as it always was.
    if (std::strstr(argument.text, kPackerSwitch) != nullptr) continue;
    if (takeSwitch(argument.text, options)) continue;
    if (options.notUnderstood[0] != '\0') continue;
    // Kept for the log, where its beginning says enough.
    const size_t kept = std::min(std::strlen(argument.text), sizeof options.notUnderstood - 1);
    std::memcpy(options.notUnderstood, argument.text, kept);
  }
  return options;
}
