// Teams and rosters of a simulated league, and their team files: 45 entries
// of 58 bytes with big-endian numbers, the thirty used entries holding the
// players who take part in games and the others a team's reserves.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "random.h"

namespace yl::sim {

constexpr int kRosterEntries = 45;
constexpr int kEntrySize = 58;
constexpr int kTeamFileBytes = kRosterEntries * kEntrySize;  // 2610

// The 0-based entries a reader takes players from, in roster order.
constexpr std::array<int, 30> kPlayingEntries = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10,
                                                 11, 12, 13, 14, 15, 16, 17, 18, 19, 20,
                                                 21, 22, 23, 24, 25, 31, 35, 36, 39, 42};

enum class Role : std::uint8_t {
  kQuarterback,
  kKicker,
  kPunter,
  kHalfback,
  kFullback,
  kRunningBack,
  kCenter,
  kGuard,
  kTackle,
  kWideReceiver,
  kTightEnd,
  kDefensiveEnd,
  kDefensiveTackle,
  kNoseTackle,
  kDefensiveLineman,
  kLinebacker,
  kCornerback,
  kStrongSafety,
  kFreeSafety,
  kDefensiveBack,
};

struct Player {
  std::string name;  // letters only, 3 to 20 of them, unique in the league
  int number = 0;
  int position = 0;  // position code of the team file
  bool defense = false;
  Role role = Role::kQuarterback;
  bool plays = false;  // in a used entry
  int rating = 0;      // filler of the file's unused fields
  int experience = 0;
};

// Entry indexes of the players who take the field, by job.
struct DepthChart {
  int quarterback = 0;
  int kicker = 0;
  int punter = 0;
  std::array<int, 3> backs{};          // halfback, second halfback, fullback
  std::array<int, 4> receivers{};      // three wide receivers, tight end
  std::array<int, 5> linemen{};        // center, guards, tackles
  std::array<int, 4> defensiveLine{};  // ends, tackle, nose tackle
  std::array<int, 4> linebackers{};
  std::array<int, 6> defensiveBacks{};  // cornerbacks, safeties, one more back
  std::array<int, 2> kickReturners{};
  int puntReturner = 0;
};

struct Team {
  std::string name;  // one word, 3 to 12 letters
  std::array<Player, kRosterEntries> entries;
  DepthChart depth;
  int offense = 0;  // strengths, -2 to 2
  int defense = 0;
};

// The largest league the name pool allows.
int MaxTeams();

// count teams with distinct names (first three letters differ) and rosters.
std::vector<Team> MakeTeams(int count, Random& random);

// The 2610 bytes of the team's file.
std::array<unsigned char, kTeamFileBytes> EncodeTeamFile(const Team& team);

// Two-letter position text, for truth.json.
std::string PositionName(const Player& player);

}  // namespace yl::sim
