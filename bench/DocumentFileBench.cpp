// Open and save of a full .qvx, as File Open and Save do them.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>

#include "FullImage.h"
#include "core/files/DocumentFile.h"

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
    if (path_.empty()) return;
    ::unlink(File().c_str());
    ::rmdir(path_.c_str());
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  bool Valid() const { return !path_.empty(); }
  std::string File() const { return path_ + "/full.qvx"; }

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

BENCHMARK(BM_SaveFullDocument)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenFullDocument)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace quorvan::bench

BENCHMARK_MAIN();
