#pragma once

struct DrivePathRecord;

// A folder named by its path (under 500 characters, no trailing backslash).
// Data files are opened as names inside it.
class DRIVE_PATH {
 public:
  static constexpr int kPathRoom = 500;

  DRIVE_PATH();
  ~DRIVE_PATH();
  DRIVE_PATH(const DRIVE_PATH& other);
  DRIVE_PATH& operator=(const DRIVE_PATH& other);

  bool setToCurrentDirectory();

  // The folder's path; empty when the object has no record.
  const char* path() const;

 private:
  DrivePathRecord* record_;
};
