#include <gtest/gtest.h>

#include <string>

#include "app/language_tables.h"

namespace {

// The fonts hold glyphs for the code page's accented letters only; a text
// stored as UTF-8 would show two wrong glyphs per letter.
TEST(LanguageTables, LettersOutsideAsciiAreSingleWindows1252Bytes) {
  int accented = 0;
  for (const LanguageTable* table : languageTables) {
    for (const char* text : *table) {
      ASSERT_NE(text, nullptr);
      for (const unsigned char c : std::string(text)) {
        if (c < 0x80) continue;
        EXPECT_GE(c, 0xBF) << text;
        ++accented;
      }
    }
  }
  EXPECT_GT(accented, 50);
}

TEST(LanguageTables, ALanguageOutsideTheSevenReadsEnglish) {
  EXPECT_STREQ(languageText(kWizardTitle, -1), "Tarvex League 3 Update");
  EXPECT_STREQ(languageText(kWizardTitle, kLanguageCount), "Tarvex League 3 Update");
}

}  // namespace
