// A report output writing into one report file of a temporary folder, a
// model with players, teams and scoring entries filled by hand, and the
// written bytes read back for comparison.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "league/league.h"
#include "options/output_options.h"
#include "reports/report_buffer.h"
#include "reports/report_driver.h"
#include "run/output_files.h"
#include "stats/longest_lists.h"
#include "stats/ranking.h"
#include "stats/scoring_summary.h"
#include "stats/team_ranking.h"
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
  TempDir dir;
  options::OutputOptions options;
  league::League league;
  stats::ScoringSummary scoring;  // of the game being reported
  stats::LongestLists longest;
  reports::GameTeams gameTeams;
  run::FileSystem fileSystem;
  run::OutputFiles files{fileSystem};
  std::unique_ptr<reports::ReportOutput> out;

  // An output with the given options, its buffer ready and a report file open.
  void Start(const options::OutputOptions& chosen) {
    options = chosen;
    out = std::make_unique<reports::ReportOutput>(files.current.file(), files.currentPath,
                                                  options.lineEnds);
    reports::InitWriteBuffer(*out);
    run::OpenNextStatFile(files, options.mode, run::MakePrefixReply(dir.File("report")));
  }
  void SetUp() override {
    options::OutputOptions unix;
    unix.lineEnds = options::LineEnds::kUnix;
    Start(unix);
  }

  // The orders the tables of one report sort: made from the lists at the
  // first call, then kept.
  stats::PlayerOrder& Players() {
    if (!players) players = stats::PlayersInListOrder(league);
    return *players;
  }
  stats::TeamOrder& Teams() {
    if (!teams) teams = stats::TeamsInListOrder(league);
    return *teams;
  }
  reports::ReportSource Source() const { return {league, longest, gameTeams, &scoring}; }

  // Everything written so far.
  std::string Output() {
    reports::FlushWriteBuffer(*out);
    return ReadFileBytes(files.current.HiddenPath());
  }

  league::PlayerRecord& Player(int number, std::string_view name, std::string_view team,
                               int position, std::uint16_t side = league::kOffense) {
    league::PlayerRecord* p = league::AddPlayer(league, name, static_cast<std::int16_t>(number));
    p->teamName = team;
    p->position = static_cast<std::int16_t>(position);
    p->side = side;
    return *p;
  }

  // A team, and where it plays in the game reported (by default in none).
  enum class In { kNoGame, kVisiting, kHome };
  league::TeamRecord& Team(std::string_view name, In in = In::kNoGame) {
    league::TeamRecord* t = league::AddTeam(league, name);
    if (in == In::kVisiting) gameTeams.visiting = t;
    if (in == In::kHome) gameTeams.home = t;
    return *t;
  }

  // A scoring entry linked at the end of the game's summary.
  stats::ScoringDriveRecord& Score(int quarter, int minutes, int seconds, std::string_view team,
                                   stats::ScoringKind kind, int number1 = -1,
                                   std::string_view player1 = {}, int yards = 0, int number2 = -1,
                                   std::string_view player2 = {}) {
    stats::ScoringDriveRecord* e = &scoring.entries.emplace_back();
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
    return *e;
  }

 private:
  std::optional<stats::PlayerOrder> players;
  std::optional<stats::TeamOrder> teams;
};

}  // namespace yl::test
