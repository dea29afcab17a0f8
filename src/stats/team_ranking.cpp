// Ranking of teams by name and by the keys of the team tables.
#include "stats/team_ranking.h"

#include <utility>

#include "stats/derived.h"
#include "stats/ranking.h"

namespace yl::stats {

namespace {

using league::TeamRecord;

// Passes over the order that swap adjacent teams out of order until a pass
// swaps none.
template <typename After>
void SortTeams(TeamOrder& teams, const After& sortsAfter) {
  bool swapped = true;
  while (swapped) {
    swapped = false;
    for (std::size_t i = 0; i + 1 < teams.size(); ++i) {
      if (sortsAfter(*teams[i], *teams[i + 1])) {
        std::swap(teams[i], teams[i + 1]);  // the team moved on: compared again there
        swapped = true;
      }
    }
  }
}

// The team's value under the key, arranged so that the larger value comes
// first.
std::int64_t RankValue(const TeamRecord& t, TeamSortKey key) {
  switch (key) {
    case kOffenseNetYards:
      return t.own.netYards;
    case kDefenseNetYards:
      return -std::int64_t{t.opponents.netYards};
    case kTakeawayGiveaway:
      return Takeaways(t) - Giveaways(t);
  }
  return 0;
}

}  // namespace

TeamOrder TeamsInListOrder(const league::League& league) {
  TeamOrder teams;
  for (const TeamRecord& t : league::NewestFirst(league.teams))
    teams.push_back(&t);
  return teams;
}

void SortTeamsByName(TeamOrder& teams) {
  SortTeams(teams,
            [](const TeamRecord& t, const TeamRecord& u) { return CompareNames(t.name, u.name); });
}

void SortTeamsByStats(TeamOrder& teams, TeamSortKey key) {
  if (key != kOffenseNetYards && key != kDefenseNetYards && key != kTakeawayGiveaway) return;
  SortTeams(teams, [key](const TeamRecord& t, const TeamRecord& u) {
    const std::int64_t a = RankValue(t, key);
    const std::int64_t b = RankValue(u, key);
    if (a != b) return a < b;
    return CompareNames(t.name, u.name);
  });
}

}  // namespace yl::stats
