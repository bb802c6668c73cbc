// Any bytes as an update's journal: reading must refuse them or take them
// whole, and a journal taken must be written and read back the same.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "install/update_journal.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto journal = std::make_unique<UpdateJournal>();
  if (!parseJournal(reinterpret_cast<const char*>(data), size, *journal)) return 0;
  const auto text = std::make_unique<char[]>(64 * 1024);
  if (!formatJournal(*journal, text.get(), 64 * 1024)) std::abort();
  const auto again = std::make_unique<UpdateJournal>();
  const auto textAgain = std::make_unique<char[]>(64 * 1024);
  if (!parseJournal(text.get(), std::strlen(text.get()), *again) ||
      !formatJournal(*again, textAgain.get(), 64 * 1024) ||
      std::strcmp(text.get(), textAgain.get()) != 0)
    std::abort();
  return 0;
}
