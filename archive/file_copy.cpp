#include "archive/file_copy.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>
#include <utility>

#include "archive/hex_digest.h"

namespace {

// Chunks move between the files and the copy buffer directly: the streams'
// own buffers would only split each chunk into more system calls.
void unbuffer(std::FILE* file) {
  std::setvbuf(file, nullptr, _IONBF, 0);
}

}  // namespace

CopyProgress FileCopy::start(platform::OwnedFile source, const char* sourceName, int64_t size,
                             const char* targetPath, FileFailure* failure, const uint8_t* digest) {
  source_ = std::move(source);
  digest_ = digest;
  sourceName_ = sourceName;
  targetPath_ = targetPath;
  failure_ = failure;
  size_ = size;
  copied_ = 0;
  unbuffer(source_.get());
  target_.reset(platform::openFile(targetPath, "wb"));
  if (!target_) return targetFault();
  unbuffer(target_.get());
  buffer_.reset(new (std::nothrow) char[kChunkBytes]);
  if (!buffer_) return targetFault("out of memory");
  hash_.reset(digest != nullptr ? platform::startSha256() : nullptr);
  if (digest != nullptr && !hash_) return sourceFault("its SHA-256 cannot be computed");
  return CopyProgress::Copying;
}

CopyProgress FileCopy::copySome(int64_t sliceBytes) {
  for (int64_t sliced = 0; copied_ < size_ && sliced < sliceBytes;) {
    const auto chunk = static_cast<size_t>(std::min(size_ - copied_, kChunkBytes));
    if (platform::readFile(source_.get(), buffer_.get(), chunk, 1) != 1)
      return sourceFault(std::feof(source_.get()) ? "the file ends too soon" : nullptr);
    if (hash_ && !platform::addToSha256(hash_.get(), buffer_.get(), chunk))
      return sourceFault("its SHA-256 cannot be computed");
    if (platform::writeFile(target_.get(), buffer_.get(), chunk, 1) != 1) return targetFault();
    copied_ += static_cast<int64_t>(chunk);
    sliced += static_cast<int64_t>(chunk);
  }
  if (!platform::flushFile(target_.get())) return targetFault();
  if (copied_ < size_) return CopyProgress::Copying;
  if (!hashedAsExpected()) return CopyProgress::SourceFault;
  source_.reset();
  buffer_.reset();
  // A close that fails may have lost bytes on their way to the disk.
  if (!platform::closeFile(target_.release())) return targetFault();
  return CopyProgress::Done;
}

// The reason is taken while the system still holds the error; the files
// are closed after it, so that the caller may remove the target at once.
CopyProgress FileCopy::sourceFault(const char* reason) {
  noteFileFailure(failure_, sourceName_, reason);
  stop();
  return CopyProgress::SourceFault;
}

CopyProgress FileCopy::targetFault(const char* reason) {
  noteFileFailure(failure_, targetPath_, reason);
  stop();
  return CopyProgress::TargetFault;
}

void FileCopy::stop() {
  target_.reset();
  source_.reset();
  buffer_.reset();
  hash_.reset();
}

// A damaged or altered source is told by the digest it has and the one it
// should have.
bool FileCopy::hashedAsExpected() {
  if (!hash_) return true;
  uint8_t found[platform::kSha256Bytes];
  if (!platform::finishSha256(hash_.get(), found)) {
    sourceFault("its SHA-256 cannot be computed");
    return false;
  }
  if (std::memcmp(found, digest_, sizeof found) == 0) return true;
  char reason[200];
  std::snprintf(reason, sizeof reason, "SHA-256 %s, expected %s", HexDigest(found).text,
                HexDigest(digest_).text);
  sourceFault(reason);
  return false;
}
