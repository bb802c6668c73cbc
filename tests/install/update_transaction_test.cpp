#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "app/program.h"
#include "install/update_transaction.h"
#include "install/update_version.h"
#include "platform/headless/disk_events.h"
#include "platform/headless/files.h"
#include "platform/headless/headless.h"
#include "platform/headless/registry.h"
#include "support/update_fixture.h"

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
// Every file operation under Wine takes a round trip to its server: there a
// sample of the operations, all of them natively.
constexpr size_t kOperationStride = 11;
#else
constexpr size_t kOperationStride = 1;
#endif

using headless::DiskEvent;
using headless::FileOperation;

// Every file under a folder with its bytes, a read-only one marked.
using Tree = std::map<std::string, std::string>;

Tree treeOf(const fs::path& folder) {
  Tree tree;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    const bool readOnly =
        (entry.status().permissions() & fs::perms::owner_write) == fs::perms::none;
    tree[fs::relative(entry.path(), folder).generic_string()] =
        readFile(entry.path()) + (readOnly ? " (read-only)" : "");
  }
  return tree;
}

class AllOrNothingTest : public UpdateFixture {
 protected:
  // An installed game: an old file for every entry, two of them read-only,
  // and the game's cache.
  void SetUp() override {
    UpdateFixture::SetUp();
    for (int i = 0; i < kArchiveEntryCount; ++i)
      writeFile(entryFile(i), std::string("old ") + ArchiveEntryTable[i].fileName);
    writeFile(game("tx3.icd"), "cache");
    for (const char* name : {"tx3.exe", "data/club.dat"})
      fs::permissions(game(name), fs::perms::owner_write, fs::perm_options::remove);
    oldGame_ = treeOf(game());
    fs::copy(game(), oldCopy_ / "game", fs::copy_options::recursive);
    headless::setParentConsole(false);
  }
  void TearDown() override {
    headless::setParentConsole(true);
    UpdateFixture::TearDown();
  }

  static int run(const char* line) { return runProgram(nullptr, nullptr, line); }

  // The game as before the update, with the update's files beside it.
  // (Most stops leave it so; copying it again would cost the most time.)
  void restoreOldGame() {
    writeFile(update("readme_eng.txt"), readme("eng"));
    headless::setRegistryValue(kGameKey, "Version", std::string("Release", 8));
    if (treeOf(game()) == oldGame_) return;
    for (const auto& entry : fs::recursive_directory_iterator(game()))
      fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add);
    fs::remove_all(game());
    fs::copy(oldCopy_ / "game", game(), fs::copy_options::recursive);
  }

  // Each file of the game holds its old bytes or its new ones; between the
  // two renames that replace it, the old bytes are under the kept name.
  void expectEachFileWhole(const Tree& oldGame, const Tree& newGame, const std::string& what) {
    Tree now = treeOf(game());
    for (const auto& [name, bytes] : oldGame) {
      const auto found = now.find(name);
      if (found == now.end()) {
        EXPECT_EQ(now[name + ".tx3inst-old"], bytes) << name << ", " << what;
      } else if (found->second != bytes) {
        EXPECT_EQ(found->second, newGame.at(name)) << name << ", " << what;
      }
    }
  }

  Tree oldGame_;
  TempFolder oldCopy_;
};

// The new files reach the disk before they are renamed over the old ones,
// and the version is recorded only once the last is in place. The journal
// changes twice: when staging begins and when the commit does.
void expectDurableOrder(const std::vector<DiskEvent>& events) {
  size_t lastPlaced = 0;
  size_t recorded = 0;
  int journalChanges = 0;
  for (size_t i = 0; i < events.size(); ++i) {
    const DiskEvent& event = events[i];
    if (event.operation == FileOperation::registryWrite) recorded = i;
    journalChanges += event.operation == FileOperation::move && event.to.ends_with(".journal");
    if (event.operation != FileOperation::move || !event.path.ends_with("new")) continue;
    lastPlaced = i;
    const auto flushed = std::find_if(
        events.begin(), events.begin() + static_cast<long>(i), [&](const DiskEvent& earlier) {
          return earlier.operation == FileOperation::flush && earlier.path == event.path;
        });
    EXPECT_NE(flushed, events.begin() + static_cast<long>(i)) << event.path << " not flushed";
  }
  EXPECT_GT(recorded, lastPlaced);
  EXPECT_EQ(journalChanges, 2);
}

// Whatever operation of a whole update fails, and wherever the program is
// stopped, the game ends old or new, never a mix, once the next start has
// recovered; and the update can always be run again to the end.
TEST_F(AllOrNothingTest, EveryFailureAndEveryStopLeavesTheOldGameOrTheNewOne) {
  headless::resetDiskEvents();
  ASSERT_EQ(run("/silent"), 0);
  const Tree newGame = treeOf(game());
  const std::vector<DiskEvent> events = headless::diskEvents();
  expectDurableOrder(events);
  EXPECT_FALSE(fs::exists(update("readme_eng.txt")));

  Tree oldOne = oldGame_;  // the game's cache goes with the update
  oldOne.erase("tx3.icd");
  for (size_t n = 0; n < events.size(); n += kOperationStride) {
    for (const bool powerCut : {false, true}) {
      const std::string what =
          (powerCut ? "stopped at " : "failed ") + std::to_string(n) + " (" + events[n].path + ")";
      restoreOldGame();
      headless::resetDiskEvents();
      if (powerCut)
        headless::cutPowerAtOperation(n);
      else
        headless::failOperationNumber(n);
      run("/silent");
      headless::restorePower();
      headless::clearFileFailures();
      if (powerCut) expectEachFileWhole(oldOne, newGame, what);
      // A start that recovers, says so, and does nothing else.
      const bool recovers = fs::exists(journal());
      fs::remove(update("r.log"));
      if (recovers) run("/silent /? /log=r.log");
      Tree now = treeOf(game());
      now.erase("tx3.icd");
      // The game runs without its pictures list: a failure to stage it is passed over.
      const bool passedOver = !powerCut && events[n].path.ends_with("pics.cfg.tx3inst-new") &&
                              events[n].operation != FileOperation::move;
      Tree expectedNew = newGame;
      if (passedOver) expectedNew["pictures/pics.cfg"] = oldGame_["pictures/pics.cfg"];
      const bool isNew = now == expectedNew;
      EXPECT_TRUE(isNew || (now == oldOne && !passedOver)) << what;
      EXPECT_FALSE(fs::exists(journal())) << what;
      const bool versionFailed = !powerCut && events[n].operation == FileOperation::registryWrite;
      const bool recorded =
          headless::registryValue(kGameKey, "Version") == std::string(NEW_VERSION) + '\0';
      EXPECT_EQ(recorded, isNew && !versionFailed) << what;
      const bool readmeKept = !powerCut && events[n].operation == FileOperation::remove &&
                              events[n].path.ends_with("readme_eng.txt");
      const char* told = isNew ? "recovery: an update stopped during its commit; its files are now"
                               : "recovery: an update stopped before its commit; its staged files";
      EXPECT_TRUE(!recovers || readFile(update("r.log")).find(told) != std::string::npos) << what;
      EXPECT_EQ(fs::exists(update("readme_eng.txt")), !isNew || readmeKept) << what;
      if (HasFailure()) return;  // one stop shown is enough
      if (isNew || n % 16 != 0) continue;
      EXPECT_EQ(run("/silent"), 0) << what;
      EXPECT_TRUE(treeOf(game()) == newGame) << what;
    }
  }
}

// Staging needs the new files' sizes rounded up to the drive's clusters,
// plus 1 MiB: a byte less and nothing is touched, and the log says why.
TEST_F(AllOrNothingTest, TooLittleRoomTouchesNothing) {
  uint64_t needed = 1 << 20;
  for (const std::string& body : bodies) needed += (body.size() + 4095) / 4096 * 4096;
  headless::setDriveRoom(needed - 1, 4096);
  EXPECT_EQ(run("/silent /log=u.log"), 4);
  EXPECT_TRUE(treeOf(game()) == oldGame_);
  EXPECT_NE(readFile(update("u.log"))
                .find(": " + std::to_string(needed) + " bytes needed, " +
                      std::to_string(needed - 1) + " bytes free"),
            std::string::npos);
  // Without a journal no update begins either.
  headless::setDriveRoom(needed, 4096);
  headless::failFileOperation(FileOperation::open, "tx3inst.journal.new");
  EXPECT_EQ(run("/silent /log=u.log"), 4);
  EXPECT_TRUE(treeOf(game()) == oldGame_);
  EXPECT_NE(readFile(update("u.log")).find("write failed: the update's journal "),
            std::string::npos);
  headless::clearFileFailures();
  // Nor while another installer holds the updates.
  platform::FileLock* other = lockUpdates();
  EXPECT_EQ(run("/silent"), 4);
  platform::unlockFile(other);

  // Going on after the journal could not be written writes it first.
  UpdateTransaction transaction;
  headless::failFileOperation(FileOperation::open, "tx3inst.journal.new", 1);
  EXPECT_EQ(transaction.stageEntry(1, game().string().c_str(), 0), StepOutcome::TargetFault);
  EXPECT_EQ(transaction.stageEntry(1, game().string().c_str(), 0), StepOutcome::Done);
  EXPECT_TRUE(fs::exists(journal()));
}

// A file that another program holds is waited for, two seconds at most; one
// held longer puts back every file already replaced, and where one cannot be
// put back either, the next start finishes the commit. A journal that cannot
// be opened now is no damaged one: it stays for the next start.
TEST_F(AllOrNothingTest, AHeldFileIsWaitedForThenEverythingIsPutBack) {
  headless::failFileOperation(FileOperation::move, "club.dat.tx3inst-old");
  headless::resetPauses();
  EXPECT_EQ(run("/silent /log=u.log"), 4);
  EXPECT_EQ(headless::pausedMilliseconds(), 2000);
  EXPECT_TRUE(treeOf(game()) == oldGame_);
  EXPECT_NE(readFile(update("u.log")).find("cannot be replaced"), std::string::npos);
  headless::failFileOperation(FileOperation::move, "tx3.exe.tx3inst-new");
  EXPECT_EQ(run("/silent"), 4);
  headless::clearFileFailures();
  EXPECT_EQ(run("/silent /?"), 0);
  expectInstalled(0, 35);
  writeFile(update("readme_eng.txt"), readme("eng"));  // moved in by the commit

  headless::resetDiskEvents();
  headless::cutPowerAtOperation(300);  // while staging
  run("/silent");
  headless::restorePower();
  headless::failFileOperation(FileOperation::open, "tx3inst.journal");
  EXPECT_EQ(run("/silent /log=r.log"), 4);  // nor does an update begin over it
  headless::clearFileFailures();
  EXPECT_NE(readFile(update("r.log")).find("cannot be read now"), std::string::npos);
  for (int held = 0; held < 5; ++held)
    headless::failFileOperation(FileOperation::move, "club.dat.tx3inst-old", 1);
  headless::resetPauses();
  EXPECT_EQ(run("/silent"), 0);
  EXPECT_EQ(headless::pausedMilliseconds(), 50 + 100 + 200 + 400 + 800);
  expectInstalled(0, 35);
}

}  // namespace
