#include "archive/drive_path.h"

#include <cstring>
#include <new>

#include "archive/path_format.h"
#include "platform/files.h"

struct DrivePathRecord {
  char path[DRIVE_PATH::kPathRoom];
};

namespace {

// Room for every drive root: 26 entries of "C:\" and its zero, and the end.
constexpr int kDriveListRoom = 110;
constexpr int kDirectoryPathRoom = 200;

char sharedFullPath[DRIVE_PATH::kPathRoom];
char sharedDriveList[kDriveListRoom];

// Fetches the drive roots into `list`; false when they cannot be fetched.
bool fetchDriveList(char (&list)[kDriveListRoom]) {
  const int length = platform::logicalDriveStrings(list, kDriveListRoom);
  return length > 0 && length < kDriveListRoom;
}

// The n-th root of a fetched list; null when the list has fewer.
const char* nthDriveRoot(const char* list, int n) {
  for (; *list != '\0'; list += std::strlen(list) + 1)
    if (n-- == 0) return list;
  return nullptr;
}

bool isDrivePath(const char* path) {
  return std::strlen(path) >= 3 && path[1] == ':' && path[2] == '\\';
}

}  // namespace

DRIVE_PATH::DRIVE_PATH() : record_(new (std::nothrow) DrivePathRecord{}) {
  setToCurrentDirectory();
}

DRIVE_PATH::~DRIVE_PATH() {
  delete record_;
}

DRIVE_PATH::DRIVE_PATH(const DRIVE_PATH& other) : record_(new (std::nothrow) DrivePathRecord{}) {
  if (record_ != nullptr && other.record_ != nullptr) *record_ = *other.record_;
}

DRIVE_PATH& DRIVE_PATH::operator=(const DRIVE_PATH& other) {
  if (record_ != nullptr && other.record_ != nullptr) *record_ = *other.record_;
  return *this;
}

bool DRIVE_PATH::setToCurrentDirectory() {
  if (record_ == nullptr) return false;
  if (!platform::currentDirectory(record_->path, kPathRoom)) return false;
  // A drive root comes back as "C:\"; the folder is held without it.
  size_t length = std::strlen(record_->path);
  if (length > 0 && record_->path[length - 1] == '\\') record_->path[length - 1] = '\0';
  return true;
}

const char* DRIVE_PATH::path() const {
  return record_ != nullptr ? record_->path : "";
}

bool DRIVE_PATH::fullPathOf(const char* name, char (&buffer)[kPathRoom]) const {
  buffer[0] = '\0';
  if (record_ == nullptr || name == nullptr) return false;
  return formatPath(buffer, kPathRoom, "%s\\%s", record_->path, name);
}

const char* DRIVE_PATH::fullPath(const char* name) const {
  fullPathOf(name, sharedFullPath);
  return sharedFullPath;
}

bool DRIVE_PATH::useFolderOrCurrent(const char* developmentFolder) {
  if (!setToCurrentDirectory()) return false;
  char folder[kPathRoom];
  const bool named = developmentFolder != nullptr
                         ? formatPath(folder, kPathRoom, "%s", developmentFolder)
                         : fullPathOf("data", folder);
  if (!named || !platform::folderExists(folder)) return false;
  std::memcpy(record_->path, folder, kPathRoom);
  return true;
}

bool DRIVE_PATH::useDataDirectory(bool developmentFlag) {
  return useFolderOrCurrent(developmentFlag ? "x:\\platform\\data" : nullptr);
}

bool DRIVE_PATH::useSecondDataDirectory(bool developmentFlag) {
  return useFolderOrCurrent(developmentFlag ? "x:\\tx4\\data" : nullptr);
}

int DRIVE_PATH::driveCount() const {
  char list[kDriveListRoom];
  if (record_ == nullptr || !fetchDriveList(list)) return 0;
  int count = 0;
  while (nthDriveRoot(list, count) != nullptr) ++count;
  return count;
}

const char* DRIVE_PATH::driveRoot(int n) const {
  if (record_ == nullptr || !fetchDriveList(sharedDriveList)) return nullptr;
  return nthDriveRoot(sharedDriveList, n);
}

bool DRIVE_PATH::setToDrive(int n) {
  const char* root = driveRoot(n);
  return root != nullptr && formatPath(record_->path, kPathRoom, "%s", root);
}

bool DRIVE_PATH::goToParent() {
  if (record_ == nullptr) return false;
  char parent[kPathRoom];
  std::memcpy(parent, record_->path, kPathRoom);
  char* cut = std::strrchr(parent, '\\');
  if (cut == nullptr) return false;
  *cut = '\0';
  if (!platform::folderExists(parent)) return false;
  std::memcpy(record_->path, parent, kPathRoom);
  return true;
}

bool DRIVE_PATH::enter(const char* name) {
  char folder[kPathRoom];
  if (!fullPathOf(name, folder) || !platform::folderExists(folder)) return false;
  std::memcpy(record_->path, folder, kPathRoom);
  return true;
}

bool DRIVE_PATH::makeSubdirectory(const char* name, bool enterIt) {
  char folder[kPathRoom];
  if (record_ == nullptr || !platform::folderExists(record_->path)) return false;
  if (!fullPathOf(name, folder)) return false;
  platform::createFolder(folder);
  if (!platform::folderExists(folder)) return false;
  if (enterIt) std::memcpy(record_->path, folder, kPathRoom);
  return true;
}

bool makeDirectoryPath(const char* path) {
  if (path == nullptr) return false;
  if (platform::folderExists(path)) return true;
  char parent[kDirectoryPathRoom];
  if (!isDrivePath(path) || !formatPath(parent, sizeof parent, "%s", path)) return false;
  if (platform::createFolder(path)) return true;
  char* cut = std::strrchr(parent, '\\');
  *cut = '\0';
  return makeDirectoryPath(parent) && platform::createFolder(path);
}
