// The settings file at its worst: a full 30 x 30 wall with 48 plans, four
// 1000-output matrices, 50 timers and 100 roll groups (gen/worst_case_settings).
//
//   LoadAndReadStartup    open the file and read everything start-up reads
//   LoadLegacyGbk         the same file as the earlier program wrote it (GBK)
//   SaveOneChangedKey     one key changed, saved durably by an atomic replace
//   TypedReads10k         10,000 typed reads from the loaded document
//   ...InBatch / ...Each  the same through SettingsFile, checking the file
//                         once per batch / at every read
//   WriteBehindLatency    from a write to the change being on the disk

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "core/settings/ini_document.h"
#include "core/settings/settings_file.h"
#include "core/settings/startup_settings.h"
#include "core/settings/text_encoding.h"
#include "gen/worst_case_settings.h"
#include "io/settings_write_behind.h"

namespace wall::bench {
namespace {

namespace fs = std::filesystem;

// The generated files, written once into a temporary folder for the run.
class Files {
 public:
  static const Files& get() {
    static const Files files;
    return files;
  }
  std::string folder;
  std::string utf8Path;    // as this program writes it: UTF-8 with a mark
  std::string legacyPath;  // as the earlier program wrote it: GBK
  std::string text;

 private:
  Files() {
    std::string pattern = (fs::temp_directory_path() / "settingsbench.XXXXXX").string();
    folder = mkdtemp(pattern.data());
    std::atexit([] { fs::remove_all(get().folder); });
    text = worstCaseSettingsText();
    utf8Path = folder + "/Setting.ini";
    legacyPath = folder + "/Legacy.ini";
    write(utf8Path, encodeSettingsText(text));
    write(legacyPath, utf8ToGb18030(text));
  }
  // Written long ago, as a file is when the program starts.
  static void write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
    const timespec old[2] = {{std::time(nullptr) - 3600, 0}, {std::time(nullptr) - 3600, 0}};
    utimensat(AT_FDCWD, path.c_str(), old, 0);
  }
};

// Everything the program reads when it starts, beyond the start-up model:
// the matrix settings and output maps, the plans' saved flags, the timers,
// the unit colours and sources.
std::int64_t readRestOfStartup(SettingsFile& file, const StartupSettings& s) {
  std::int64_t sum = 0;
  const int units = s.row * s.col;
  for (const char* kind : kMatrixKinds) {
    const std::string k(kind);
    sum += file.readInt("Matrix", k + "_Company", 0) + file.readInt("Matrix", k + "_Type", 0) +
           file.readInt("Matrix", k + "_ID", 1) + file.readInt("Matrix", "Matrix_" + k + "_InputMax", 4) +
           file.readInt("Matrix", "Matrix_" + k + "_DelayTime", 100);
    for (int e = 0; e < units; ++e) sum += file.readInt("Matrix", "Matrix_" + k + "_OutputStr" + std::to_string(e), e + 1);
  }
  for (int p = 0; p < 48; ++p) sum += file.readInt("Wall", "Wall_Mode" + std::to_string(p) + "_En", 0);
  for (int t = 0; t < 50; ++t) {
    const std::string section = "NO." + std::to_string(t);
    if (file.readInt(section, "TimerSystem.bEnable", 0) != 1) continue;
    for (const char* f : {"wIndex", "wYear", "wMonth", "wDayOfWeek", "wDay", "wHour", "wMinute", "wSecond",
                          "RepeatTimeSel", "ucWallStartH", "ucWallStartL", "ucWallEndH", "ucWallEndL", "ucCommand",
                          "ucCommandParameter"}) {
      sum += file.readInt(section, std::string("TimerSystem.") + f, 0);
    }
  }
  for (int c = 0; c < s.col; ++c) {
    for (int r = 0; r < s.row; ++r) {
      sum += file.readInt("WallColor", "H" + std::to_string(c) + "V" + std::to_string(r), 0xFFFFFF);
    }
  }
  for (int l = 0; l < units; ++l) sum += file.readInt("Unit1", "Source" + std::to_string(l), 12);
  sum += file.readInt("WallPopList", "ListLeng", 0);
  return sum;
}

void loadAndReadStartup(benchmark::State& state, const std::string& path) {
  for (auto _ : state) {
    SettingsFile file(path);
    SettingsFile::Batch access(file);
    const StartupSettings s = readStartupSettings(file, Files::get().folder);
    benchmark::DoNotOptimize(readRestOfStartup(file, s));
    benchmark::DoNotOptimize(s.caption.data());
  }
  state.counters["file_MB"] = static_cast<double>(fs::file_size(path)) / 1e6;
}

void BM_LoadAndReadStartup(benchmark::State& state) { loadAndReadStartup(state, Files::get().utf8Path); }
BENCHMARK(BM_LoadAndReadStartup)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LoadLegacyGbk(benchmark::State& state) { loadAndReadStartup(state, Files::get().legacyPath); }
BENCHMARK(BM_LoadLegacyGbk)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SaveOneChangedKey(benchmark::State& state) {
  const std::string path = Files::get().folder + "/Save.ini";
  fs::copy_file(Files::get().utf8Path, path, fs::copy_options::overwrite_existing);
  SettingsFile file(path);
  (void)file.readInt("SETTING", "Row", 3);  // loaded before timing
  std::int32_t value = 0;
  for (auto _ : state) {
    if (!file.writeInt("SETTING", "PowerDelayTime10Ms", ++value)) state.SkipWithError("save failed");
  }
}
BENCHMARK(BM_SaveOneChangedKey)->Unit(benchmark::kMillisecond)->UseRealTime();

// Serialising the document alone: the part of a save that is not the disk's.
void BM_SerializeDocument(benchmark::State& state) {
  const IniDocument doc(Files::get().text);
  for (auto _ : state) benchmark::DoNotOptimize(encodeSettingsText(doc.text()));
}
BENCHMARK(BM_SerializeDocument)->Unit(benchmark::kMillisecond);

// 10,000 keys spread over the file's sections, built before timing.
std::vector<std::pair<std::string, std::string>> tenThousandKeys() {
  std::vector<std::pair<std::string, std::string>> keys;
  for (int i = 0; keys.size() < 10000; ++i) {
    switch (i % 5) {
      case 0: keys.emplace_back("Matrix", "Wall_Mode" + std::to_string(i % 48) + "Matrix_DVI_InputStr" + std::to_string(i % 900)); break;
      case 1: keys.emplace_back("Unit1", "SrcMode" + std::to_string(i % 48) + "Source" + std::to_string(i % 900)); break;
      case 2: keys.emplace_back("MatrixRoll" + std::to_string(i % 100), "SubRoll_In" + std::to_string(i % 100)); break;
      case 3: keys.emplace_back("wallcolor", "h" + std::to_string(i % 30) + "v" + std::to_string(i % 29)); break;
      default: keys.emplace_back("SETTING", i % 10 ? "Row" : "NoSuchKey"); break;
    }
  }
  return keys;
}

void BM_TypedReads10k(benchmark::State& state) {
  const IniDocument doc(Files::get().text);
  const auto keys = tenThousandKeys();
  for (auto _ : state) {
    std::int64_t sum = 0;
    for (const auto& [section, key] : keys) sum += doc.readInt(section, key, -1);
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_TypedReads10k)->Unit(benchmark::kMillisecond);

void BM_TypedReads10kFileInBatch(benchmark::State& state) {
  SettingsFile file(Files::get().utf8Path);
  const auto keys = tenThousandKeys();
  for (auto _ : state) {
    SettingsFile::Batch access(file);
    std::int64_t sum = 0;
    for (const auto& [section, key] : keys) sum += file.readInt(section, key, -1);
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_TypedReads10kFileInBatch)->Unit(benchmark::kMillisecond);

void BM_TypedReads10kFileEach(benchmark::State& state) {
  SettingsFile file(Files::get().utf8Path);
  const auto keys = tenThousandKeys();
  for (auto _ : state) {
    std::int64_t sum = 0;
    for (const auto& [section, key] : keys) sum += file.readInt(section, key, -1);
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_TypedReads10kFileEach)->Unit(benchmark::kMillisecond);

void BM_WriteBehindLatency(benchmark::State& state) {
  const std::string path = Files::get().folder + "/Behind.ini";
  fs::copy_file(Files::get().utf8Path, path, fs::copy_options::overwrite_existing);
  SettingsFile file(path);
  (void)file.readInt("SETTING", "Row", 3);
  SettingsWriteBehind writeBehind(file);
  std::int32_t value = 0;
  for (auto _ : state) {
    file.writeInt("SETTING", "CmdDelayTime10Ms", ++value);
    while (file.hasUnsavedChanges()) std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
}
BENCHMARK(BM_WriteBehindLatency)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace wall::bench

BENCHMARK_MAIN();
