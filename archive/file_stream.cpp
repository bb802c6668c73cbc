#include "archive/file_stream.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <new>

#include "archive/drive_path.h"
#include "platform/files.h"

struct FileStreamRecord {
  enum class Direction : uint8_t { None, Reading, Writing };

  std::FILE* stream;
  int32_t mode;
  uint8_t runValue;
  uint8_t runCount;
  int32_t byteOrder;
  // The last transfer in AppendBinary: the standard stream needs a positioning
  // call between a write and a read that follows it, and the other way round.
  Direction direction;
};

namespace {

constexpr const char* kStreamModes[] = {"r", "w", "rb", "wb", "a+b"};
constexpr uint8_t kCountMark = 0xC0;
constexpr uint8_t kLongestRun = 63;

void reverseBytes(void* value, int size) {
  auto* bytes = static_cast<unsigned char*>(value);
  std::reverse(bytes, bytes + size);
}

void swapEach(uint16_t* values, int32_t count) {
  for (int32_t i = 0; i < count; ++i)
    values[i] = static_cast<uint16_t>((values[i] << 8) | (values[i] >> 8));
}

bool readsBinary(const FileStreamRecord* record) {
  return record != nullptr && (record->mode == ReadBinary || record->mode == AppendBinary);
}

bool writesBinary(const FileStreamRecord* record) {
  return record != nullptr && (record->mode == WriteBinary || record->mode == AppendBinary);
}

}  // namespace

FILE_STREAM::FILE_STREAM() : record_(new (std::nothrow) FileStreamRecord{}) {}

FILE_STREAM::~FILE_STREAM() {
  close();
  delete record_;
}

bool FILE_STREAM::openStream(const DRIVE_PATH& directory, const char* fileName, int32_t mode) {
  if (record_ == nullptr || record_->stream != nullptr) return false;
  if (mode < ReadText || mode > AppendBinary) return false;
  char path[DRIVE_PATH::kPathRoom];
  if (!directory.fullPathOf(fileName, path)) return false;
  record_->stream = platform::openFile(path, kStreamModes[mode]);
  if (record_->stream == nullptr) return false;
  record_->mode = mode;
  return true;
}

bool FILE_STREAM::open(const DRIVE_PATH& directory, const char* fileName, int32_t byteOrder,
                       int32_t mode) {
  // Refused before opening, so that a missing file is not created for nothing.
  if (byteOrder != 0 && mode == AppendBinary) return false;
  if (!openStream(directory, fileName, mode)) return false;
  record_->byteOrder = byteOrder;
  return true;
}

bool FILE_STREAM::openWithOrderMark(const DRIVE_PATH& directory, const char* fileName,
                                    int32_t mode) {
  if (!openStream(directory, fileName, mode)) return false;
  std::FILE* stream = record_->stream;
  if (mode == ReadBinary || mode == AppendBinary) {
    std::fseek(stream, 0, SEEK_SET);
    uint32_t mark = 0;
    // A file too short for a mark keeps the byte order it had.
    if (platform::readFile(stream, &mark, sizeof mark, 1) == 1)
      record_->byteOrder = static_cast<int32_t>(mark);
    if (mode == AppendBinary) std::fseek(stream, 0, SEEK_END);
  } else if (mode == WriteBinary) {
    record_->byteOrder = 0;
    const uint32_t mark = 0;
    platform::writeFile(stream, &mark, sizeof mark, 1);
  }
  if (record_->byteOrder != 0 && mode == AppendBinary) {
    close();
    return false;
  }
  return true;
}

bool FILE_STREAM::close() {
  if (record_ == nullptr) return false;
  bool written = flushRun();
  if (record_->stream != nullptr) written = platform::closeFile(record_->stream) && written;
  *record_ = FileStreamRecord{};
  return written;
}

int32_t FILE_STREAM::seek(int32_t position) {
  if (record_ == nullptr || record_->stream == nullptr) return -1;
  record_->direction = FileStreamRecord::Direction::None;
  return std::fseek(record_->stream, position, SEEK_SET) == 0 ? 0 : -1;
}

int32_t FILE_STREAM::tell() const {
  if (record_ == nullptr || record_->stream == nullptr) return -1;
  const long position = std::ftell(record_->stream);
  return position >= 0 && position <= INT32_MAX ? static_cast<int32_t>(position) : -1;
}

bool FILE_STREAM::atEnd() const {
  if (record_ == nullptr || record_->stream == nullptr) return true;
  return std::feof(record_->stream) != 0;
}

bool FILE_STREAM::prepare(bool allowed, bool writing) {
  if (record_ == nullptr || record_->stream == nullptr || !allowed) return false;
  using Direction = FileStreamRecord::Direction;
  const Direction wanted = writing ? Direction::Writing : Direction::Reading;
  if (record_->direction != Direction::None && record_->direction != wanted)
    std::fseek(record_->stream, 0, SEEK_CUR);
  record_->direction = wanted;
  return true;
}

bool FILE_STREAM::readValue(void* value, int size) {
  if (!prepare(readsBinary(record_), false)) return false;
  if (platform::readFile(record_->stream, value, static_cast<size_t>(size), 1) != 1) return false;
  if (record_->byteOrder == kBigEndianOrder) reverseBytes(value, size);
  return true;
}

bool FILE_STREAM::writeValue(const void* value, int size) {
  if (!prepare(writesBinary(record_), true)) return false;
  unsigned char bytes[4];
  std::copy_n(static_cast<const unsigned char*>(value), size, bytes);
  if (record_->byteOrder == kBigEndianOrder) reverseBytes(bytes, size);
  return platform::writeFile(record_->stream, bytes, static_cast<size_t>(size), 1) == 1;
}

bool FILE_STREAM::readByte(uint8_t& out) {
  return readValue(&out, 1);
}

bool FILE_STREAM::readInt16(uint16_t& out) {
  uint16_t value;
  if (!readValue(&value, 2)) return false;
  out = value;
  return true;
}

bool FILE_STREAM::readInt32(uint32_t& out) {
  uint32_t value;
  if (!readValue(&value, 4)) return false;
  out = value;
  return true;
}

bool FILE_STREAM::readBlock(void* buffer, int32_t count) {
  if (count < 0 || !prepare(readsBinary(record_), false)) return false;
  return platform::readFile(record_->stream, buffer, 1, static_cast<size_t>(count)) ==
         static_cast<size_t>(count);
}

bool FILE_STREAM::readInt16Array(uint16_t* values, int32_t count) {
  if (count < 0 || !prepare(readsBinary(record_), false)) return false;
  const size_t read = platform::readFile(record_->stream, values, 2, static_cast<size_t>(count));
  if (record_->byteOrder == kBigEndianOrder) swapEach(values, static_cast<int32_t>(read));
  return read == static_cast<size_t>(count);
}

bool FILE_STREAM::writeByte(uint8_t value) {
  return writeValue(&value, 1);
}

bool FILE_STREAM::writeInt16(uint16_t value) {
  return writeValue(&value, 2);
}

bool FILE_STREAM::writeInt32(uint32_t value) {
  return writeValue(&value, 4);
}

bool FILE_STREAM::writeBlock(const void* buffer, int32_t count) {
  if (count < 0 || !prepare(writesBinary(record_), true)) return false;
  return platform::writeFile(record_->stream, buffer, 1, static_cast<size_t>(count)) ==
         static_cast<size_t>(count);
}

bool FILE_STREAM::writeInt16Array(uint16_t* values, int32_t count) {
  if (count < 0 || !prepare(writesBinary(record_), true)) return false;
  const bool swap = record_->byteOrder == kBigEndianOrder;
  if (swap) swapEach(values, count);
  const size_t written =
      platform::writeFile(record_->stream, values, 2, static_cast<size_t>(count));
  if (swap) swapEach(values, count);
  return written == static_cast<size_t>(count);
}

bool FILE_STREAM::readRunByte(uint8_t& out) {
  if (record_ == nullptr || record_->mode != ReadBinary) return false;
  if (record_->runCount > 0) {
    --record_->runCount;
    out = record_->runValue;
    return true;
  }
  for (;;) {
    uint8_t code;
    if (!readByte(code)) return false;
    if (code < kCountMark) {
      out = code;
      return true;
    }
    uint8_t value;
    if (!readByte(value)) return false;
    const uint8_t count = code & 0x3F;
    // A count of zero (0xC0) is a run of nothing; the next code follows it.
    if (count == 0) continue;
    record_->runValue = value;
    record_->runCount = static_cast<uint8_t>(count - 1);
    out = value;
    return true;
  }
}

bool FILE_STREAM::writeRunByte(uint8_t value) {
  if (record_ == nullptr || record_->stream == nullptr || record_->mode != WriteBinary)
    return false;
  if (record_->runCount > 0 && value == record_->runValue && record_->runCount < kLongestRun) {
    ++record_->runCount;
    return true;
  }
  const bool written = flushRun();
  record_->runValue = value;
  record_->runCount = 1;
  return written;
}

bool FILE_STREAM::flushRun() {
  if (record_ == nullptr) return false;
  bool written = true;
  if (record_->mode == WriteBinary && record_->stream != nullptr && record_->runCount > 0) {
    const uint8_t value = record_->runValue;
    if (record_->runCount > 1 || value >= kCountMark) {
      const uint8_t pair[2] = {static_cast<uint8_t>(kCountMark | record_->runCount), value};
      written = writeBlock(pair, 2);
    } else {
      written = writeByte(value);
    }
  }
  record_->runCount = 0;
  return written;
}

int FILE_STREAM::printFormatted(const char* format, ...) {
  if (!prepare(record_ != nullptr && record_->mode == WriteText, true)) return -1;
  std::va_list arguments;
  va_start(arguments, format);
  const int written = std::vfprintf(record_->stream, format, arguments);
  va_end(arguments);
  return written < 0 ? -1 : written;
}

int FILE_STREAM::scanFormatted(const char* format, ...) {
  if (!prepare(record_ != nullptr && record_->mode == ReadText, false)) return -1;
  std::va_list arguments;
  va_start(arguments, format);
  const int assigned = std::vfscanf(record_->stream, format, arguments);
  va_end(arguments);
  return assigned < 0 ? -1 : assigned;
}

int FILE_STREAM::readCharacter() {
  if (!prepare(record_ != nullptr && record_->mode == ReadText, false)) return -1;
  const int character = std::fgetc(record_->stream);
  return character == EOF ? -1 : character;
}
