// Micro-benchmarks of transcript parsing: one whole game read by the game
// reader (lines, headers, descriptions, gains, extras and the team box) and
// credited.
// The game is the file named by YL_BENCH_GAME (scripts/bench simulates one).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "compile/compile_driver.h"
#include "compile/compile_run.h"
#include "run/error_log.h"
#include "run/input_files.h"

namespace {

// A platform that answers nothing and shows nothing.
class QuietPlatform : public yl::run::Platform {
 public:
  void ShowAlert(std::string_view message) override {
    std::fprintf(stderr, "%.*s\n", static_cast<int>(message.size()), message.data());
  }
  bool AskSaveFile(std::string_view, std::string_view, yl::run::SaveFileReply&) override {
    return false;
  }
  void StartProgress(std::string_view, int) override {}
  void StepProgress(int, int, std::string_view) override {}
  void EndProgress() override {}
  void YieldHook() override {}
};

std::string GamePath() {
  const char* path = std::getenv("YL_BENCH_GAME");
  if (path == nullptr || path[0] == 0)
    throw std::runtime_error("set YL_BENCH_GAME to a transcript");
  return path;
}

void BM_CompileTranscript(benchmark::State& state) {
  const yl::run::TransRecord record = yl::run::MakeInputFileRecord(GamePath());
  QuietPlatform platform;
  yl::options::OutputOptions options;
  std::int64_t bytes = 0;
  for (auto _ : state) {
    yl::compile::CompileRun run(platform, options);
    yl::run::InitErrorLog(run.errorLog);
    const auto compiled = yl::compile::CompileTranscript(run, record);
    if (compiled.outcome != yl::transcript::ReadOutcome::kRead || run.errorLog.entries != 0) {
      state.SkipWithError("the game was not read cleanly");
      break;
    }
    benchmark::DoNotOptimize(run.league.playerCount);
  }
  std::ifstream in(record.path, std::ios::binary | std::ios::ate);
  bytes = static_cast<std::int64_t>(in.tellg());
  state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(BM_CompileTranscript)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
