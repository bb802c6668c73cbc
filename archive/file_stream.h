#pragma once

#include <cstdint>

class DRIVE_PATH;
struct FileStreamRecord;

enum OpenMode : int32_t {
  ReadText = 0,      // "r": the text reads
  WriteText = 1,     // "w": the text write
  ReadBinary = 2,    // "rb": binary reads, run-length reads
  WriteBinary = 3,   // "wb": binary writes, run-length writes
  AppendBinary = 4,  // "a+b": binary reads and writes, no run-length coding
};

// Multi-byte values of a file with this byte order are big-endian.
inline constexpr int32_t kBigEndianOrder = 2;

// A typed file stream over the standard buffered stream: one stream call per
// operation. Files are opened by name inside a DRIVE_PATH. An operation that
// the open mode does not allow, or any operation without an open stream, does
// nothing and reports failure.
class FILE_STREAM {
 public:
  FILE_STREAM();
  ~FILE_STREAM();
  FILE_STREAM(const FILE_STREAM&) = delete;
  FILE_STREAM& operator=(const FILE_STREAM&) = delete;

  // Opens "directory\fileName". Fails on an already open object, a mode
  // outside OpenMode, a stream that cannot be opened, and a non-zero byte
  // order with AppendBinary (appending in another order is not possible).
  bool open(const DRIVE_PATH& directory, const char* fileName, int32_t byteOrder, int32_t mode);
  // The same, with a 4-byte byte-order mark at the start of binary files: read
  // into the byte order when reading or appending, written as 0 when writing.
  bool openWithOrderMark(const DRIVE_PATH& directory, const char* fileName, int32_t mode);
  // Writes a pending run and closes. False when buffered bytes or the run
  // could not be written.
  bool close();

  // 0 on success, non-zero on failure.
  int32_t seek(int32_t position);
  // -1 without a stream.
  int32_t tell() const;
  // Set only after a read tried to go past the end; true without a stream.
  bool atEnd() const;

  bool readByte(uint8_t& out);
  bool readInt16(uint16_t& out);
  bool readInt16(int16_t& out) { return readInt16(reinterpret_cast<uint16_t&>(out)); }
  bool readInt32(uint32_t& out);
  bool readInt32(int32_t& out) { return readInt32(reinterpret_cast<uint32_t&>(out)); }
  bool readBlock(void* buffer, int32_t count);
  // Values that were read are in host order even when fewer than `count`.
  bool readInt16Array(uint16_t* values, int32_t count);
  bool readInt16Array(int16_t* values, int32_t count) {
    return readInt16Array(reinterpret_cast<uint16_t*>(values), count);
  }

  bool writeByte(uint8_t value);
  bool writeInt16(uint16_t value);
  bool writeInt16(int16_t value) { return writeInt16(static_cast<uint16_t>(value)); }
  bool writeInt32(uint32_t value);
  bool writeInt32(int32_t value) { return writeInt32(static_cast<uint32_t>(value)); }
  bool writeBlock(const void* buffer, int32_t count);
  // Big-endian values are swapped in place for the write and swapped back, so
  // the array is unchanged when the call returns.
  bool writeInt16Array(uint16_t* values, int32_t count);
  bool writeInt16Array(int16_t* values, int32_t count) {
    return writeInt16Array(reinterpret_cast<uint16_t*>(values), count);
  }

  // Run-length coding: a byte of 0xC0 or more is a count (its low six bits)
  // followed by the byte to repeat; any other byte stands for itself. Runs
  // continue across reads. ReadBinary only.
  bool readRunByte(uint8_t& out);
  // Collects equal bytes into runs of up to 63. WriteBinary only; false when
  // a finished run could not be written.
  bool writeRunByte(uint8_t value);
  // Writes the pending run (WriteBinary); false when that write failed.
  bool flushRun();

  // Text operations: formatted write (WriteText), formatted read and the next
  // character (ReadText). -1 on failure or at the end.
#if defined(__GNUC__)
  __attribute__((format(printf, 2, 3)))
#endif
  int printFormatted(const char* format, ...);
#if defined(__GNUC__)
  __attribute__((format(scanf, 2, 3)))
#endif
  int scanFormatted(const char* format, ...);
  int readCharacter();

 private:
  bool openStream(const DRIVE_PATH& directory, const char* fileName, int32_t mode);
  bool readValue(void* value, int size);
  bool writeValue(const void* value, int size);
  bool prepare(bool allowed, bool writing);

  FileStreamRecord* record_;
};
