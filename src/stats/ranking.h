// Ranking of players: the 55 sort keys of the player tables and leader
// tables, the passer rating, name order, and the sort that orders the
// players for a table.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "league/league.h"

namespace yl::stats {

// One key per kind of table. Any other number imposes no order.
enum StatKey : std::int32_t {
  kRushingYards = 1,
  kReceivingYards = 2,
  kPassingRating = 3,
  kFieldGoalPercentage = 4,
  kExtraPointPercentage = 5,
  kKickReturnAverage = 6,
  kPuntReturnAverage = 7,
  kPunts = 8,
  kInterceptions = 9,
  kDefensiveTackles = 10,
  kSpecialTeamsTackles = 11,
  kRecoveries = 12,
  kMiscOffensiveTackles = 13,
  kDefSpecialTeamsTackles = 14,
  kTwoPointConversions = 15,
  kPenalties = 16,
  kScoring = 17,
  kPassingYards = 18,
  kPassingAttempts = 19,
  kPassingYardsPerAttempt = 20,
  kPassingCompletions = 21,
  kPassingCompletionRate = 22,
  kPassingFirstDownsPerAttempt = 23,
  kPassingTouchdowns = 24,
  kPassingTouchdownsPerAttempt = 25,
  kPassingInterceptions = 26,
  kPassingInterceptionsPerAttempt = 27,
  kPassingSacked = 28,
  kPassingSackedPerAttempt = 29,
  kPassingBigPlays = 30,
  kRushingCarries = 31,
  kRushingYardsPerCarry = 32,
  kRushingFirstDownsPerCarry = 33,
  kRushingStuffed = 34,
  kRushingStuffsPerCarry = 35,
  kRushingFirstDowns = 36,
  kRushingTouchdowns = 37,
  kRushingBigPlays = 38,
  kReceivingCatches = 39,
  kReceivingYardsPerCatch = 40,
  kReceivingTouchdowns = 41,
  kReceivingFirstDowns = 42,
  kReceivingFirstDownsPerCatch = 43,
  kReceivingBigPlays = 44,
  kReceivingDrops = 45,
  kFumblesLost = 46,
  kFieldGoalsMissed = 47,
  kFieldGoalsBlocked = 48,
  kFieldGoalsMade = 49,
  kDefensiveYardsPerTackle = 50,
  kDefensiveSacks = 51,
  kDefensiveStuffs = 52,
  kDefensiveLossOfYards = 53,
  kPassesDefensed = 54,
  kPuntAndFieldGoalBlocks = 55,
};

constexpr std::int32_t kStatKeyCount = 55;

// The rating of the passing tables; 0.0 without attempts.
double PasserRating(std::int32_t completions, std::int32_t attempts, std::int32_t yards,
                    std::int32_t touchdowns, std::int32_t interceptions);

// True when name a sorts after name b: ASCII letters without case, other
// bytes as signed 8-bit values, a name that is a prefix of the other first.
bool CompareNames(std::string_view a, std::string_view b);

// True when player a must come after player b in a table of the key. Players
// without the key's record sort last; unless leagueWide, players are grouped
// by team name (bytes ascending) before the key's values are compared.
bool PlayerSortsAfter(const league::PlayerRecord& a, const league::PlayerRecord& b, StatKey key,
                      bool leagueWide);

// An order of the league's players for the tables of a report. Each table
// sorts the order the one before it left, never the league's list, so the
// order of players that compare equal is carried from table to table.
using PlayerOrder = std::vector<const league::PlayerRecord*>;

// The players in the order of the league's list.
PlayerOrder PlayersInListOrder(const league::League& league);

// What a sort by a key learnt of the players, kept for later sorts by that
// key while their records stay as they are: each player's place among the
// groups of players that compare equal. A later sort compares the places
// instead of the records, with the same outcome at every comparison, so it
// leaves the same order. Keys whose comparison is not transitive (scoring)
// are never kept.
class SortRanks {
 public:
  // The places by player index for the key; empty when not known.
  std::vector<std::uint32_t>& For(StatKey key, bool leagueWide) {
    return places_[static_cast<std::size_t>(key) * 2 + (leagueWide ? 1 : 0)];
  }

 private:
  std::array<std::vector<std::uint32_t>, (kStatKeyCount + 1) * 2> places_;
};

// Reorders the players by the key. The sort is not stable: players that
// compare equal keep no particular order, but always the same one for the
// same order. `ranks`, when given, is consulted and filled in; the players'
// records must not change while it is in use.
void SortPlayersByStats(PlayerOrder& players, StatKey key, bool leagueWide,
                        SortRanks* ranks = nullptr);

}  // namespace yl::stats
