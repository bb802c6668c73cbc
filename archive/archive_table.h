#pragma once

#include <cstdint>

// update.dat carries the files of one update. It records no names: writer and
// reader share this table, and an entry is known by its position in it.
//
//   offset 0    36 little-endian signed 32-bit body sizes, one slot per entry
//   offset 144  the bodies of every entry but the readme, in table order
struct ArchiveEntry {
  const char* fileName;     // bare name, looked up in the current folder when packing
  const char* destination;  // subfolder of the installation, begins and ends with '\'
};

inline constexpr int kArchiveEntryCount = 36;
inline constexpr int kSizeTableBytes = kArchiveEntryCount * 4;
inline constexpr const char* kUpdateArchiveName = "update.dat";

extern const ArchiveEntry ArchiveEntryTable[kArchiveEntryCount];

// The readme is installed from the chosen language's file, never from the
// archive; its slot holds no size.
bool isReadmeEntry(int index);

// The size table as stored: slot i is entry i's body length.
using SizeTable = int32_t[kArchiveEntryCount];
void encodeSizeTable(const SizeTable sizes, unsigned char bytes[kSizeTableBytes]);
void decodeSizeTable(const unsigned char bytes[kSizeTableBytes], SizeTable sizes);
