#pragma once

// Why a file operation failed, taken where it failed, for the update's log:
// the file it was given and the reason, in the system's own words unless the
// program knows better (a file that ends too soon is no system error).
struct FileFailure {
  char file[500] = {};
  char reason[256] = {};
};

// Fills `failure`, when there is one to fill, for a failure on `file`;
// without `reason` the system's text for its last error is taken.
void noteFileFailure(FileFailure* failure, const char* file, const char* reason = nullptr);
