// Installing a 200 MiB update of 35 entries through the installation's steps, in
// the headless build, against cp of the same 35 files and sync in the same
// run.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "archive/archive_table.h"
#include "archive/packer.h"
#include "install/installation_steps.h"
#include "install/update_transaction.h"
#include "platform/headless/files.h"
#include "platform/sha256.h"

namespace fs = std::filesystem;

namespace {

constexpr size_t kMiB = 1024 * 1024;
constexpr size_t kTotal = 200 * kMiB;

void writeBody(const fs::path& file, size_t size, unsigned seed) {
  std::string bytes(size, '\0');
  uint32_t state = seed * 2654435761u + 1;
  for (char& byte : bytes) {
    state = state * 1664525u + 1013904223u;
    byte = static_cast<char>(state >> 24);
  }
  std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(size));
}

// The update folder (the current folder during the run): update.dat, the
// English readme, the fonts and the loose files kept aside for cp.
struct BenchUpdate {
  fs::path root = fs::temp_directory_path() / "tx3-install-bench";
  fs::path update = root / "update";
  fs::path game = root / "game";
  fs::path copies = root / "cp";
  std::vector<std::string> loose;

  BenchUpdate() {
    fs::remove_all(root);
    for (const fs::path& folder : {update / "loose", game / "data", game / "pictures", copies})
      fs::create_directories(folder);
    fs::current_path(update / "loose");
    // Sizes from small to large, 35 of them summing to 200 MiB.
    size_t written = 0;
    int done = 0;
    for (int i = 0; i < kArchiveEntryCount; ++i) {
      if (isReadmeEntry(i)) continue;
      ++done;
      const size_t size = done < 35 ? (kTotal / 630) * static_cast<size_t>(done) : kTotal - written;
      writeBody(ArchiveEntryTable[i].fileName, size, static_cast<unsigned>(i));
      loose.push_back((update / "loose" / ArchiveEntryTable[i].fileName).string());
      written += size;
    }
    packUpdateArchive();
    fs::rename("update.dat", update / "update.dat");
    fs::current_path(update);
    for (const auto& font : fs::directory_iterator(fs::path(TX3_SOURCE_DIR) / "data" / "fonts"))
      fs::copy_file(font.path(), update / font.path().filename(),
                    fs::copy_options::overwrite_existing);
    std::ofstream("../game/tx3.exe") << "old";
  }
  ~BenchUpdate() {
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(root);
  }
};

double seconds(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Bytes in the files under a folder.
uintmax_t bytesUnder(const fs::path& folder) {
  uintmax_t bytes = 0;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    if (entry.is_regular_file()) bytes += entry.file_size();
  return bytes;
}

// The digests a build made for the update would carry.
UpdateDigests digestsOf(const BenchUpdate& update) {
  UpdateDigests digests{};
  digests.present = true;
  std::vector<char> bytes;
  const auto hash = [&](const fs::path& file, uint8_t* digest) {
    std::ifstream in(file, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), {});
    platform::Sha256* sha = platform::startSha256();
    platform::addToSha256(sha, bytes.data(), bytes.size());
    platform::finishSha256(sha, digest);
    platform::releaseSha256(sha);
  };
  for (int i = 0, loose = 0; i < kArchiveEntryCount; ++i)
    if (!isReadmeEntry(i)) hash(update.loose[loose++], digests.bodies[i]);
  digests.readmePresent[0] = true;
  hash(update.update / "readme_eng.txt", digests.readmes[0]);
  return digests;
}

// The whole update through the steps the wizard and a silent run take,
// against cp of the same files followed by sync, in the same run. Arguments:
// whether the staged files are flushed to the disk, and whether each is
// checked against its digest.
void InstallAgainstCpAndSync(benchmark::State& state) {
  BenchUpdate update;
  headless::setCommonDataFolder(update.root.string());
  headless::setFlushToDisk(state.range(0) != 0);
  std::ofstream(update.update / "readme_eng.txt") << "readme";
  const UpdateDigests digests = state.range(1) != 0 ? digestsOf(update) : UpdateDigests{};
  std::string cp = "cp";
  for (const std::string& file : update.loose) cp += " '" + file + "'";
  cp += " '" + update.copies.string() + "' && sync";
  const std::string game = update.game.string();
  double installTime = 0;
  double cpTime = 0;
  uintmax_t peakExtra = 0;
  for (auto _ : state) {
    std::ofstream("readme_eng.txt") << "readme";  // the last run moved it away
    auto start = std::chrono::steady_clock::now();
    if (std::system(cp.c_str()) != 0) state.SkipWithError("cp failed");
    cpTime += seconds(start);

    const uintmax_t before = bytesUnder(update.game);
    start = std::chrono::steady_clock::now();
    UpdateTransaction transaction(digests);
    int step = 0;
    while (step <= kArchiveEntryCount) {
      const StepOutcome outcome = takeInstallationStep(transaction, step, game.c_str(), 0);
      if (outcome == StepOutcome::Done) ++step;
      if (outcome != StepOutcome::Done && outcome != StepOutcome::Copying) break;
    }
    // Every entry staged, none replaced yet: the most the update takes.
    peakExtra = std::max(peakExtra, bytesUnder(update.game) - before);
    if (takeInstallationStep(transaction, step, game.c_str(), 0) != StepOutcome::Finished)
      state.SkipWithError("installation did not complete");
    const double elapsed = seconds(start);
    installTime += elapsed;
    state.SetIterationTime(elapsed);
  }
  state.counters["cp_sync_ms"] = 1000 * cpTime / static_cast<double>(state.iterations());
  state.counters["ratio_to_cp_sync"] = installTime / cpTime;
  state.counters["peak_extra_MiB"] = static_cast<double>(peakExtra) / kMiB;
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kTotal));
}
BENCHMARK(InstallAgainstCpAndSync)
    ->Args({1, 0})
    ->Args({0, 0})
    ->Args({1, 1})
    ->ArgNames({"flush", "digests"})
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
