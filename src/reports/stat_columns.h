// Every statistic of a player that a report table or players.csv shows,
// defined once: the figures it is read or derived from and the shape it is
// written in. The player sections, the leader tables and players.csv pick
// their columns from here under words of their own (a header word or a CSV
// column name); a table column is at least as wide as its word, and the
// blanks between columns are the table's.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "league/league.h"
#include "league/stat_records.h"
#include "reports/report_text.h"
#include "stats/derived.h"

namespace yl::reports {

using stats::PlayerFigure;

enum class Shape : std::uint8_t {
  kCount,    // the part
  kLongest,  // the part; a longest play never made shows 0
  kAverage,  // part / whole with two decimals, "0.00" without a whole
  kPercent,  // 100 × part / whole with two decimals
  kPair,     // "part/whole": made and attempted
  kRating,   // the passer rating with two decimals, "0.00" without attempts
};

struct Statistic {
  Shape shape;
  PlayerFigure part;
  PlayerFigure whole = nullptr;  // averages, percentages and pairs
};

// The statistic as a table cell.
std::string StatText(const Statistic& stat, const league::PlayerRecord& player);
// Room for any StatText: two counts and a "/", or a value of two decimals.
inline constexpr std::size_t kStatTextRoom = DecimalRoom(2);
// The same text written at `dest`, which has kStatTextRoom bytes; returns
// its end.
char* StatTextInto(char* dest, const Statistic& stat, const league::PlayerRecord& player);

// A column of a table: its word and its statistic (none: the table fills it
// otherwise, as the longest-play tables do with an entry's yards).
struct StatColumn {
  std::string_view word;
  const Statistic* stat;
};

namespace stat {

using namespace league::records;
using stats::FieldGoalsMissed;
using stats::kField;
using stats::KicksBlocked;
using stats::TwoPointAttempts;
using stats::TwoPointMade;
using stats::YardsLost;

constexpr Statistic Count(PlayerFigure part) {
  return {Shape::kCount, part};
}
constexpr Statistic Longest(PlayerFigure part) {
  return {Shape::kLongest, part};
}
constexpr Statistic Average(PlayerFigure part, PlayerFigure whole) {
  return {Shape::kAverage, part, whole};
}
constexpr Statistic Percent(PlayerFigure part, PlayerFigure whole) {
  return {Shape::kPercent, part, whole};
}
constexpr Statistic Pair(PlayerFigure made, PlayerFigure attempted) {
  return {Shape::kPair, made, attempted};
}

// Passing.
inline constexpr PlayerFigure kPassAtt = kField<&PassingRecord::attempts>;
inline constexpr Statistic kPassAttempts = Count(kPassAtt);
inline constexpr Statistic kCompletions = Count(kField<&PassingRecord::completions>);
inline constexpr Statistic kPassYards = Count(kField<&PassingRecord::yards>);
inline constexpr Statistic kCompletionRate = Percent(kField<&PassingRecord::completions>, kPassAtt);
inline constexpr Statistic kPassYardsPerAttempt = Average(kField<&PassingRecord::yards>, kPassAtt);
inline constexpr Statistic kPassTouchdowns = Count(kField<&PassingRecord::touchdowns>);
inline constexpr Statistic kPassTouchdownRate =
    Percent(kField<&PassingRecord::touchdowns>, kPassAtt);
inline constexpr Statistic kInterceptionsThrown = Count(kField<&PassingRecord::interceptions>);
inline constexpr Statistic kInterceptionRate =
    Percent(kField<&PassingRecord::interceptions>, kPassAtt);
inline constexpr Statistic kLongestPass = Longest(kField<&PassingRecord::longest>);
inline constexpr Statistic kPassFirstDowns = Count(kField<&PassingRecord::firstDowns>);
inline constexpr Statistic kPassFirstDownRate =
    Percent(kField<&PassingRecord::firstDowns>, kPassAtt);
inline constexpr Statistic kPassBigPlays = Count(kField<&PassingRecord::bigPlays>);
inline constexpr Statistic kSacked = Count(kField<&PassingRecord::sacks>);
inline constexpr Statistic kSackedRate = Percent(kField<&PassingRecord::sacks>, kPassAtt);
inline constexpr Statistic kSackedYards = Count(kField<&PassingRecord::sackYards>);
inline constexpr Statistic kPasserRating = {Shape::kRating, kPassAtt};

// Rushing.
inline constexpr PlayerFigure kCarries = kField<&RushingRecord::attempts>;
inline constexpr Statistic kRushAttempts = Count(kCarries);
inline constexpr Statistic kRushYards = Count(kField<&RushingRecord::yards>);
inline constexpr Statistic kRushAverage = Average(kField<&RushingRecord::yards>, kCarries);
inline constexpr Statistic kRushTouchdowns = Count(kField<&RushingRecord::touchdowns>);
inline constexpr Statistic kLongestRush = Longest(kField<&RushingRecord::longest>);
inline constexpr Statistic kRushFirstDowns = Count(kField<&RushingRecord::firstDowns>);
inline constexpr Statistic kRushFirstDownRate =
    Percent(kField<&RushingRecord::firstDowns>, kCarries);
inline constexpr Statistic kStuffed = Count(kField<&RushingRecord::stuffs>);
inline constexpr Statistic kStuffedRate = Percent(kField<&RushingRecord::stuffs>, kCarries);
inline constexpr Statistic kRushYardsLost = Count(kField<&RushingRecord::yardsLost>);
inline constexpr Statistic kRushBigPlays = Count(kField<&RushingRecord::bigPlays>);
inline constexpr Statistic kRushFumbles = Count(kField<&RushingRecord::fumbles>);
inline constexpr Statistic kRushFumblesLost = Count(kField<&RushingRecord::fumblesLost>);

// Receiving.
inline constexpr PlayerFigure kCatches = kField<&ReceivingRecord::receptions>;
inline constexpr Statistic kReceptions = Count(kCatches);
inline constexpr Statistic kReceivingYards = Count(kField<&ReceivingRecord::yards>);
inline constexpr Statistic kCatchAverage = Average(kField<&ReceivingRecord::yards>, kCatches);
inline constexpr Statistic kReceivingTouchdowns = Count(kField<&ReceivingRecord::touchdowns>);
inline constexpr Statistic kLongestReception = Longest(kField<&ReceivingRecord::longest>);
inline constexpr Statistic kReceivingFirstDowns = Count(kField<&ReceivingRecord::firstDowns>);
inline constexpr Statistic kCatchFirstDownRate =
    Percent(kField<&ReceivingRecord::firstDowns>, kCatches);
inline constexpr Statistic kReceivingBigPlays = Count(kField<&ReceivingRecord::bigPlays>);
inline constexpr Statistic kDrops = Count(kField<&ReceivingRecord::drops>);
inline constexpr Statistic kReceivingFumbles = Count(kField<&ReceivingRecord::fumbles>);
inline constexpr Statistic kReceivingFumblesLost = Count(kField<&ReceivingRecord::fumblesLost>);

// Field goals and extra points.
inline constexpr PlayerFigure kFieldGoalsMade = kField<&FGKickingRecord::made>;
inline constexpr PlayerFigure kFieldGoalsTried = kField<&FGKickingRecord::attempts>;
inline constexpr Statistic kFieldGoalAttempts = Count(kFieldGoalsTried);
inline constexpr Statistic kFieldGoalsScored = Count(kFieldGoalsMade);
inline constexpr Statistic kFieldGoalRate = Percent(kFieldGoalsMade, kFieldGoalsTried);
inline constexpr Statistic kFieldGoalPair = Pair(kFieldGoalsMade, kFieldGoalsTried);
inline constexpr Statistic kFieldGoalsMissed = Count(FieldGoalsMissed);
inline constexpr Statistic kLongestFieldGoal = Longest(kField<&FGKickingRecord::longest>);
inline constexpr Statistic kFieldGoalsBlocked = Count(kField<&FGKickingRecord::blocked>);
inline constexpr Statistic kFieldGoals1to29 =
    Pair(kField<&FGKickingRecord::made1to29>, kField<&FGKickingRecord::attempts1to29>);
inline constexpr Statistic kFieldGoals30to39 =
    Pair(kField<&FGKickingRecord::made30to39>, kField<&FGKickingRecord::attempts30to39>);
inline constexpr Statistic kFieldGoals40to49 =
    Pair(kField<&FGKickingRecord::made40to49>, kField<&FGKickingRecord::attempts40to49>);
inline constexpr Statistic kFieldGoals50Plus =
    Pair(kField<&FGKickingRecord::made50plus>, kField<&FGKickingRecord::attempts50plus>);
inline constexpr PlayerFigure kExtraPointsMade = kField<&EPKickingRecord::made>;
inline constexpr PlayerFigure kExtraPointsTried = kField<&EPKickingRecord::attempts>;
inline constexpr Statistic kExtraPointAttempts = Count(kExtraPointsTried);
inline constexpr Statistic kExtraPointsScored = Count(kExtraPointsMade);
inline constexpr Statistic kExtraPointRate = Percent(kExtraPointsMade, kExtraPointsTried);
inline constexpr Statistic kExtraPointPair = Pair(kExtraPointsMade, kExtraPointsTried);

// Two-point conversions by passing, rushing and receiving, and scoring.
inline constexpr Statistic kTwoPointPassAttempts = Count(kField<&TwoPointRecord::passAttempts>);
inline constexpr Statistic kTwoPointPassMade = Count(kField<&TwoPointRecord::passMade>);
inline constexpr Statistic kTwoPointRushAttempts = Count(kField<&TwoPointRecord::rushAttempts>);
inline constexpr Statistic kTwoPointRushMade = Count(kField<&TwoPointRecord::rushMade>);
inline constexpr Statistic kTwoPointCatchAttempts =
    Count(kField<&TwoPointRecord::receivingAttempts>);
inline constexpr Statistic kTwoPointCatchMade = Count(kField<&TwoPointRecord::receivingMade>);
inline constexpr Statistic kTwoPointAttempts = Count(TwoPointAttempts);
inline constexpr Statistic kTwoPointMade = Count(TwoPointMade);
inline constexpr Statistic kTwoPointRate = Percent(TwoPointMade, TwoPointAttempts);
inline constexpr Statistic kTouchdowns = Count(stats::Touchdowns);
inline constexpr Statistic kTwoPointConversions = Count(stats::TwoPointConversions);
inline constexpr Statistic kPoints = Count(stats::Points);
inline constexpr Statistic kFumblesLost = Count(stats::FumblesLost);

// Tackles by offense players and on special teams.
inline constexpr Statistic kMiscTackles = Count(kField<&MiscOffRecord::tackles>);
inline constexpr Statistic kMiscTackleYards = Count(kField<&MiscOffRecord::tackleYards>);
inline constexpr Statistic kMiscTackleAverage =
    Average(kField<&MiscOffRecord::tackleYards>, kField<&MiscOffRecord::tackles>);
inline constexpr Statistic kSpecialTackles = Count(kField<&SpecialTeamsRecord::tackles>);
inline constexpr Statistic kSpecialTackleYards = Count(kField<&SpecialTeamsRecord::tackleYards>);
inline constexpr Statistic kSpecialTackleAverage =
    Average(kField<&SpecialTeamsRecord::tackleYards>, kField<&SpecialTeamsRecord::tackles>);

// Punting and returns.
inline constexpr Statistic kPunts = Count(kField<&PuntingRecord::punts>);
inline constexpr Statistic kPuntsInside20 = Count(kField<&PuntingRecord::inside20>);
inline constexpr Statistic kPuntTouchbacks = Count(kField<&PuntingRecord::touchbacks>);
inline constexpr Statistic kPuntsBlocked = Count(kField<&PuntingRecord::blocked>);
inline constexpr Statistic kPuntsReturned = Count(kField<&PuntingRecord::returned>);
inline constexpr Statistic kPuntReturns = Count(kField<&PuntReturnRecord::returns>);
inline constexpr Statistic kPuntReturnYards = Count(kField<&PuntReturnRecord::yards>);
inline constexpr Statistic kPuntReturnAverage =
    Average(kField<&PuntReturnRecord::yards>, kField<&PuntReturnRecord::returns>);
inline constexpr Statistic kPuntReturnTouchdowns = Count(kField<&PuntReturnRecord::touchdowns>);
inline constexpr Statistic kLongestPuntReturn = Longest(kField<&PuntReturnRecord::longest>);
inline constexpr Statistic kFairCatches = Count(kField<&PuntReturnRecord::fairCatches>);
inline constexpr Statistic kPuntReturnFumbles = Count(kField<&PuntReturnRecord::fumbles>);
inline constexpr Statistic kPuntReturnFumblesLost = Count(kField<&PuntReturnRecord::fumblesLost>);
inline constexpr Statistic kKickReturns = Count(kField<&KickReturnRecord::returns>);
inline constexpr Statistic kKickReturnYards = Count(kField<&KickReturnRecord::yards>);
inline constexpr Statistic kKickReturnAverage =
    Average(kField<&KickReturnRecord::yards>, kField<&KickReturnRecord::returns>);
inline constexpr Statistic kKickReturnTouchdowns = Count(kField<&KickReturnRecord::touchdowns>);
inline constexpr Statistic kLongestKickReturn = Longest(kField<&KickReturnRecord::longest>);
inline constexpr Statistic kKickReturnFumbles = Count(kField<&KickReturnRecord::fumbles>);
inline constexpr Statistic kKickReturnFumblesLost = Count(kField<&KickReturnRecord::fumblesLost>);

// Defense.
inline constexpr Statistic kTackles = Count(kField<&DefensiveRecord::tackles>);
inline constexpr Statistic kTackleYards = Count(kField<&DefensiveRecord::tackleYards>);
inline constexpr Statistic kTackleAverage =
    Average(kField<&DefensiveRecord::tackleYards>, kField<&DefensiveRecord::tackles>);
inline constexpr Statistic kSacks = Count(kField<&DefensiveRecord::sacks>);
inline constexpr Statistic kSackYards = Count(kField<&DefensiveRecord::sackYards>);
inline constexpr Statistic kStuffs = Count(kField<&DefensiveRecord::stuffs>);
inline constexpr Statistic kStuffYards = Count(kField<&DefensiveRecord::stuffYards>);
inline constexpr Statistic kYardsLost = Count(YardsLost);
inline constexpr Statistic kPassesDefensed = Count(kField<&DefensiveRecord::passesDefensed>);
inline constexpr Statistic kPuntBlocks = Count(kField<&DefensiveRecord::puntsBlocked>);
inline constexpr Statistic kFieldGoalBlocks = Count(kField<&DefensiveRecord::fieldGoalsBlocked>);
inline constexpr Statistic kKickBlocks = Count(KicksBlocked);
inline constexpr Statistic kInterceptions = Count(kField<&InterceptionRecord::interceptions>);
inline constexpr Statistic kInterceptionYards = Count(kField<&InterceptionRecord::returnYards>);
inline constexpr Statistic kInterceptionTouchdowns = Count(kField<&InterceptionRecord::touchdowns>);
inline constexpr Statistic kInterceptionFumbles = Count(kField<&InterceptionRecord::fumbles>);
inline constexpr Statistic kInterceptionFumblesLost =
    Count(kField<&InterceptionRecord::fumblesLost>);
inline constexpr Statistic kRecoveries = Count(kField<&RecoveryRecord::recoveries>);
inline constexpr Statistic kRecoveryYards = Count(kField<&RecoveryRecord::returnYards>);
inline constexpr Statistic kRecoveryAverage =
    Average(kField<&RecoveryRecord::returnYards>, kField<&RecoveryRecord::recoveries>);
inline constexpr Statistic kRecoveryTouchdowns = Count(kField<&RecoveryRecord::touchdowns>);
inline constexpr Statistic kRecoveryFumbles = Count(kField<&RecoveryRecord::fumbles>);
inline constexpr Statistic kRecoveryFumblesLost = Count(kField<&RecoveryRecord::fumblesLost>);

// Penalties.
inline constexpr Statistic kFlagged = Count(kField<&PenaltyRecord::flagged>);
inline constexpr Statistic kAccepted = Count(kField<&PenaltyRecord::accepted>);
inline constexpr Statistic kPenaltyYards = Count(kField<&PenaltyRecord::yards>);

// The scoring columns, the same in the team sections and the leader tables.
inline constexpr StatColumn kScoringColumns[] = {
    {"TDs", &kTouchdowns},    {"RushTDs", &kRushTouchdowns}, {"RecTDs", &kReceivingTouchdowns},
    {"FGs", &kFieldGoalPair}, {"EPs", &kExtraPointPair},     {"2PT", &kTwoPointConversions},
    {"TOTAL", &kPoints},
};

}  // namespace stat

}  // namespace yl::reports
