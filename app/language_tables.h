#pragma once

#include <array>
#include <cstdint>

// The wizard speaks seven languages; every text it shows in its window, and
// the window title, exists once per language. Texts are Windows-1252 bytes,
// which is what the fonts and the window title expect.
enum LanguageId : int32_t {
  LANGUAGE_ENGLISH = 0,
  LANGUAGE_SPANISH = 1,
  LANGUAGE_FRENCH = 2,
  LANGUAGE_ITALIAN = 3,
  LANGUAGE_NORWEGIAN = 4,
  LANGUAGE_PORTUGUESE = 5,
  LANGUAGE_SWEDISH = 6,
};

inline constexpr int kLanguageCount = 7;

// One text per LanguageId.
using LanguageTable = std::array<const char*, kLanguageCount>;

// The languages this build offers on the language page; the others keep
// their texts all the same.
extern const std::array<bool, kLanguageCount> languageAvailable;

extern const LanguageTable kInstallLabel;
extern const LanguageTable kBackText;
extern const LanguageTable kNextText;
extern const LanguageTable kFinishText;
extern const LanguageTable kExitText;
extern const LanguageTable kYesText;
extern const LanguageTable kNoText;
extern const LanguageTable kSourceMissingText;
extern const LanguageTable kContinueHint;
extern const LanguageTable kWizardTitle;
extern const LanguageTable kNotFoundText;
extern const LanguageTable kReinstallHint;
extern const LanguageTable kInstalledVersionCaption;
extern const LanguageTable kNewVersionCaption;
extern const LanguageTable kUpdateHint;
extern const LanguageTable kIncompatibleText;
extern const LanguageTable kUpdatingText;
extern const LanguageTable kCompletedText;
extern const LanguageTable kInstallationCorruptText;
extern const LanguageTable kUpdateFileCorruptText;
extern const LanguageTable kQuickStartNotice;
extern const LanguageTable kQuickStartQuestion;
extern const LanguageTable kLocationText;
extern const LanguageTable kWriteFailureText;

// All tables, in their fixed order.
inline constexpr int kLanguageTableCount = 24;
extern const std::array<const LanguageTable*, kLanguageTableCount> languageTables;

// The table's text in the given language; a language outside the seven falls
// back to English rather than reading past the table.
const char* languageText(const LanguageTable& table, int32_t language);
