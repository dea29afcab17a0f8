// The season's schedule: weeks of a round robin in which every team meets
// every other once per cycle, home and away swapping from one cycle to the
// next.
#pragma once

#include <vector>

namespace yl::sim {

struct ScheduledGame {
  int week = 0;  // 1-based
  int visiting = 0;
  int home = 0;
};

// weeks weeks of the round robin of teams teams (an odd count gives each team
// a bye in turn).
std::vector<ScheduledGame> MakeWeeks(int teams, int weeks);

// The first games of the round robin, as many as asked.
std::vector<ScheduledGame> MakeGames(int teams, int games);

}  // namespace yl::sim
