#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "archive/hex_digest.h"
#include "install/installation_steps.h"
#include "install/update_log.h"
#include "install/update_transaction.h"
#include "support/update_fixture.h"

namespace fs = std::filesystem;

namespace {

void hash(const std::string& bytes, uint8_t* digest) {
  platform::Sha256* sha = platform::startSha256();
  ASSERT_NE(sha, nullptr);
  EXPECT_TRUE(platform::addToSha256(sha, bytes.data(), bytes.size()));
  EXPECT_TRUE(platform::finishSha256(sha, digest));
  platform::releaseSha256(sha);
}

class DigestTest : public UpdateFixture {
 protected:
  // The digests a build made for the fixture's update carries.
  void SetUp() override {
    UpdateFixture::SetUp();
    digests_.present = true;
    for (int i = 0; i < kArchiveEntryCount; ++i)
      if (!isReadmeEntry(i)) hash(bodies[i], digests_.bodies[i]);
    digests_.readmePresent[0] = true;
    hash(readme("eng"), digests_.readmes[0]);
  }

  StepOutcome install() {
    UpdateTransaction transaction(digests_);
    const std::string folder = game().string();
    StepOutcome outcome = StepOutcome::Done;
    for (int step = 0; outcome == StepOutcome::Done || outcome == StepOutcome::Copying;) {
      outcome = takeInstallationStep(transaction, step, folder.c_str(), 0);
      if (outcome == StepOutcome::Done) ++step;
    }
    return outcome;
  }

  UpdateDigests digests_{};
};

// The system's SHA-256 is the standard one.
TEST(Sha256Test, GivesTheStandardDigest) {
  uint8_t digest[platform::kSha256Bytes];
  hash("abc", digest);
  EXPECT_STREQ(HexDigest(digest).text,
               "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
}

// A byte changed in any body, or in the readme, is a damaged source that the
// log names with both digests; nothing is replaced. Whole files install.
TEST_F(DigestTest, AChangedByteAnywhereIsADamagedSourceAndReplacesNothing) {
  const std::string archive = readFile(update("update.dat"));
  size_t start[kArchiveEntryCount + 1] = {kSizeTableBytes};
  for (int i = 0; i < kArchiveEntryCount; ++i)
    start[i + 1] = start[i] + (isReadmeEntry(i) ? 0 : bodies[i].size());
  const struct {
    int entry;
    size_t offset;
  } changes[] = {{0, start[0]}, {0, start[0] + 65536}, {17, start[17] + 5}, {35, start[36] - 1}};
  startUpdateLog("u.log");
  for (const auto& change : changes) {
    std::string damaged = archive;
    damaged[change.offset] = static_cast<char>(~damaged[change.offset]);
    writeFile(update("update.dat"), damaged);
    EXPECT_EQ(install(), StepOutcome::SourceFault) << change.offset;
    EXPECT_EQ(readFile(game("tx3.exe")), "old program");
    EXPECT_EQ(std::distance(fs::recursive_directory_iterator(game()), {}), 3);
    uint8_t found[platform::kSha256Bytes];
    hash(damaged.substr(start[change.entry], bodies[change.entry].size()), found);
    EXPECT_NE(readFile(update("u.log"))
                  .find(std::string("entry ") + ArchiveEntryTable[change.entry].fileName +
                        ", file update.dat: SHA-256 " + HexDigest(found).text + ", expected " +
                        HexDigest(digests_.bodies[change.entry]).text),
              std::string::npos)
        << change.offset;
  }
  stopUpdateLog();
  writeFile(update("update.dat"), archive);
  writeFile(update("readme_eng.txt"), readme("eng") + "!");
  EXPECT_EQ(install(), StepOutcome::SourceFault);
  digests_.readmePresent[0] = false;  // a readme the build had no digest for is only measured
  EXPECT_EQ(install(), StepOutcome::Finished);
  writeFile(update("readme_eng.txt"), readme("eng"));
  EXPECT_EQ(install(), StepOutcome::Finished);
  expectInstalled(0, 35);
}

}  // namespace
