#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Every operation of the headless platform on the disk (the registry's
// included) is recorded here, and made to fail when a test plans it.
namespace headless {

enum class FileOperation {
  open,
  read,
  write,
  flush,
  close,
  move,
  remove,
  makeWritable,
  registryWrite,
};

// Makes the operation fail on files whose path (as the program wrote it)
// ends with `pathEnding`, any file for "". With `nth` 0 every such call
// fails; otherwise only the nth such call from now on. A move counts by its
// destination. A failed write writes nothing; a failed close still closes
// the stream.
void failFileOperation(FileOperation operation, const std::string& pathEnding, int nth = 0);
// Every operation succeeds again, as far as the files allow.
void clearFileFailures();

// One operation the program asked for, failed or not. A move's `path` is its
// source and `to` its destination; a registry write names the value.
struct DiskEvent {
  FileOperation operation;
  std::string path;
  std::string to;
};
// Every operation since the last reset, oldest first.
const std::vector<DiskEvent>& diskEvents();
void resetDiskEvents();

// Operations are numbered from 0 since the last reset. The one numbered
// `number` fails as a full disk would fail it.
void failOperationNumber(size_t number);
// The power goes at operation `number`: it and every later one fail and
// change nothing, as for a program killed there, until the power is back.
void cutPowerAtOperation(size_t number);
void restorePower();

// Inside the headless platform: records the operation and tells whether it
// is to fail; if so the C library's error code is set as a full disk, a
// refused access or a lost drive would set it.
bool operationFails(FileOperation operation, const std::string& path, const std::string& to = "");

}  // namespace headless
