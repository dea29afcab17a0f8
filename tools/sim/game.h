// One simulated game: the play-by-play it writes, its final figures (score,
// quarters, scoring plays, the team box) and the plain football totals it
// adds to its players.
#pragma once

#include <array>
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "roster.h"
#include "schedule.h"

namespace yl::sim {

constexpr int kNoLongest = INT_MIN;  // no play counted yet

// A player's totals over the season. Plays wiped out by an accepted penalty
// and conversion tries count in none of them except the twoPoint group and
// the penalty group.
struct PlayerTotals {
  int rushAttempts = 0, rushYards = 0, rushTouchdowns = 0;
  int rushLongest = kNoLongest;  // over rushes not fumbled away or to a teammate
  int passAttempts = 0, completions = 0, passYards = 0, passTouchdowns = 0;
  int interceptionsThrown = 0, timesSacked = 0, sackYardsLost = 0;
  int receptions = 0, receivingYards = 0, receivingTouchdowns = 0, drops = 0;
  int fieldGoalsAttempted = 0, fieldGoalsMade = 0, extraPointsAttempted = 0, extraPointsMade = 0;
  int punts = 0;
  int kickReturns = 0, kickReturnYards = 0, kickReturnTouchdowns = 0;
  int puntReturns = 0, puntReturnYards = 0, puntReturnTouchdowns = 0, fairCatches = 0;
  int interceptions = 0, interceptionReturnYards = 0, interceptionTouchdowns = 0;
  int tackles = 0, specialTeamsTackles = 0, sacks = 0, sackYards = 0, passesDefensed = 0;
  int fumbleRecoveries = 0, fumbleReturnYards = 0, fumbleReturnTouchdowns = 0;
  int fumbles = 0, fumblesLost = 0;
  int penalties = 0, penaltiesAccepted = 0, penaltyYards = 0;
  int twoPointRushAttempts = 0, twoPointRushesMade = 0, twoPointPassAttempts = 0;
  int twoPointPassesMade = 0, twoPointTargets = 0, twoPointReceptions = 0;
};

// What a team did in one game, counted play by play.
struct TeamCounts {
  int rushingYards = 0, rushingPlays = 0, passingYards = 0, passingPlays = 0;
  int completions = 0, attempts = 0, timesSacked = 0, intercepted = 0;
  int fumbles = 0, fumblesLost = 0, firstDowns = 0;
  int thirdDownAttempts = 0, thirdDownConversions = 0;
  int punts = 0, puntYards = 0;
  int puntReturns = 0, puntReturnYards = 0, kickReturns = 0, kickReturnYards = 0;
  int otherReturnYards = 0;  // interception and fumble returns
  int touchdowns = 0, extraPoints = 0, fieldGoalsMade = 0, fieldGoalsAttempted = 0;
  int fieldGoalYards = 0;  // summed over the field goals made
  int safeties = 0, penalties = 0, penaltyYards = 0;
  int possessionSeconds = 0, points = 0;
};

// The team box of one team as written: whole numbers and the six decimal
// values already rounded to what the box shows.
struct BoxFigures {
  int rushingYards = 0, rushingPlays = 0, passingYards = 0, passingPlays = 0;
  int completions = 0, attempts = 0, timesSacked = 0, intercepted = 0;
  int fumbles = 0, fumblesLost = 0, firstDowns = 0;
  std::string thirdDownEfficiency;  // two decimals, "0.42"
  int punts = 0;
  std::string yardsPerPunt;  // one decimal
  int netYards = 0;
  std::string yardsPerPuntReturn, yardsPerKickReturn, yardsPerTurnover;
  int touchdowns = 0, extraPoints = 0, fieldGoalsMade = 0, fieldGoalsAttempted = 0;
  std::string yardsPerFieldGoal;
  int safeties = 0, penalties = 0, penaltyYards = 0, totalPlays = 0;
  int timeMinutes = 0, timeSeconds = 0;
  int totalYards = 0, points = 0;
  // Extras that the box also shows, not read back.
  std::string yardsPerRush, yardsPerPass, completionPercentage;
};

BoxFigures MakeBoxFigures(const TeamCounts& counts);

struct PlayerRef {
  int side = 0;   // 0 visiting, 1 home
  int entry = 0;  // roster entry
};

struct ScoringPlay {
  int period = 1;    // 5 and above: overtime periods
  int clock = 0;     // seconds left at the snap
  int side = 0;      // the scoring team
  std::string kind;  // "rushing touchdown", "field goal", ...
  int points = 0;
  int yards = 0;                   // of the play; field goals their length; 0 when none
  std::vector<PlayerRef> players;  // the scorer first (the passer of a pass)
  int visitingScore = 0;           // after the play
  int homeScore = 0;
};

struct GameSettings {
  double overtimeRate = 0.8;  // chance that a tie after a period is played on
  double penaltyRate = 0.06;  // per scrimmage snap
  double fumbleRate = 0.02;   // per ball carrier
};

struct GameResult {
  ScheduledGame game;
  std::vector<std::string> lines;  // the transcript, line by line, "..." spelled out
  std::array<int, 2> score{};
  std::array<std::array<int, 4>, 2> quarterPoints{};
  int overtimePeriods = 0;
  std::array<int, 2> overtimePoints{};
  bool hadFumble = false;
  bool hadPenalty = false;
  std::vector<ScoringPlay> scoring;
  std::array<TeamCounts, 2> counts;
  std::array<BoxFigures, 2> box;
};

// Plays one game. records are the two teams' won-lost texts before it
// ("3-2" or "3-2-1"); totals[t] are the players of team t, by roster entry.
GameResult SimulateGame(const std::vector<Team>& teams, const ScheduledGame& game,
                        const std::array<std::string, 2>& records, const GameSettings& settings,
                        std::uint64_t seed,
                        std::vector<std::array<PlayerTotals, kRosterEntries>>& totals);

// The 35 lines of the team box after "The game is over." (empty lines apart).
std::vector<std::string> TeamBoxLines(const std::string& visiting, const std::string& home,
                                      const GameResult& result);

}  // namespace yl::sim
