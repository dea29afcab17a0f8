// Ranking of teams: repeated passes over the team list that swap adjacent
// teams out of order until a pass swaps none.
#include "stats/team_ranking.h"

#include "stats/derived.h"
#include "stats/ranking.h"

namespace yl::stats {

namespace {

using league::TeamRecord;

// Swaps t with the team after it.
void SwapWithNext(league::League& league, TeamRecord* t) {
  TeamRecord* u = t->next;
  TeamRecord* before = t->previous;
  TeamRecord* after = u->next;
  if (before != nullptr) {
    before->next = u;
  } else {
    league.teams = u;
  }
  u->previous = before;
  u->next = t;
  t->previous = u;
  t->next = after;
  if (after != nullptr) after->previous = t;
}

template <typename After>
void SortTeams(league::League& league, const After& sortsAfter) {
  bool swapped = true;
  while (swapped) {
    swapped = false;
    TeamRecord* t = league.teams;
    while (t != nullptr && t->next != nullptr) {
      if (sortsAfter(*t, *t->next)) {
        SwapWithNext(league, t);  // t moved one place on; compare it again there
        swapped = true;
      } else {
        t = t->next;
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

void SortTeamsByName(league::League& league) {
  SortTeams(league,
            [](const TeamRecord& t, const TeamRecord& u) { return CompareNames(t.name, u.name); });
}

void SortTeamsByStats(league::League& league, TeamSortKey key) {
  if (key != kOffenseNetYards && key != kDefenseNetYards && key != kTakeawayGiveaway) return;
  SortTeams(league, [key](const TeamRecord& t, const TeamRecord& u) {
    const std::int64_t a = RankValue(t, key);
    const std::int64_t b = RankValue(u, key);
    if (a != b) return a < b;
    return CompareNames(t.name, u.name);
  });
}

}  // namespace yl::stats
