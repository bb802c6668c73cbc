#include "archive/archive_table.h"

#include <cctype>

const ArchiveEntry ArchiveEntryTable[kArchiveEntryCount] = {
    {"tx3.exe", "\\"},
    {"euro.cfg", "\\data\\"},
    {"events_eng.cfg", "\\data\\"},
    {"events_fra.cfg", "\\data\\"},
    {"events_ita.cfg", "\\data\\"},
    {"events_por.cfg", "\\data\\"},
    {"pics.cfg", "\\pictures\\"},
    {"player_setup.cfg", "\\data\\"},
    {"weather.cfg", "\\data\\"},
    {"city.dat", "\\data\\"},
    {"club.dat", "\\data\\"},
    {"club_comp.dat", "\\data\\"},
    {"club_comp_history.dat", "\\data\\"},
    {"colour.dat", "\\data\\"},
    {"common_names.dat", "\\data\\"},
    {"continent.dat", "\\data\\"},
    {"first_names.dat", "\\data\\"},
    {"index.dat", "\\data\\"},
    {"nat_club.dat", "\\data\\"},
    {"nation.dat", "\\data\\"},
    {"nation_comp.dat", "\\data\\"},
    {"nation_comp_history.dat", "\\data\\"},
    {"officials.dat", "\\data\\"},
    {"second_names.dat", "\\data\\"},
    {"stadium.dat", "\\data\\"},
    {"staff.dat", "\\data\\"},
    {"staff_comp.dat", "\\data\\"},
    {"staff_comp_history.dat", "\\data\\"},
    {"staff_history.dat", "\\data\\"},
    {"eng.lng", "\\data\\"},
    {"fra.lng", "\\data\\"},
    {"ita.lng", "\\data\\"},
    {"por.lng", "\\data\\"},
    {"language.ldb", "\\data\\"},
    {"readme.txt", "\\"},
    {"changes.txt", "\\"},
};

bool isReadmeEntry(int index) {
  const char* name = ArchiveEntryTable[index].fileName;
  const char* readme = "README.TXT";
  for (; *name != '\0' && *readme != '\0'; ++name, ++readme)
    if (std::toupper(static_cast<unsigned char>(*name)) != *readme) return false;
  return *name == '\0' && *readme == '\0';
}

void encodeSizeTable(const SizeTable sizes, unsigned char bytes[kSizeTableBytes]) {
  for (int i = 0; i < kArchiveEntryCount; ++i) {
    const uint32_t size = static_cast<uint32_t>(sizes[i]);
    for (int b = 0; b < 4; ++b) bytes[i * 4 + b] = static_cast<unsigned char>(size >> (8 * b));
  }
}

void decodeSizeTable(const unsigned char bytes[kSizeTableBytes], SizeTable sizes) {
  for (int i = 0; i < kArchiveEntryCount; ++i) {
    uint32_t size = 0;
    for (int b = 0; b < 4; ++b) size |= static_cast<uint32_t>(bytes[i * 4 + b]) << (8 * b);
    sizes[i] = static_cast<int32_t>(size);
  }
}
