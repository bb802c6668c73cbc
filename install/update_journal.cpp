#include "install/update_journal.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

#include "archive/path_format.h"
#include "install/settings.h"
#include "platform/common_folder.h"

namespace {

constexpr const char* kHeading = "tx3inst update journal 1";
constexpr const char* kEnd = "end";
// Room for a journal of every field and target at full length.
constexpr size_t kJournalRoom = 32 * 1024;

bool stateFolder(char* path, size_t room) {
  char common[500];
  return platform::commonDataFolder(common, sizeof common) &&
         formatPath(path, room, "%s\\%s", common, kCompanyName);
}

bool stateFile(const char* name, char* path, size_t room) {
  char folder[500];
  return stateFolder(folder, sizeof folder) && formatPath(path, room, "%s\\%s", folder, name);
}

// Appends one line, the value after the key; false when it does not fit.
bool appendLine(char* text, size_t room, size_t& length, const char* key,
                const char* value = nullptr) {
  const int written = value == nullptr
                          ? std::snprintf(text + length, room - length, "%s\n", key)
                          : std::snprintf(text + length, room - length, "%s %s\n", key, value);
  if (written < 0 || static_cast<size_t>(written) >= room - length) return false;
  length += static_cast<size_t>(written);
  return true;
}

bool appendOptional(char* text, size_t room, size_t& length, const char* key, const char* value) {
  return value[0] == '\0' || appendLine(text, room, length, key, value);
}

bool sameText(const char* text, size_t length, const char* expected) {
  return std::strlen(expected) == length && std::memcmp(text, expected, length) == 0;
}

// Takes a value into a field of `room` characters, refusing what does not fit.
template <size_t room>
bool takeField(const char* value, size_t length, char (&field)[room]) {
  if (length == 0 || length >= room || std::memchr(value, '\0', length) != nullptr) return false;
  std::memcpy(field, value, length);
  field[length] = '\0';
  return true;
}

bool takeLine(const char* line, size_t length, UpdateJournal& journal) {
  const char* space = static_cast<const char*>(std::memchr(line, ' ', length));
  if (space == nullptr) return false;
  const size_t keyLength = static_cast<size_t>(space - line);
  const char* value = space + 1;
  const size_t valueLength = length - keyLength - 1;
  if (sameText(line, keyLength, "state")) {
    journal.committing = sameText(value, valueLength, "committing");
    return journal.committing || sameText(value, valueLength, "staging");
  }
  if (sameText(line, keyLength, "version")) return takeField(value, valueLength, journal.version);
  if (sameText(line, keyLength, "cache")) return takeField(value, valueLength, journal.cache);
  if (sameText(line, keyLength, "readme")) return takeField(value, valueLength, journal.readme);
  if (!sameText(line, keyLength, "target") || journal.targetCount == kArchiveEntryCount)
    return false;
  return takeField(value, valueLength, journal.targets[journal.targetCount++]);
}

}  // namespace

bool formatJournal(const UpdateJournal& journal, char* text, size_t room) {
  if (room == 0) return false;
  size_t length = 0;
  bool fits =
      appendLine(text, room, length, kHeading) &&
      appendLine(text, room, length, "state", journal.committing ? "committing" : "staging") &&
      appendOptional(text, room, length, "version", journal.version) &&
      appendOptional(text, room, length, "cache", journal.cache) &&
      appendOptional(text, room, length, "readme", journal.readme);
  for (int i = 0; fits && i < journal.targetCount; ++i)
    fits = appendLine(text, room, length, "target", journal.targets[i]);
  return fits && appendLine(text, room, length, kEnd);
}

// The heading comes first and the end last; every line ends with a line break.
bool parseJournal(const char* text, size_t length, UpdateJournal& journal) {
  journal = UpdateJournal{};
  bool headed = false;
  for (size_t at = 0; at < length;) {
    const char* line = text + at;
    const char* lineEnd = static_cast<const char*>(std::memchr(line, '\n', length - at));
    if (lineEnd == nullptr) return false;
    const auto lineLength = static_cast<size_t>(lineEnd - line);
    at += lineLength + 1;
    if (!headed) {
      headed = sameText(line, lineLength, kHeading);
      if (!headed) return false;
    } else if (sameText(line, lineLength, kEnd)) {
      return at == length;
    } else if (!takeLine(line, lineLength, journal)) {
      return false;
    }
  }
  return false;
}

bool journalPath(char* path, size_t room) {
  return stateFile("tx3inst.journal", path, room);
}

JournalFile readJournal(UpdateJournal& journal) {
  char path[500];
  if (!journalPath(path, sizeof path) || !platform::fileExists(path)) return JournalFile::Missing;
  platform::OwnedFile file(platform::openFile(path, "rb"));
  std::unique_ptr<char[]> text(new (std::nothrow) char[kJournalRoom]);
  if (!file || !text) return JournalFile::Unreadable;
  const size_t length = platform::readFile(file.get(), text.get(), 1, kJournalRoom);
  const bool whole = length < kJournalRoom && parseJournal(text.get(), length, journal);
  return whole ? JournalFile::Read : JournalFile::Damaged;
}

bool writeJournal(const UpdateJournal& journal, FileFailure& failure) {
  char path[500];
  char written[500];
  std::unique_ptr<char[]> text(new (std::nothrow) char[kJournalRoom]);
  if (!journalPath(path, sizeof path) || !formatPath(written, sizeof written, "%s.new", path) ||
      !text || !formatJournal(journal, text.get(), kJournalRoom)) {
    noteFileFailure(&failure, path, "the journal's folder or text cannot be made");
    return false;
  }
  platform::OwnedFile file(platform::openFile(written, "wb"));
  const size_t length = std::strlen(text.get());
  if (!file || platform::writeFile(file.get(), text.get(), 1, length) != length ||
      !platform::flushFile(file.get()) || !platform::closeFile(file.release())) {
    noteFileFailure(&failure, written);
    file.reset();
    platform::removeFile(written);
    return false;
  }
  if (platform::replaceFile(written, path)) return true;
  noteFileFailure(&failure, path);
  platform::removeFile(written);
  return false;
}

bool removeJournal() {
  char path[500];
  char written[500];
  if (!journalPath(path, sizeof path)) return false;
  // One being written when the program stopped goes too.
  if (formatPath(written, sizeof written, "%s.new", path) && platform::fileExists(written))
    platform::removeFile(written);
  return platform::removeFile(path);
}

platform::FileLock* lockUpdates() {
  char folder[500];
  char path[500];
  if (!stateFolder(folder, sizeof folder) || !stateFile("tx3inst.lock", path, sizeof path))
    return nullptr;
  if (!platform::folderExists(folder)) platform::createFolder(folder);
  return platform::lockFile(path);
}
