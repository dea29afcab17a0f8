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

// A column of a table: its word and its statistic (none: the table fills it
// otherwise, as the longest-play tables do with an entry's yards).
struct StatColumn {
  std::string_view word;
  const Statistic* stat;
};

namespace stat {

using namespace league::records;
using stats::FieldGoalsMissed;
using stats::kFromDefense;
using stats::kFromExtraPoints;
using stats::kFromFieldGoals;
using stats::kFromInterceptions;
using stats::kFromKickReturns;
using stats::kFromMiscOffense;
using stats::kFromPassing;
using stats::kFromPenalties;
using stats::kFromPunting;
using stats::kFromPuntReturns;
using stats::kFromReceiving;
using stats::kFromRecoveries;
using stats::kFromRushing;
using stats::kFromSpecialTeams;
using stats::kFromTwoPoint;
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
inline constexpr PlayerFigure kPassAtt = kFromPassing<&PassingRecord::attempts>;
inline constexpr Statistic kPassAttempts = Count(kPassAtt);
inline constexpr Statistic kCompletions = Count(kFromPassing<&PassingRecord::completions>);
inline constexpr Statistic kPassYards = Count(kFromPassing<&PassingRecord::yards>);
inline constexpr Statistic kCompletionRate =
    Percent(kFromPassing<&PassingRecord::completions>, kPassAtt);
inline constexpr Statistic kPassYardsPerAttempt =
    Average(kFromPassing<&PassingRecord::yards>, kPassAtt);
inline constexpr Statistic kPassTouchdowns = Count(kFromPassing<&PassingRecord::touchdowns>);
inline constexpr Statistic kPassTouchdownRate =
    Percent(kFromPassing<&PassingRecord::touchdowns>, kPassAtt);
inline constexpr Statistic kInterceptionsThrown =
    Count(kFromPassing<&PassingRecord::interceptions>);
inline constexpr Statistic kInterceptionRate =
    Percent(kFromPassing<&PassingRecord::interceptions>, kPassAtt);
inline constexpr Statistic kLongestPass = Longest(kFromPassing<&PassingRecord::longest>);
inline constexpr Statistic kPassFirstDowns = Count(kFromPassing<&PassingRecord::firstDowns>);
inline constexpr Statistic kPassFirstDownRate =
    Percent(kFromPassing<&PassingRecord::firstDowns>, kPassAtt);
inline constexpr Statistic kPassBigPlays = Count(kFromPassing<&PassingRecord::bigPlays>);
inline constexpr Statistic kSacked = Count(kFromPassing<&PassingRecord::sacks>);
inline constexpr Statistic kSackedRate = Percent(kFromPassing<&PassingRecord::sacks>, kPassAtt);
inline constexpr Statistic kSackedYards = Count(kFromPassing<&PassingRecord::sackYards>);
inline constexpr Statistic kPasserRating = {Shape::kRating, kPassAtt};

// Rushing.
inline constexpr PlayerFigure kCarries = kFromRushing<&RushingRecord::attempts>;
inline constexpr Statistic kRushAttempts = Count(kCarries);
inline constexpr Statistic kRushYards = Count(kFromRushing<&RushingRecord::yards>);
inline constexpr Statistic kRushAverage = Average(kFromRushing<&RushingRecord::yards>, kCarries);
inline constexpr Statistic kRushTouchdowns = Count(kFromRushing<&RushingRecord::touchdowns>);
inline constexpr Statistic kLongestRush = Longest(kFromRushing<&RushingRecord::longest>);
inline constexpr Statistic kRushFirstDowns = Count(kFromRushing<&RushingRecord::firstDowns>);
inline constexpr Statistic kRushFirstDownRate =
    Percent(kFromRushing<&RushingRecord::firstDowns>, kCarries);
inline constexpr Statistic kStuffed = Count(kFromRushing<&RushingRecord::stuffs>);
inline constexpr Statistic kStuffedRate = Percent(kFromRushing<&RushingRecord::stuffs>, kCarries);
inline constexpr Statistic kRushYardsLost = Count(kFromRushing<&RushingRecord::yardsLost>);
inline constexpr Statistic kRushBigPlays = Count(kFromRushing<&RushingRecord::bigPlays>);
inline constexpr Statistic kRushFumbles = Count(kFromRushing<&RushingRecord::fumbles>);
inline constexpr Statistic kRushFumblesLost = Count(kFromRushing<&RushingRecord::fumblesLost>);

// Receiving.
inline constexpr PlayerFigure kCatches = kFromReceiving<&ReceivingRecord::receptions>;
inline constexpr Statistic kReceptions = Count(kCatches);
inline constexpr Statistic kReceivingYards = Count(kFromReceiving<&ReceivingRecord::yards>);
inline constexpr Statistic kCatchAverage =
    Average(kFromReceiving<&ReceivingRecord::yards>, kCatches);
inline constexpr Statistic kReceivingTouchdowns =
    Count(kFromReceiving<&ReceivingRecord::touchdowns>);
inline constexpr Statistic kLongestReception = Longest(kFromReceiving<&ReceivingRecord::longest>);
inline constexpr Statistic kReceivingFirstDowns =
    Count(kFromReceiving<&ReceivingRecord::firstDowns>);
inline constexpr Statistic kCatchFirstDownRate =
    Percent(kFromReceiving<&ReceivingRecord::firstDowns>, kCatches);
inline constexpr Statistic kReceivingBigPlays = Count(kFromReceiving<&ReceivingRecord::bigPlays>);
inline constexpr Statistic kDrops = Count(kFromReceiving<&ReceivingRecord::drops>);
inline constexpr Statistic kReceivingFumbles = Count(kFromReceiving<&ReceivingRecord::fumbles>);
inline constexpr Statistic kReceivingFumblesLost =
    Count(kFromReceiving<&ReceivingRecord::fumblesLost>);

// Field goals and extra points.
inline constexpr PlayerFigure kFieldGoalsMade = kFromFieldGoals<&FGKickingRecord::made>;
inline constexpr PlayerFigure kFieldGoalsTried = kFromFieldGoals<&FGKickingRecord::attempts>;
inline constexpr Statistic kFieldGoalAttempts = Count(kFieldGoalsTried);
inline constexpr Statistic kFieldGoalsScored = Count(kFieldGoalsMade);
inline constexpr Statistic kFieldGoalRate = Percent(kFieldGoalsMade, kFieldGoalsTried);
inline constexpr Statistic kFieldGoalPair = Pair(kFieldGoalsMade, kFieldGoalsTried);
inline constexpr Statistic kFieldGoalsMissed = Count(FieldGoalsMissed);
inline constexpr Statistic kLongestFieldGoal = Longest(kFromFieldGoals<&FGKickingRecord::longest>);
inline constexpr Statistic kFieldGoalsBlocked = Count(kFromFieldGoals<&FGKickingRecord::blocked>);
inline constexpr Statistic kFieldGoals1to29 = Pair(
    kFromFieldGoals<&FGKickingRecord::made1to29>, kFromFieldGoals<&FGKickingRecord::attempts1to29>);
inline constexpr Statistic kFieldGoals30to39 =
    Pair(kFromFieldGoals<&FGKickingRecord::made30to39>,
         kFromFieldGoals<&FGKickingRecord::attempts30to39>);
inline constexpr Statistic kFieldGoals40to49 =
    Pair(kFromFieldGoals<&FGKickingRecord::made40to49>,
         kFromFieldGoals<&FGKickingRecord::attempts40to49>);
inline constexpr Statistic kFieldGoals50Plus =
    Pair(kFromFieldGoals<&FGKickingRecord::made50plus>,
         kFromFieldGoals<&FGKickingRecord::attempts50plus>);
inline constexpr PlayerFigure kExtraPointsMade = kFromExtraPoints<&EPKickingRecord::made>;
inline constexpr PlayerFigure kExtraPointsTried = kFromExtraPoints<&EPKickingRecord::attempts>;
inline constexpr Statistic kExtraPointAttempts = Count(kExtraPointsTried);
inline constexpr Statistic kExtraPointsScored = Count(kExtraPointsMade);
inline constexpr Statistic kExtraPointRate = Percent(kExtraPointsMade, kExtraPointsTried);
inline constexpr Statistic kExtraPointPair = Pair(kExtraPointsMade, kExtraPointsTried);

// Two-point conversions by passing, rushing and receiving, and scoring.
inline constexpr Statistic kTwoPointPassAttempts =
    Count(kFromTwoPoint<&TwoPointRecord::passAttempts>);
inline constexpr Statistic kTwoPointPassMade = Count(kFromTwoPoint<&TwoPointRecord::passMade>);
inline constexpr Statistic kTwoPointRushAttempts =
    Count(kFromTwoPoint<&TwoPointRecord::rushAttempts>);
inline constexpr Statistic kTwoPointRushMade = Count(kFromTwoPoint<&TwoPointRecord::rushMade>);
inline constexpr Statistic kTwoPointCatchAttempts =
    Count(kFromTwoPoint<&TwoPointRecord::receivingAttempts>);
inline constexpr Statistic kTwoPointCatchMade =
    Count(kFromTwoPoint<&TwoPointRecord::receivingMade>);
inline constexpr Statistic kTwoPointAttempts = Count(TwoPointAttempts);
inline constexpr Statistic kTwoPointMade = Count(TwoPointMade);
inline constexpr Statistic kTwoPointRate = Percent(TwoPointMade, TwoPointAttempts);
inline constexpr Statistic kTouchdowns = Count(stats::Touchdowns);
inline constexpr Statistic kTwoPointConversions = Count(stats::TwoPointConversions);
inline constexpr Statistic kPoints = Count(stats::Points);
inline constexpr Statistic kFumblesLost = Count(stats::FumblesLost);

// Tackles by offense players and on special teams.
inline constexpr Statistic kMiscTackles = Count(kFromMiscOffense<&MiscOffRecord::tackles>);
inline constexpr Statistic kMiscTackleYards = Count(kFromMiscOffense<&MiscOffRecord::tackleYards>);
inline constexpr Statistic kMiscTackleAverage = Average(
    kFromMiscOffense<&MiscOffRecord::tackleYards>, kFromMiscOffense<&MiscOffRecord::tackles>);
inline constexpr Statistic kSpecialTackles = Count(kFromSpecialTeams<&SpecialTeamsRecord::tackles>);
inline constexpr Statistic kSpecialTackleYards =
    Count(kFromSpecialTeams<&SpecialTeamsRecord::tackleYards>);
inline constexpr Statistic kSpecialTackleAverage =
    Average(kFromSpecialTeams<&SpecialTeamsRecord::tackleYards>,
            kFromSpecialTeams<&SpecialTeamsRecord::tackles>);

// Punting and returns.
inline constexpr Statistic kPunts = Count(kFromPunting<&PuntingRecord::punts>);
inline constexpr Statistic kPuntsInside20 = Count(kFromPunting<&PuntingRecord::inside20>);
inline constexpr Statistic kPuntTouchbacks = Count(kFromPunting<&PuntingRecord::touchbacks>);
inline constexpr Statistic kPuntsBlocked = Count(kFromPunting<&PuntingRecord::blocked>);
inline constexpr Statistic kPuntsReturned = Count(kFromPunting<&PuntingRecord::returned>);
inline constexpr Statistic kPuntReturns = Count(kFromPuntReturns<&PuntReturnRecord::returns>);
inline constexpr Statistic kPuntReturnYards = Count(kFromPuntReturns<&PuntReturnRecord::yards>);
inline constexpr Statistic kPuntReturnAverage = Average(
    kFromPuntReturns<&PuntReturnRecord::yards>, kFromPuntReturns<&PuntReturnRecord::returns>);
inline constexpr Statistic kPuntReturnTouchdowns =
    Count(kFromPuntReturns<&PuntReturnRecord::touchdowns>);
inline constexpr Statistic kLongestPuntReturn =
    Longest(kFromPuntReturns<&PuntReturnRecord::longest>);
inline constexpr Statistic kFairCatches = Count(kFromPuntReturns<&PuntReturnRecord::fairCatches>);
inline constexpr Statistic kPuntReturnFumbles = Count(kFromPuntReturns<&PuntReturnRecord::fumbles>);
inline constexpr Statistic kPuntReturnFumblesLost =
    Count(kFromPuntReturns<&PuntReturnRecord::fumblesLost>);
inline constexpr Statistic kKickReturns = Count(kFromKickReturns<&KickReturnRecord::returns>);
inline constexpr Statistic kKickReturnYards = Count(kFromKickReturns<&KickReturnRecord::yards>);
inline constexpr Statistic kKickReturnAverage = Average(
    kFromKickReturns<&KickReturnRecord::yards>, kFromKickReturns<&KickReturnRecord::returns>);
inline constexpr Statistic kKickReturnTouchdowns =
    Count(kFromKickReturns<&KickReturnRecord::touchdowns>);
inline constexpr Statistic kLongestKickReturn =
    Longest(kFromKickReturns<&KickReturnRecord::longest>);
inline constexpr Statistic kKickReturnFumbles = Count(kFromKickReturns<&KickReturnRecord::fumbles>);
inline constexpr Statistic kKickReturnFumblesLost =
    Count(kFromKickReturns<&KickReturnRecord::fumblesLost>);

// Defense.
inline constexpr Statistic kTackles = Count(kFromDefense<&DefensiveRecord::tackles>);
inline constexpr Statistic kTackleYards = Count(kFromDefense<&DefensiveRecord::tackleYards>);
inline constexpr Statistic kTackleAverage =
    Average(kFromDefense<&DefensiveRecord::tackleYards>, kFromDefense<&DefensiveRecord::tackles>);
inline constexpr Statistic kSacks = Count(kFromDefense<&DefensiveRecord::sacks>);
inline constexpr Statistic kSackYards = Count(kFromDefense<&DefensiveRecord::sackYards>);
inline constexpr Statistic kStuffs = Count(kFromDefense<&DefensiveRecord::stuffs>);
inline constexpr Statistic kStuffYards = Count(kFromDefense<&DefensiveRecord::stuffYards>);
inline constexpr Statistic kYardsLost = Count(YardsLost);
inline constexpr Statistic kPassesDefensed = Count(kFromDefense<&DefensiveRecord::passesDefensed>);
inline constexpr Statistic kPuntBlocks = Count(kFromDefense<&DefensiveRecord::puntsBlocked>);
inline constexpr Statistic kFieldGoalBlocks =
    Count(kFromDefense<&DefensiveRecord::fieldGoalsBlocked>);
inline constexpr Statistic kKickBlocks = Count(KicksBlocked);
inline constexpr Statistic kInterceptions =
    Count(kFromInterceptions<&InterceptionRecord::interceptions>);
inline constexpr Statistic kInterceptionYards =
    Count(kFromInterceptions<&InterceptionRecord::returnYards>);
inline constexpr Statistic kInterceptionTouchdowns =
    Count(kFromInterceptions<&InterceptionRecord::touchdowns>);
inline constexpr Statistic kInterceptionFumbles =
    Count(kFromInterceptions<&InterceptionRecord::fumbles>);
inline constexpr Statistic kInterceptionFumblesLost =
    Count(kFromInterceptions<&InterceptionRecord::fumblesLost>);
inline constexpr Statistic kRecoveries = Count(kFromRecoveries<&RecoveryRecord::recoveries>);
inline constexpr Statistic kRecoveryYards = Count(kFromRecoveries<&RecoveryRecord::returnYards>);
inline constexpr Statistic kRecoveryAverage = Average(kFromRecoveries<&RecoveryRecord::returnYards>,
                                                      kFromRecoveries<&RecoveryRecord::recoveries>);
inline constexpr Statistic kRecoveryTouchdowns =
    Count(kFromRecoveries<&RecoveryRecord::touchdowns>);
inline constexpr Statistic kRecoveryFumbles = Count(kFromRecoveries<&RecoveryRecord::fumbles>);
inline constexpr Statistic kRecoveryFumblesLost =
    Count(kFromRecoveries<&RecoveryRecord::fumblesLost>);

// Penalties.
inline constexpr Statistic kFlagged = Count(kFromPenalties<&PenaltyRecord::flagged>);
inline constexpr Statistic kAccepted = Count(kFromPenalties<&PenaltyRecord::accepted>);
inline constexpr Statistic kPenaltyYards = Count(kFromPenalties<&PenaltyRecord::yards>);

// The scoring columns, the same in the team sections and the leader tables.
inline constexpr StatColumn kScoringColumns[] = {
    {"TDs", &kTouchdowns},    {"RushTDs", &kRushTouchdowns}, {"RecTDs", &kReceivingTouchdowns},
    {"FGs", &kFieldGoalPair}, {"EPs", &kExtraPointPair},     {"2PT", &kTwoPointConversions},
    {"TOTAL", &kPoints},
};

}  // namespace stat

}  // namespace yl::reports
