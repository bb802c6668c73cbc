#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "install/update_journal.h"

namespace {

// What is written is read back whole; anything cut short or changed in its
// framing is refused.
TEST(UpdateJournalTest, ReadsBackWhatItWroteAndRefusesAnythingElse) {
  UpdateJournal journal;
  journal.committing = true;
  std::strcpy(journal.version, "Version 3.03e (ENG,FRA,POR,ITA)");
  std::strcpy(journal.cache, "C:\\Games\\TX3\\tx3.icd");
  std::strcpy(journal.readme, "r");
  journal.targetCount = 2;
  std::strcpy(journal.targets[0], "C:\\Games\\TX3\\tx3.exe");
  std::strcpy(journal.targets[1], "D:\\other copy\\data\\euro.cfg");
  char text[4096];
  ASSERT_TRUE(formatJournal(journal, text, sizeof text));
  const std::string written = text;

  UpdateJournal read;
  ASSERT_TRUE(parseJournal(written.data(), written.size(), read));
  EXPECT_STREQ(read.cache, journal.cache);
  ASSERT_TRUE(formatJournal(read, text, sizeof text));
  EXPECT_EQ(text, written);

  std::vector<char> tight(written.size());  // one short of its closing zero
  EXPECT_FALSE(formatJournal(journal, tight.data(), tight.size()));
  for (size_t cut = 0; cut < written.size(); ++cut)
    EXPECT_FALSE(parseJournal(written.data(), cut, read)) << cut;
  const size_t state = written.find("committing");
  for (const std::string& damaged :
       {written + "target x\n", "x" + written, std::string(written).replace(state, 10, "staginx"),
        std::string(written).insert(state - 6, "readme \n")})
    EXPECT_FALSE(parseJournal(damaged.data(), damaged.size(), read)) << damaged;
}

}  // namespace
