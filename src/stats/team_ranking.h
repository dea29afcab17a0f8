// Ranking of teams for the team tables: by name, and by the three keys of
// the offensive, defensive and take-away/give-away tables.
#pragma once

#include <cstdint>
#include <vector>

#include "league/league.h"

namespace yl::stats {

enum TeamSortKey : std::int32_t {
  kOffenseNetYards = 1,   // own net yards, most first
  kDefenseNetYards = 2,   // opponents' net yards, fewest first
  kTakeawayGiveaway = 3,  // take-aways minus give-aways, most first
};

// An order of the league's teams for a report; sorting reorders it, never the
// league's list.
using TeamOrder = std::vector<const league::TeamRecord*>;

// The teams in the order of the league's list.
TeamOrder TeamsInListOrder(const league::League& league);

void SortTeamsByName(TeamOrder& teams);
// Ties are broken by team name; any other key leaves the order as it is.
void SortTeamsByStats(TeamOrder& teams, TeamSortKey key);

}  // namespace yl::stats
