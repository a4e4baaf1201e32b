// Open and save of a full .qvx, as File Open and Save do them, and the journal a write keeps.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <string>

#include "FullImage.h"
#include "core/files/DocumentFile.h"
#include "core/files/WriteJournal.h"

namespace quorvan::bench {

namespace {

// A private folder for the benchmark's file, removed afterwards. TMPDIR picks the disk.
class ScratchFolder {
 public:
  ScratchFolder() {
    const char* base = ::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/quorvan-bench-XXXXXX";
    if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  bool Valid() const { return !path_.empty(); }
  std::string File() const { return path_ + "/full.qvx"; }
  std::string Backups() const { return path_ + "/backups"; }

 private:
  std::string path_;
};

void BM_SaveFullDocument(benchmark::State& state) {
  const RadioImage image = FullImage();
  ScratchFolder folder;
  if (!folder.Valid()) {
    state.SkipWithError("no scratch folder");
    return;
  }
  std::string error;
  for (auto _ : state) {
    if (!SaveDocumentFile(folder.File(), image, &error)) {
      state.SkipWithError(error.c_str());
      return;
    }
  }
}

void BM_OpenFullDocument(benchmark::State& state) {
  const RadioImage full = FullImage();
  ScratchFolder folder;
  if (!folder.Valid() || !SaveDocumentFile(folder.File(), full, nullptr)) {
    state.SkipWithError("cannot write the document");
    return;
  }
  RadioImage document = MakeNewDocument(full.Plan());
  for (auto _ : state) {
    if (!OpenDocumentFile(folder.File(), document)) {
      state.SkipWithError("the document was rejected");
      return;
    }
    benchmark::DoNotOptimize(document);
  }
  if (!(document == full)) state.SkipWithError("the document read differs from the one saved");
}

// What the journal adds to a write: what it replaces and what it is to leave kept before the
// first change is sent (two durable saves), then made the "-written" backup (a rename), in a
// folder that fills up to what retention keeps.
void BM_WriteJournal(benchmark::State& state) {
  const RadioImage image = FullImage();
  ScratchFolder folder;
  if (!folder.Valid()) {
    state.SkipWithError("no scratch folder");
    return;
  }
  std::string error;
  for (auto _ : state) {
    WriteJournal journal(folder.Backups());
    if (!journal.Begin(&image, image, std::time(nullptr), &error) ||
        !journal.Finish(image, std::time(nullptr), &error)) {
      state.SkipWithError(error.c_str());
      return;
    }
  }
}

BENCHMARK(BM_SaveFullDocument)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenFullDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteJournal)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

}  // namespace quorvan::bench

BENCHMARK_MAIN();
