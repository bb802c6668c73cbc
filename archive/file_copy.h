#pragma once

#include <cstdint>
#include <memory>

#include "archive/file_failure.h"
#include "platform/files.h"
#include "platform/sha256.h"

// How a copy stands after a call.
enum class CopyProgress {
  Copying,      // more bytes to go
  Done,         // every byte is in the target, on the disk, and the target closed
  SourceFault,  // the source could not be read whole
  TargetFault,  // the target could not be made or written
};

// Copies a run of bytes from an open source into a new file, a slice at a
// time, so that whoever drives it can serve its window between slices. The
// bytes pass through one 64 KiB buffer. Each slice reaches the disk before
// the call returns, so that the last one leaves little for the system to
// write. Given the SHA-256 the bytes must have, they are hashed on their way
// and a source that differs is at fault. Failures name the file and the
// system's reason in `failure`, when given; the target is left as it stands,
// for the caller to remove.
class FileCopy {
 public:
  static constexpr int64_t kChunkBytes = 65536;

  // Begins copying `size` bytes from where `source` stands (a file called
  // `sourceName` in failures) into `targetPath`, replacing any file there;
  // `digest`, when given, is what the bytes must hash to.
  CopyProgress start(platform::OwnedFile source, const char* sourceName, int64_t size,
                     const char* targetPath, FileFailure* failure, const uint8_t* digest = nullptr);
  // Copies at most `sliceBytes` more, in whole chunks but for the last.
  CopyProgress copySome(int64_t sliceBytes);

  int64_t copied() const { return copied_; }

  // Closes both files where the copy stands.
  void stop();

 private:
  CopyProgress sourceFault(const char* reason = nullptr);
  CopyProgress targetFault(const char* reason = nullptr);
  bool hashedAsExpected();

  struct HashReleaser {
    void operator()(platform::Sha256* hash) const { platform::releaseSha256(hash); }
  };

  platform::OwnedFile source_;
  platform::OwnedFile target_;
  std::unique_ptr<char[]> buffer_;
  std::unique_ptr<platform::Sha256, HashReleaser> hash_;
  const uint8_t* digest_ = nullptr;
  const char* sourceName_ = "";
  const char* targetPath_ = "";
  FileFailure* failure_ = nullptr;
  int64_t size_ = 0;
  int64_t copied_ = 0;
};
