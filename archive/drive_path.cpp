#include "archive/drive_path.h"

#include <cstring>
#include <new>

#include "platform/files.h"

struct DrivePathRecord {
  char path[DRIVE_PATH::kPathRoom];
};

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
