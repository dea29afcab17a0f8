// A compile run writing into one report file of a temporary folder, with
// players, teams and scoring entries filled by hand, and the written bytes
// read back for comparison.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "league/league.h"
#include "reports/report_buffer.h"
#include "run/compile_run.h"
#include "stats/scoring_summary.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"

namespace yl::test {

// Lines joined with "\n"; each line ends with one.
inline std::string Lines(const std::vector<std::string_view>& lines) {
  std::string text;
  for (std::string_view line : lines) {
    text += line;
    text += '\n';
  }
  return text;
}

// The same text with every "\n" written as the given line end.
inline std::string WithLineEnd(std::string_view text, std::string_view end) {
  std::string out;
  for (char c : text) {
    if (c == '\n') {
      out += end;
    } else {
      out += c;
    }
  }
  return out;
}

struct ReportFixture : testing::Test {
  FakePlatform platform;
  TempDir dir;
  std::unique_ptr<run::CompileRun> run;

  // A run with the given options, its buffer ready and a report file open.
  void Start(options::OutputOptions options) {
    run = std::make_unique<run::CompileRun>(platform, options);
    reports::InitWriteBuffer(*run);
    run::OpenNextStatFile(*run, run::MakePrefixReply(dir.File("report")));
  }
  void SetUp() override {
    options::OutputOptions options;
    options.fileFormat = options::kUnix;
    Start(options);
  }

  // Everything written so far.
  std::string Output() {
    reports::FlushWriteBuffer(*run);
    return ReadFileBytes(run->outputFiles.currentSpec.path);
  }

  league::PlayerRecord& Player(int number, std::string_view name, std::string_view team,
                               int position, std::uint16_t side = league::kOffense) {
    league::PlayerRecord* p =
        league::AddPlayer(run->league, name, static_cast<std::int16_t>(number));
    p->teamName = team;
    p->position = static_cast<std::int16_t>(position);
    p->side = side;
    return *p;
  }

  league::TeamRecord& Team(std::string_view name, std::uint16_t homeFlag) {
    league::TeamRecord* t = league::AddTeam(run->league, name);
    t->homeFlag = homeFlag;
    return *t;
  }

  // A scoring entry linked at the end of the game's summary.
  stats::ScoringDriveRecord& Score(int quarter, int minutes, int seconds, std::string_view team,
                                   stats::ScoringKind kind, int number1 = -1,
                                   std::string_view player1 = {}, int yards = 0, int number2 = -1,
                                   std::string_view player2 = {}) {
    stats::ScoringSummary& summary = run->stats.scoring;
    stats::ScoringDriveRecord* e = stats::CreateScoringDrive(summary);
    e->quarter = static_cast<std::int16_t>(quarter);
    e->minutes = static_cast<std::int16_t>(minutes);
    e->seconds = static_cast<std::int16_t>(seconds);
    e->team = team;
    e->kind = kind;
    e->number1 = static_cast<std::int16_t>(number1);
    e->player1 = player1;
    e->yards = static_cast<std::int16_t>(yards);
    e->number2 = static_cast<std::int16_t>(number2);
    e->player2 = player2;
    stats::LinkScoringDrive(summary, e);
    return *e;
  }
};

}  // namespace yl::test
