// A whole simulated season: the teams, the schedule, every game played in
// order, and the files written from them (team files, transcripts and
// truth.json).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "game.h"
#include "random.h"
#include "roster.h"

namespace yl::sim {

enum class EllipsisForm { kDots, kByte, kMixed };
enum class LineEnd { kLf, kCrLf, kCr, kMixed };

struct SeasonOptions {
  std::string outDir;
  std::uint64_t seed = 1;
  int teams = 8;
  int games = 0;  // more than 0: this many games of the round robin
  int weeks = 0;  // more than 0: this many weeks; neither: one full round robin
  EllipsisForm ellipsis = EllipsisForm::kDots;
  LineEnd eol = LineEnd::kLf;
  GameSettings game;
};

struct TeamRecordCount {
  int wins = 0, losses = 0, ties = 0;
};

// What the season leaves behind once every game is played; the games keep
// everything but their lines.
struct SeasonResult {
  std::vector<Team> teams;
  std::vector<GameResult> games;
  std::vector<TeamRecordCount> records;
  std::vector<std::array<PlayerTotals, kRosterEntries>> players;
};

// The games the options ask for.
std::vector<ScheduledGame> ScheduleFor(const SeasonOptions& options);

// Sees every game with its number (from 1) and its lines before the lines
// are dropped.
using GameCallback =
    std::function<void(int number, const std::vector<Team>& teams, const GameResult& game)>;

// Plays every game in order.
SeasonResult PlaySeason(const SeasonOptions& options, const GameCallback& onGame);

// "007-Eagles-at-Bears.txt".
std::string GameFileName(int number, const std::string& visiting, const std::string& home);

// The transcript's bytes: lines with their ellipses and line ends as asked
// (mixed forms chosen line by line from format).
std::string TranscriptBytes(const std::vector<std::string>& lines, EllipsisForm ellipsis,
                            LineEnd eol, Random& format);

std::string TruthJson(const SeasonOptions& options, const SeasonResult& season);

// Plays the season and writes DIR/teams, DIR/games and DIR/truth.json.
// False with a message when a file cannot be written.
bool WriteSeason(const SeasonOptions& options, std::string& error);

}  // namespace yl::sim
