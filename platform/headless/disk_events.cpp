#include "platform/headless/disk_events.h"

#include <cerrno>
#include <cstdint>
#include <vector>

namespace {

using headless::FileOperation;

struct PlannedFailure {
  FileOperation operation;
  std::string pathEnding;
  bool everyCall;
  int callsToPass;  // matching calls that still succeed before the one that fails
  bool spent;
};
std::vector<PlannedFailure> plannedFailures;
std::vector<headless::DiskEvent> events;
size_t failingNumber = SIZE_MAX;
size_t powerCutNumber = SIZE_MAX;

bool endsWith(const std::string& text, const std::string& ending) {
  return text.size() >= ending.size() &&
         text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

bool plannedFailureTakes(FileOperation operation, const std::string& path) {
  for (PlannedFailure& planned : plannedFailures) {
    if (planned.spent || planned.operation != operation || !endsWith(path, planned.pathEnding))
      continue;
    if (!planned.everyCall && planned.callsToPass-- > 0) continue;
    planned.spent = !planned.everyCall;
    return true;
  }
  return false;
}

}  // namespace

namespace headless {

bool operationFails(FileOperation operation, const std::string& path, const std::string& to) {
  const size_t number = events.size();
  events.push_back({operation, path, to});
  if (number >= powerCutNumber) {
    errno = EIO;
    return true;
  }
  const std::string& named = operation == FileOperation::move ? to : path;
  if (number != failingNumber && !plannedFailureTakes(operation, named)) return false;
  const bool writing = operation == FileOperation::write || operation == FileOperation::flush ||
                       operation == FileOperation::close;
  errno = writing ? ENOSPC : EACCES;
  return true;
}

void failFileOperation(FileOperation operation, const std::string& pathEnding, int nth) {
  plannedFailures.push_back({operation, pathEnding, nth == 0, nth - 1, false});
}

void clearFileFailures() {
  plannedFailures.clear();
  failingNumber = SIZE_MAX;
}

const std::vector<DiskEvent>& diskEvents() {
  return events;
}

void resetDiskEvents() {
  events.clear();
  failingNumber = SIZE_MAX;
  powerCutNumber = SIZE_MAX;
}

void failOperationNumber(size_t number) {
  failingNumber = number;
}

void cutPowerAtOperation(size_t number) {
  powerCutNumber = number;
}

void restorePower() {
  powerCutNumber = SIZE_MAX;
}

}  // namespace headless
