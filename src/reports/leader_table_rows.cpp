// The rows of the league-leader family: which players each table lists, its
// minimum, its position texts and its value columns.
#include "reports/leader_tables.h"

#include "league/stat_records.h"
#include "reports/stat_columns.h"

namespace yl::reports {

namespace {

using league::PlayerRecord;
using stats::Has;
using namespace stat;

// ---- Who is listed ----

template <PlayerFigure Figure>
bool NonZero(const PlayerRecord& p) {
  return Figure(p) != 0;
}

bool Quarterback(const PlayerRecord& p) {
  return p.passing && p.position == league::offense::kQuarterback;
}

bool MissedFieldGoals(const PlayerRecord& p) {
  return p.fgKicking && FieldGoalsMissed(p) != 0;
}

bool LostFumbles(const PlayerRecord& p) {
  return stats::FumblesLost(p) != 0;
}

bool SacksOrStuffs(const PlayerRecord& p) {
  return p.defensive && p.defensive->sacks + p.defensive->stuffs != 0;
}

bool BlockedKicks(const PlayerRecord& p) {
  return KicksBlocked(p) != 0;
}

// ---- Minimums ----

constexpr LeaderMinimum kMinimumAttempts = {kPassAtt, " Minimum Attempts"};
constexpr LeaderMinimum kMinimumCarries = {kCarries, " Minimum Carries"};
constexpr LeaderMinimum kMinimumReceptions = {kCatches, " Minimum Receptions"};
constexpr LeaderMinimum kMinimumPuntReturns = {kField<&PuntReturnRecord::returns>,
                                               " Minimum Returns"};
constexpr LeaderMinimum kMinimumKickReturns = {kField<&KickReturnRecord::returns>,
                                               " Minimum Returns"};
constexpr LeaderMinimum kMinimumTackles = {kField<&DefensiveRecord::tackles>, " Minimum Tackles"};

// ---- Columns ----

// One-column tables.
constexpr StatColumn kRatingColumn[] = {{"Rating", &kPasserRating}};
constexpr StatColumn kPassYardsColumn[] = {{"Yards", &kPassYards}};
constexpr StatColumn kPassAttemptsColumn[] = {{"Atts", &kPassAttempts}};
constexpr StatColumn kPassAverageColumn[] = {{"Avg", &kPassYardsPerAttempt}};
constexpr StatColumn kCompletionsColumn[] = {{"Comps", &kCompletions}};
constexpr StatColumn kCompletionRateColumn[] = {{"Comp%", &kCompletionRate}};
constexpr StatColumn kPassTouchdownsColumn[] = {{"TDs", &kPassTouchdowns}};
constexpr StatColumn kPassTouchdownRateColumn[] = {{"TD%", &kPassTouchdownRate}};
constexpr StatColumn kPassFirstDownRateColumn[] = {{"FD%", &kPassFirstDownRate}};
constexpr StatColumn kInterceptionsThrownColumn[] = {{"INTs", &kInterceptionsThrown}};
constexpr StatColumn kInterceptionRateColumn[] = {{"INT%", &kInterceptionRate}};
constexpr StatColumn kSackedColumn[] = {{"Sacked", &kSacked}};
constexpr StatColumn kSackedRateColumn[] = {{"Sacked%", &kSackedRate}};
constexpr StatColumn kPassBigPlaysColumn[] = {{"Big", &kPassBigPlays}};
constexpr StatColumn kRushYardsColumn[] = {{"Yards", &kRushYards}};
constexpr StatColumn kCarriesColumn[] = {{"Carries", &kRushAttempts}};
constexpr StatColumn kRushAverageColumn[] = {{"Avg", &kRushAverage}};
constexpr StatColumn kRushTouchdownsColumn[] = {{"TDs", &kRushTouchdowns}};
constexpr StatColumn kStuffedColumn[] = {{"Stuffed", &kStuffed}};
constexpr StatColumn kStuffedRateColumn[] = {{"Stuffs%", &kStuffedRate}};
constexpr StatColumn kRushFirstDownsColumn[] = {{"FDs", &kRushFirstDowns}};
constexpr StatColumn kRushFirstDownRateColumn[] = {{"FD%", &kRushFirstDownRate}};
constexpr StatColumn kRushBigPlaysColumn[] = {{"Big", &kRushBigPlays}};
constexpr StatColumn kCatchesColumn[] = {{"Catches", &kReceptions}};
constexpr StatColumn kReceivingYardsColumn[] = {{"Yards", &kReceivingYards}};
constexpr StatColumn kCatchAverageColumn[] = {{"Avg", &kCatchAverage}};
constexpr StatColumn kReceivingTouchdownsColumn[] = {{"TDs", &kReceivingTouchdowns}};
constexpr StatColumn kReceivingFirstDownsColumn[] = {{"FDs", &kReceivingFirstDowns}};
constexpr StatColumn kCatchFirstDownRateColumn[] = {{"FD%", &kCatchFirstDownRate}};
constexpr StatColumn kReceivingBigPlaysColumn[] = {{"Big", &kReceivingBigPlays}};
constexpr StatColumn kDropsColumn[] = {{"Drops", &kDrops}};
constexpr StatColumn kFumblesLostColumn[] = {{"Lost", &kFumblesLost}};
constexpr StatColumn kFieldGoalsMadeColumn[] = {{"Made", &kFieldGoalsScored}};
constexpr StatColumn kFieldGoalsMissedColumn[] = {{"Missed", &kFieldGoalsMissed}};
constexpr StatColumn kFieldGoalsBlockedColumn[] = {{"Blocked", &kFieldGoalsBlocked}};
constexpr StatColumn kYardsPerTackleColumn[] = {{"Avg", &kTackleAverage}};
constexpr StatColumn kLossOfYardsColumn[] = {{"Yards", &kYardsLost}};
// The longest-play tables print each entry's yards.
constexpr StatColumn kLongestYardsColumn[] = {{"Yards", nullptr}};
constexpr StatColumn kPassesDefensedColumn[] = {{"PDs", &kPassesDefensed}};

constexpr StatColumn kPenaltyColumns[] = {
    {"Flagged", &kFlagged},
    {"Accepted", &kAccepted},
    {"Yards", &kPenaltyYards},
};

constexpr StatColumn kFieldGoalColumns[] = {
    {"ATT", &kFieldGoalAttempts}, {"MADE", &kFieldGoalsScored},  {"PCT", &kFieldGoalRate},
    {"1-29", &kFieldGoals1to29},  {"30-39", &kFieldGoals30to39}, {"40-49", &kFieldGoals40to49},
    {"50+", &kFieldGoals50Plus},
};

constexpr StatColumn kExtraPointColumns[] = {
    {"ATT", &kExtraPointAttempts},
    {"MADE", &kExtraPointsScored},
    {"PCT", &kExtraPointRate},
};

constexpr StatColumn kPuntingColumns[] = {
    {"Punts", &kPunts},      {"In20", &kPuntsInside20}, {"TB", &kPuntTouchbacks},
    {"Blk", &kPuntsBlocked}, {"Ret", &kPuntsReturned},
};

constexpr StatColumn kPuntReturnColumns[] = {
    {"Rets", &kPuntReturns},
    {"Yards", &kPuntReturnYards},
    {"Avg", &kPuntReturnAverage},
    {"TDs", &kPuntReturnTouchdowns},
};

constexpr StatColumn kKickReturnColumns[] = {
    {"Rets", &kKickReturns},
    {"Yards", &kKickReturnYards},
    {"Avg", &kKickReturnAverage},
    {"TDs", &kKickReturnTouchdowns},
};

constexpr StatColumn kSpecialTeamsTackleColumns[] = {
    {"Tackles", &kSpecialTackles},
    {"Yards", &kSpecialTackleYards},
    {"Avg", &kSpecialTackleAverage},
};

constexpr StatColumn kDefensiveTackleColumns[] = {
    {"Tackles", &kTackles},
    {"Yards", &kTackleYards},
    {"Avg", &kTackleAverage},
};

constexpr StatColumn kSackColumns[] = {{"Sacks", &kSacks}, {"Yards", &kSackYards}};

constexpr StatColumn kStuffColumns[] = {{"Stuffs", &kStuffs}, {"Yards", &kStuffYards}};

constexpr StatColumn kInterceptionColumns[] = {
    {"INTs", &kInterceptions},
    {"Yards", &kInterceptionYards},
    {"TDs", &kInterceptionTouchdowns},
};

constexpr StatColumn kBlockColumns[] = {
    {"PuntBlks", &kPuntBlocks},
    {"FGBlks", &kFieldGoalBlocks},
    {"Total", &kKickBlocks},
};

// ---- The tables ----

using stats::LongestLists;
using Tags = PositionTags;
constexpr stats::StatKey kNoSort = static_cast<stats::StatKey>(0);
constexpr Tags kOff = Tags::kOffensive;
constexpr Tags kDef = Tags::kDefensive;
constexpr Tags kBySide = Tags::kBySide;

constexpr LeaderTable CountTable(std::string_view title, stats::StatKey key,
                                 bool (*listed)(const PlayerRecord&), Tags tags,
                                 std::span<const StatColumn> columns) {
  return {title, key, listed, nullptr, nullptr, tags, columns};
}

constexpr LeaderTable RateTable(std::string_view title, stats::StatKey key,
                                bool (*listed)(const PlayerRecord&), const LeaderMinimum& minimum,
                                Tags tags, std::span<const StatColumn> columns) {
  return {title, key, listed, &minimum, nullptr, tags, columns};
}

constexpr LeaderTable LongestTable(std::string_view title,
                                   std::optional<stats::LongestList> LongestLists::*list,
                                   Tags tags) {
  return {title, kNoSort, nullptr, nullptr, list, tags, kLongestYardsColumn};
}

using P = PassingRecord;
using R = RushingRecord;
using C = ReceivingRecord;
using F = FGKickingRecord;
using D = DefensiveRecord;

constexpr LeaderTable kLeaderTables[] = {
    RateTable("---Passing Rating Leaders", stats::kPassingRating, Has<&PlayerRecord::passing>,
              kMinimumAttempts, kOff, kRatingColumn),
    CountTable("---Passing Yards Leaders", stats::kPassingYards, NonZero<kField<&P::completions>>,
               kOff, kPassYardsColumn),
    CountTable("---Passing Atts Leaders", stats::kPassingAttempts, NonZero<kField<&P::attempts>>,
               kOff, kPassAttemptsColumn),
    RateTable("---Passing Yards/Attempt Leaders", stats::kPassingYardsPerAttempt,
              Has<&PlayerRecord::passing>, kMinimumAttempts, kOff, kPassAverageColumn),
    CountTable("---Passing Comps Leaders", stats::kPassingCompletions,
               NonZero<kField<&P::completions>>, kOff, kCompletionsColumn),
    RateTable("---Passing Completion% Leaders", stats::kPassingCompletionRate,
              Has<&PlayerRecord::passing>, kMinimumAttempts, kOff, kCompletionRateColumn),
    CountTable("---Passing Touchdown Leaders", stats::kPassingTouchdowns,
               NonZero<kField<&P::touchdowns>>, kOff, kPassTouchdownsColumn),
    RateTable("---Passing Touchdowns Per Att Leaders", stats::kPassingTouchdownsPerAttempt,
              Has<&PlayerRecord::passing>, kMinimumAttempts, kOff, kPassTouchdownRateColumn),
    RateTable("---Passing First Downs Per Att Leaders", stats::kPassingFirstDownsPerAttempt,
              Has<&PlayerRecord::passing>, kMinimumAttempts, kOff, kPassFirstDownRateColumn),
    CountTable("---Passing Interception Leaders", stats::kPassingInterceptions,
               NonZero<kField<&P::interceptions>>, kOff, kInterceptionsThrownColumn),
    RateTable("---Passing Interceptions Per Att Leaders", stats::kPassingInterceptionsPerAttempt,
              Has<&PlayerRecord::passing>, kMinimumAttempts, kOff, kInterceptionRateColumn),
    CountTable("---Passing Sacked Leaders", stats::kPassingSacked, Quarterback, kOff,
               kSackedColumn),
    RateTable("---Passing Sacked Per Att Leaders", stats::kPassingSackedPerAttempt, Quarterback,
              kMinimumAttempts, kOff, kSackedRateColumn),
    LongestTable("---Longest Pass Leaders", &LongestLists::longestPasses, kOff),
    CountTable("---Passing Big Play (>25) Leaders", stats::kPassingBigPlays,
               NonZero<kField<&P::bigPlays>>, kOff, kPassBigPlaysColumn),

    CountTable("---Rushing Yards Leaders", stats::kRushingYards, NonZero<kField<&R::attempts>>,
               kOff, kRushYardsColumn),
    CountTable("---Rushing Carries Leaders", stats::kRushingCarries, NonZero<kField<&R::attempts>>,
               kOff, kCarriesColumn),
    RateTable("---Rushing Yards/Carry Leaders", stats::kRushingYardsPerCarry,
              Has<&PlayerRecord::rushing>, kMinimumCarries, kOff, kRushAverageColumn),
    CountTable("---Rushing Touchdowns Leaders", stats::kRushingTouchdowns,
               NonZero<kField<&R::touchdowns>>, kOff, kRushTouchdownsColumn),
    CountTable("---Rushing Stuffed Leaders", stats::kRushingStuffed, NonZero<kField<&R::stuffs>>,
               kOff, kStuffedColumn),
    RateTable("---Rushing Stuffs/Carry Leaders", stats::kRushingStuffsPerCarry,
              Has<&PlayerRecord::rushing>, kMinimumCarries, kOff, kStuffedRateColumn),
    CountTable("---Rushing First Downs Leaders", stats::kRushingFirstDowns,
               NonZero<kField<&R::firstDowns>>, kOff, kRushFirstDownsColumn),
    RateTable("---Rushing FDs/Carry Leaders", stats::kRushingFirstDownsPerCarry,
              Has<&PlayerRecord::rushing>, kMinimumCarries, kOff, kRushFirstDownRateColumn),
    LongestTable("---Longest Rush Leaders", &LongestLists::longestRushes, kOff),
    CountTable("---Rushing Big Play (>10) Leaders", stats::kRushingBigPlays,
               NonZero<kField<&R::bigPlays>>, kOff, kRushBigPlaysColumn),

    CountTable("---Receiving Catches Leaders", stats::kReceivingCatches,
               NonZero<kField<&C::receptions>>, kOff, kCatchesColumn),
    CountTable("---Receiving Yards Leaders", stats::kReceivingYards,
               NonZero<kField<&C::receptions>>, kOff, kReceivingYardsColumn),
    RateTable("---Receiving Yards/Catch Leaders", stats::kReceivingYardsPerCatch,
              Has<&PlayerRecord::receiving>, kMinimumReceptions, kOff, kCatchAverageColumn),
    CountTable("---Receiving Touchdown Leaders", stats::kReceivingTouchdowns,
               NonZero<kField<&C::touchdowns>>, kOff, kReceivingTouchdownsColumn),
    CountTable("---Receiving First Down Leaders", stats::kReceivingFirstDowns,
               NonZero<kField<&C::firstDowns>>, kOff, kReceivingFirstDownsColumn),
    RateTable("---Receiving FDs/Catch Leaders", stats::kReceivingFirstDownsPerCatch,
              Has<&PlayerRecord::receiving>, kMinimumReceptions, kOff, kCatchFirstDownRateColumn),
    LongestTable("---Longest Receptions Leaders", &LongestLists::longestReceptions, kOff),
    CountTable("---Receiving Big Plays (>25) Leaders", stats::kReceivingBigPlays,
               NonZero<kField<&C::bigPlays>>, kOff, kReceivingBigPlaysColumn),
    CountTable("---Receiving Drops Leaders", stats::kReceivingDrops, NonZero<kField<&C::drops>>,
               kOff, kDropsColumn),

    CountTable("---Scoring Stats", stats::kScoring, stats::HasScored, kOff, kScoringColumns),
    CountTable("---Fumbles Lost Leaders", stats::kFumblesLost, LostFumbles, kBySide,
               kFumblesLostColumn),
    CountTable("---Penalty Stats", stats::kPenalties, Has<&PlayerRecord::penalty>, kBySide,
               kPenaltyColumns),

    CountTable("---Field Goal Stats", stats::kFieldGoalPercentage, Has<&PlayerRecord::fgKicking>,
               kOff, kFieldGoalColumns),
    LongestTable("---Longest Field Goal Leaders", &LongestLists::longestFGs, kOff),
    CountTable("---Field Goals Made Leaders", stats::kFieldGoalsMade, NonZero<kField<&F::made>>,
               kOff, kFieldGoalsMadeColumn),
    CountTable("---Field Goals Missed Leaders", stats::kFieldGoalsMissed, MissedFieldGoals, kOff,
               kFieldGoalsMissedColumn),
    CountTable("---Field Goals Blocked Leaders", stats::kFieldGoalsBlocked,
               NonZero<kField<&F::blocked>>, kOff, kFieldGoalsBlockedColumn),
    CountTable("---Extra Point Stats", stats::kExtraPointPercentage, Has<&PlayerRecord::epKicking>,
               kOff, kExtraPointColumns),
    CountTable("---Punting Stats", stats::kPunts, NonZero<kField<&PuntingRecord::punts>>, kOff,
               kPuntingColumns),

    RateTable("---Punt Return Leaders", stats::kPuntReturnAverage, Has<&PlayerRecord::puntReturn>,
              kMinimumPuntReturns, kDef, kPuntReturnColumns),
    LongestTable("---Longest Punt Return Leaders", &LongestLists::longestPuntReturns, kDef),
    RateTable("---Kick Return Leaders", stats::kKickReturnAverage, Has<&PlayerRecord::kickReturn>,
              kMinimumKickReturns, kDef, kKickReturnColumns),
    LongestTable("---Longest Kick Return Leaders", &LongestLists::longestKickReturns, kDef),

    CountTable("---Special Team Tackle Leaders", stats::kSpecialTeamsTackles,
               NonZero<kField<&SpecialTeamsRecord::tackles>>, kOff, kSpecialTeamsTackleColumns),
    CountTable("---Defensive Tackle Leaders", stats::kDefensiveTackles,
               NonZero<kField<&D::tackles>>, kDef, kDefensiveTackleColumns),
    RateTable("---Defensive Yards/Tackle Leaders", stats::kDefensiveYardsPerTackle,
              Has<&PlayerRecord::defensive>, kMinimumTackles, kDef, kYardsPerTackleColumn),
    CountTable("---Defensive Sack Leaders", stats::kDefensiveSacks, NonZero<kField<&D::sacks>>,
               kDef, kSackColumns),
    CountTable("---Defensive Stuff Leaders", stats::kDefensiveStuffs, NonZero<kField<&D::stuffs>>,
               kDef, kStuffColumns),
    CountTable("---Defensive Loss of Yards Leaders", stats::kDefensiveLossOfYards, SacksOrStuffs,
               kDef, kLossOfYardsColumn),
    CountTable("---Interception Leaders", stats::kInterceptions,
               NonZero<kField<&InterceptionRecord::interceptions>>, kDef, kInterceptionColumns),
    CountTable("---Passes Defensed Leaders", stats::kPassesDefensed,
               NonZero<kField<&D::passesDefensed>>, kDef, kPassesDefensedColumn),
    CountTable("---Punt & Field Goal Block Leaders", stats::kPuntAndFieldGoalBlocks, BlockedKicks,
               kDef, kBlockColumns),
};

static_assert(std::size(kLeaderTables) == kLeaderTableCount);

}  // namespace

std::span<const LeaderTable> LeaderTables() {
  return kLeaderTables;
}

}  // namespace yl::reports
