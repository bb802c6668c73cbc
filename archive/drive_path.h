#pragma once

struct DrivePathRecord;

// A folder named by its path (under 500 characters, no trailing backslash
// after setToCurrentDirectory). Data files are opened as names inside it.
// Without its record (the allocation failed) every operation fails quietly.
class DRIVE_PATH {
 public:
  static constexpr int kPathRoom = 500;

  DRIVE_PATH();
  ~DRIVE_PATH();
  DRIVE_PATH(const DRIVE_PATH& other);
  DRIVE_PATH& operator=(const DRIVE_PATH& other);

  // The process's current folder; a drive root is held as "C:".
  bool setToCurrentDirectory();

  // The folder's path; empty when the object has no record.
  const char* path() const;

  // "path\name" into `buffer`; false when the object has no record or the
  // result would not fit.
  bool fullPathOf(const char* name, char (&buffer)[kPathRoom]) const;

  // "path\name" in one buffer shared by every caller, overwritten by the next
  // call; empty when the object has no record or the result would not fit.
  const char* fullPath(const char* name) const;

  // Development builds read their data from a fixed folder; others from the
  // "data" folder under the current one. When the folder is missing the path
  // falls back to the current folder and the result is false.
  bool useDataDirectory(bool developmentFlag);
  bool useSecondDataDirectory(bool developmentFlag);

  // The platform's drive roots ("C:\"), counted from 0.
  int driveCount() const;
  // Kept in one buffer shared by every caller; null when n is out of range.
  const char* driveRoot(int n) const;
  // The path becomes drive root n, trailing backslash included.
  bool setToDrive(int n);

  // Each changes the path only when the folder it names exists.
  bool goToParent();
  bool enter(const char* name);

  // Creates path\name inside the existing folder; true when it exists
  // afterwards. With `enterIt` the path then names it.
  bool makeSubdirectory(const char* name, bool enterIt);

 private:
  bool useFolderOrCurrent(const char* developmentFolder);

  DrivePathRecord* record_;
};

// Creates a folder with every missing parent. Only absolute drive paths
// ("C:\...") of under 200 characters are accepted.
bool makeDirectoryPath(const char* path);
