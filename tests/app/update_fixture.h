#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "archive/archive_table.h"
#include "support/temp_folder.h"

// An update folder, made the current folder, holding update.dat packed from
// distinct bodies and the readmes of English and French; and a game
// installation (program file, data and pictures folders) that the registry
// names, with an older version installed.
class UpdateFixture : public testing::Test {
 protected:
  static constexpr const char* kGameKey = "Software\\Quorvane Studios Ltd\\Tarvex League 3";

  void SetUp() override;
  void TearDown() override;

  std::filesystem::path game(const std::string& relative = "") const;
  std::filesystem::path update(const std::string& relative) const { return update_ / relative; }
  std::string readme(const char* language) const { return "readme of " + std::string(language); }

  // Every entry from `first` to `last` holds exactly its new body, in the
  // installation or in another folder.
  void expectInstalled(int first, int last) const { expectInstalled(first, last, game()); }
  void expectInstalled(int first, int last, const std::filesystem::path& folder) const;

  std::string bodies[kArchiveEntryCount];

 private:
  TempFolder update_;
  TempFolder root_;
  CurrentFolder inUpdate_{update_.path()};
};
