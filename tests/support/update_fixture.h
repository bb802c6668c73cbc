#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "archive/archive_table.h"
#include "support/temp_folder.h"

// An update folder, made the current folder, holding update.dat packed from
// distinct bodies and the readmes of English and French; a game
// installation (program file, data and pictures folders) that the registry
// names, with an older version installed; and the machine's shared folder,
// where updates keep their journal.
class UpdateFixture : public testing::Test {
 protected:
  static constexpr const char* kGameKey = "Software\\Quorvane Studios Ltd\\Tarvex League 3";

  void SetUp() override;
  void TearDown() override;

  std::filesystem::path game(const std::string& relative = "") const;
  std::filesystem::path update(const std::string& relative) const { return update_ / relative; }
  std::string readme(const char* language) const { return "readme of " + std::string(language); }
  // Where an update keeps its journal while it runs.
  std::filesystem::path journal() const;

  // Where entry `index` of the update lies in the installation or another folder.
  std::filesystem::path entryFile(int index) const { return entryFile(index, game()); }
  std::filesystem::path entryFile(int index, const std::filesystem::path& folder) const;

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
