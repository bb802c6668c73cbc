#pragma once

#include <string>

// The headless platform's drives, and file operations that tests make fail.
namespace headless {

// Drive roots as the platform lists them: "C:\" "\0" "D:\" "\0". None at start.
void setLogicalDrives(const std::string& list);

enum class FileOperation { open, read, write, close, move, remove, makeWritable };

// Makes the operation fail on files whose path (as the program wrote it)
// ends with `pathEnding`, any file for "". With `nth` 0 every such call
// fails; otherwise only the nth such call from now on. A move counts by its
// destination. A failed write writes nothing; a failed close still closes
// the stream.
void failFileOperation(FileOperation operation, const std::string& pathEnding, int nth = 0);
// Every operation succeeds again, as far as the files allow.
void clearFileFailures();

// Streams opened and not closed yet: a program that forgets to close one
// holds the file until it ends.
int openStreamCount();

}  // namespace headless
