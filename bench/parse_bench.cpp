// Micro-benchmarks of transcript parsing: each line parser over every line
// of its kind in one game, and the whole game read by the game reader and
// credited.
// The game is the file named by YL_BENCH_GAME (scripts/bench-runs names one).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "compile/compile_driver.h"
#include "compile/compile_run.h"
#include "league/league.h"
#include "run/error_log.h"
#include "run/input_files.h"
#include "transcript/description.h"
#include "transcript/extras.h"
#include "transcript/gains.h"
#include "transcript/game_reader.h"
#include "transcript/header.h"
#include "transcript/reader.h"

namespace {

// A platform that answers nothing and shows nothing.
class QuietPlatform : public yl::run::Platform {
 public:
  void ShowAlert(std::string_view message) override {
    std::fprintf(stderr, "%.*s\n", static_cast<int>(message.size()), message.data());
  }
  std::optional<std::string> AskSaveFile(std::string_view, std::string_view) override {
    return std::nullopt;
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
    benchmark::DoNotOptimize(run.league.players.size());
  }
  std::ifstream in(record.path, std::ios::binary | std::ios::ate);
  bytes = static_cast<std::int64_t>(in.tellg());
  state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(BM_CompileTranscript)->Unit(benchmark::kMicrosecond);

enum class LineKind { kHeader, kDescription, kGains, kExtras };

// A parser with what it needs around it: a league, an error log, the game's
// two teams and their extras phrases.
struct ParserSetting {
  QuietPlatform platform;
  yl::options::OutputOptions options;
  yl::league::League league;
  yl::run::FileSystem files;
  yl::run::ErrorLog log{platform, files, options.lineEnds};
  yl::transcript::GameState game;
  yl::transcript::ReadContext context{league, game.players, log, "Bench"};
  yl::transcript::CurrentPlay play;
  yl::transcript::ExtrasTable extras;

  explicit ParserSetting(std::string_view firstLine) {
    yl::run::InitErrorLog(log);
    std::string visiting;
    std::string home;
    yl::transcript::ParseFirstLine(firstLine, visiting, home);
    game.home = yl::league::FindOrCreateTeam(league, home);
    game.visiting = yl::league::FindOrCreateTeam(league, visiting);
    yl::transcript::PrepareExtrasPhrases(extras, *game.home, *game.visiting);
  }

  // The parse a run makes (on a worker thread, when it reads ahead): the
  // tokens are noted, not yet looked up in the league.
  bool Parse(LineKind kind, std::string_view line) {
    play = yl::transcript::CurrentPlay();
    parse.tokens.clear();
    parse.notes.clear();
    parse.texts.clear();
    switch (kind) {
      case LineKind::kHeader:
        return yl::transcript::ParseHeader(parse, line, play);
      case LineKind::kDescription:
        return yl::transcript::ParseDescription(parse, line, play, &memo);
      case LineKind::kGains:
        return yl::transcript::ParseGains(parse, line, play);
      case LineKind::kExtras:
        return yl::transcript::ParseExtras(parse, extras, line, play);
    }
    return false;
  }
  yl::transcript::ParseContext parse;
  yl::transcript::DescriptionMemo memo;
};

// The game's lines by kind: a header, its description on the next line, then
// up to the next header a gains line (the first that parses as one) and
// extras lines. Only lines their parser accepts are kept.
std::vector<std::string> LinesOfKind(LineKind kind, std::string& firstLine) {
  yl::run::FileSystem files;
  yl::transcript::TranscriptText text =
      yl::transcript::LoadTranscript(files, yl::run::MakeInputFileRecord(GamePath()));
  yl::transcript::LineState state;
  yl::transcript::ReadLine(text, state);
  firstLine = std::string(state.line);
  ParserSetting setting(firstLine);
  std::vector<std::string> lines;
  LineKind next = LineKind::kExtras;
  while (yl::transcript::ReadLine(text, state), !state.atEnd) {
    const std::string_view line = state.line;
    LineKind is = next;
    if (yl::transcript::IsPlayHeader(line)) {
      is = LineKind::kHeader;
    } else if (next == LineKind::kGains && !setting.Parse(LineKind::kGains, line)) {
      is = LineKind::kExtras;
    }
    next = is == LineKind::kHeader        ? LineKind::kDescription
           : is == LineKind::kDescription ? LineKind::kGains
                                          : LineKind::kExtras;
    if (is == kind && setting.Parse(kind, line)) lines.emplace_back(line);
  }
  return lines;
}

void BM_ParseLines(benchmark::State& state, LineKind kind) {
  std::string firstLine;
  const std::vector<std::string> lines = LinesOfKind(kind, firstLine);
  if (lines.empty()) {
    state.SkipWithError("the game has no such lines");
    return;
  }
  ParserSetting setting(firstLine);
  std::int64_t bytes = 0;
  for (const std::string& line : lines)
    bytes += static_cast<std::int64_t>(line.size());
  for (auto _ : state) {
    for (const std::string& line : lines) {
      if (!setting.Parse(kind, line)) {
        state.SkipWithError("a line was not understood");
        return;
      }
    }
    benchmark::DoNotOptimize(setting.play);
  }
  state.SetBytesProcessed(state.iterations() * bytes);
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(lines.size()));
}
BENCHMARK_CAPTURE(BM_ParseLines, Headers, LineKind::kHeader)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ParseLines, Descriptions, LineKind::kDescription)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ParseLines, Gains, LineKind::kGains)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ParseLines, Extras, LineKind::kExtras)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
