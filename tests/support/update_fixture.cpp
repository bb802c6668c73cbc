#include "support/update_fixture.h"

#include "archive/packer.h"
#include "platform/headless/disk_events.h"
#include "platform/headless/files.h"
#include "platform/headless/registry.h"
#include "platform/headless/shell.h"

namespace fs = std::filesystem;

void UpdateFixture::SetUp() {
  for (int i = 0; i < kArchiveEntryCount; ++i) {
    if (isReadmeEntry(i)) continue;
    // Sizes around the copy chunk of 65,536 bytes, plus small ones.
    const size_t size = i == 0 ? 65537 : i == 9 ? 65536 : static_cast<size_t>(40 + i);
    bodies[i] = patternBytes(size, static_cast<unsigned>(i + 100));
    writeFile(update(ArchiveEntryTable[i].fileName), bodies[i]);
  }
  ASSERT_TRUE(packUpdateArchive());
  for (int i = 0; i < kArchiveEntryCount; ++i)
    if (!isReadmeEntry(i)) fs::remove(update(ArchiveEntryTable[i].fileName));
  writeFile(update("readme_eng.txt"), readme("eng"));
  writeFile(update("readme_fra.txt"), readme("fra"));
  bodies[34] = readme("eng");

  fs::create_directories(game("data"));
  fs::create_directories(game("pictures"));
  writeFile(game("tx3.exe"), "old program");
  // The journal of an update lives beside the game, away from other tests'.
  fs::create_directories(root_ / "ProgramData");
  headless::setCommonDataFolder((root_ / "ProgramData").string());
  headless::clearRegistry();
  headless::resetOpenedDocuments();
  headless::setRegistryValue(kGameKey, "Version", std::string("Release", 8));
  headless::setRegistryValue(kGameKey, "Location", game().string() + '\0');
}

void UpdateFixture::TearDown() {
  EXPECT_EQ(headless::openStreamCount(), 0);  // every file the update opened is closed
  headless::clearFileFailures();
  headless::resetDiskEvents();
  headless::useRealDriveRoom();
  headless::clearRegistry();
}

fs::path UpdateFixture::journal() const {
  return root_ / "ProgramData" / "Quorvane Studios Ltd" / "tx3inst.journal";
}

fs::path UpdateFixture::game(const std::string& relative) const {
  const fs::path folder = root_ / "tx3 game";
  return relative.empty() ? folder : folder / relative;
}

fs::path UpdateFixture::entryFile(int index, const fs::path& folder) const {
  std::string relative = std::string(ArchiveEntryTable[index].destination).substr(1) +
                         ArchiveEntryTable[index].fileName;
  for (char& c : relative)
    if (c == '\\') c = '/';
  return folder / relative;
}

void UpdateFixture::expectInstalled(int first, int last, const fs::path& folder) const {
  for (int i = first; i <= last; ++i)
    EXPECT_EQ(readFile(entryFile(i, folder)), bodies[i]) << entryFile(i, folder);
}
