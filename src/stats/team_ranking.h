// Ranking of teams for the team tables: by name, and by the three keys of
// the offensive, defensive and take-away/give-away tables.
#pragma once

#include <cstdint>

#include "league/league.h"

namespace yl::stats {

enum TeamSortKey : std::int32_t {
  kOffenseNetYards = 1,   // own net yards, most first
  kDefenseNetYards = 2,   // opponents' net yards, fewest first
  kTakeawayGiveaway = 3,  // take-aways minus give-aways, most first
};

void SortTeamsByName(league::League& league);
// Ties are broken by team name; any other key leaves the list as it is.
void SortTeamsByStats(league::League& league, TeamSortKey key);

}  // namespace yl::stats
