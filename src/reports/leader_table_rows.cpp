// The rows of the league-leader family: which players each table lists, its
// minimum, its position texts and its value columns.
#include "reports/leader_tables.h"

#include "league/stat_records.h"
#include "reports/player_cells.h"
#include "reports/report_text.h"

namespace yl::reports {

namespace {

using namespace cells;
using league::PlayerRecord;
using namespace league::records;

// ---- Who is listed ----

template <auto Slot, auto Field>
bool NonZero(const PlayerRecord& p) {
  return p.*Slot && Value<Slot, Field>(p) != 0;
}

bool Quarterback(const PlayerRecord& p) {
  return p.passing && p.position == league::offense::kQuarterback;
}

bool MissedFieldGoals(const PlayerRecord& p) {
  return p.fgKicking && p.fgKicking->attempts != p.fgKicking->made;
}

bool LostFumbles(const PlayerRecord& p) {
  return stats::FumblesLost(p) != 0;
}

bool SacksOrStuffs(const PlayerRecord& p) {
  return p.defensive && p.defensive->sacks + p.defensive->stuffs != 0;
}

std::int64_t Blocks(const PlayerRecord& p) {
  return Value<slot::defensive, &DefensiveRecord::puntsBlocked>(p) +
         Value<slot::defensive, &DefensiveRecord::fieldGoalsBlocked>(p);
}

bool BlockedKicks(const PlayerRecord& p) {
  return p.defensive && Blocks(p) != 0;
}

// ---- Values ----

std::string FumblesLostText(const PlayerRecord& p) {
  return IntegerText(stats::FumblesLost(p));
}

std::string MissedText(const PlayerRecord& p) {
  return IntegerText(Value<slot::fgKicking, &FGKickingRecord::attempts>(p) -
                     Value<slot::fgKicking, &FGKickingRecord::made>(p));
}

std::string LossOfYardsText(const PlayerRecord& p) {
  return IntegerText(Value<slot::defensive, &DefensiveRecord::sackYards>(p) +
                     Value<slot::defensive, &DefensiveRecord::stuffYards>(p));
}

std::string BlocksText(const PlayerRecord& p) {
  return IntegerText(Blocks(p));
}

// ---- Minimums ----

constexpr LeaderMinimum kMinimumAttempts = {Value<slot::passing, &PassingRecord::attempts>,
                                            " Minimum Attempts"};
constexpr LeaderMinimum kMinimumCarries = {Value<slot::rushing, &RushingRecord::attempts>,
                                           " Minimum Carries"};
constexpr LeaderMinimum kMinimumReceptions = {Value<slot::receiving, &ReceivingRecord::receptions>,
                                              " Minimum Receptions"};
constexpr LeaderMinimum kMinimumPuntReturns = {Value<slot::puntReturn, &PuntReturnRecord::returns>,
                                               " Minimum Returns"};
constexpr LeaderMinimum kMinimumKickReturns = {Value<slot::kickReturn, &KickReturnRecord::returns>,
                                               " Minimum Returns"};
constexpr LeaderMinimum kMinimumTackles = {Value<slot::defensive, &DefensiveRecord::tackles>,
                                           " Minimum Tackles"};

// ---- Columns ----

// One-column tables: the header word (its length the minimum width) and the value.
constexpr SectionColumn kRatingColumn[] = {{{"Rating", 6}, PassingRate}};
constexpr SectionColumn kPassYardsColumn[] = {
    {{"Yards", 5}, Count<slot::passing, &PassingRecord::yards>}};
constexpr SectionColumn kPassAttemptsColumn[] = {
    {{"Atts", 4}, Count<slot::passing, &PassingRecord::attempts>}};
constexpr SectionColumn kPassAverageColumn[] = {
    {{"Avg", 3}, Average<slot::passing, &PassingRecord::yards, &PassingRecord::attempts>}};
constexpr SectionColumn kCompletionsColumn[] = {
    {{"Comps", 5}, Count<slot::passing, &PassingRecord::completions>}};
constexpr SectionColumn kCompletionRateColumn[] = {
    {{"Comp%", 5}, Percent<slot::passing, &PassingRecord::completions, &PassingRecord::attempts>}};
constexpr SectionColumn kPassTouchdownsColumn[] = {
    {{"TDs", 3}, Count<slot::passing, &PassingRecord::touchdowns>}};
constexpr SectionColumn kPassTouchdownRateColumn[] = {
    {{"TD%", 3}, Percent<slot::passing, &PassingRecord::touchdowns, &PassingRecord::attempts>}};
constexpr SectionColumn kPassFirstDownRateColumn[] = {
    {{"FD%", 3}, Percent<slot::passing, &PassingRecord::firstDowns, &PassingRecord::attempts>}};
constexpr SectionColumn kInterceptionsThrownColumn[] = {
    {{"INTs", 4}, Count<slot::passing, &PassingRecord::interceptions>}};
constexpr SectionColumn kInterceptionRateColumn[] = {
    {{"INT%", 4}, Percent<slot::passing, &PassingRecord::interceptions, &PassingRecord::attempts>}};
constexpr SectionColumn kSackedColumn[] = {
    {{"Sacked", 6}, Count<slot::passing, &PassingRecord::sacks>}};
constexpr SectionColumn kSackedRateColumn[] = {
    {{"Sacked%", 7}, Percent<slot::passing, &PassingRecord::sacks, &PassingRecord::attempts>}};
constexpr SectionColumn kPassBigPlaysColumn[] = {
    {{"Big", 3}, Count<slot::passing, &PassingRecord::bigPlays>}};
constexpr SectionColumn kRushYardsColumn[] = {
    {{"Yards", 5}, Count<slot::rushing, &RushingRecord::yards>}};
constexpr SectionColumn kCarriesColumn[] = {
    {{"Carries", 7}, Count<slot::rushing, &RushingRecord::attempts>}};
constexpr SectionColumn kRushAverageColumn[] = {
    {{"Avg", 3}, Average<slot::rushing, &RushingRecord::yards, &RushingRecord::attempts>}};
constexpr SectionColumn kRushTouchdownsColumn[] = {
    {{"TDs", 3}, Count<slot::rushing, &RushingRecord::touchdowns>}};
constexpr SectionColumn kStuffedColumn[] = {
    {{"Stuffed", 7}, Count<slot::rushing, &RushingRecord::stuffs>}};
constexpr SectionColumn kStuffedRateColumn[] = {
    {{"Stuffs%", 7}, Percent<slot::rushing, &RushingRecord::stuffs, &RushingRecord::attempts>}};
constexpr SectionColumn kRushFirstDownsColumn[] = {
    {{"FDs", 3}, Count<slot::rushing, &RushingRecord::firstDowns>}};
constexpr SectionColumn kRushFirstDownRateColumn[] = {
    {{"FD%", 3}, Percent<slot::rushing, &RushingRecord::firstDowns, &RushingRecord::attempts>}};
constexpr SectionColumn kRushBigPlaysColumn[] = {
    {{"Big", 3}, Count<slot::rushing, &RushingRecord::bigPlays>}};
constexpr SectionColumn kCatchesColumn[] = {
    {{"Catches", 7}, Count<slot::receiving, &ReceivingRecord::receptions>}};
constexpr SectionColumn kReceivingYardsColumn[] = {
    {{"Yards", 5}, Count<slot::receiving, &ReceivingRecord::yards>}};
constexpr SectionColumn kCatchAverageColumn[] = {
    {{"Avg", 3}, Average<slot::receiving, &ReceivingRecord::yards, &ReceivingRecord::receptions>}};
constexpr SectionColumn kReceivingTouchdownsColumn[] = {
    {{"TDs", 3}, Count<slot::receiving, &ReceivingRecord::touchdowns>}};
constexpr SectionColumn kReceivingFirstDownsColumn[] = {
    {{"FDs", 3}, Count<slot::receiving, &ReceivingRecord::firstDowns>}};
constexpr SectionColumn kCatchFirstDownRateColumn[] = {
    {{"FD%", 3},
     Percent<slot::receiving, &ReceivingRecord::firstDowns, &ReceivingRecord::receptions>}};
constexpr SectionColumn kReceivingBigPlaysColumn[] = {
    {{"Big", 3}, Count<slot::receiving, &ReceivingRecord::bigPlays>}};
constexpr SectionColumn kDropsColumn[] = {
    {{"Drops", 5}, Count<slot::receiving, &ReceivingRecord::drops>}};
constexpr SectionColumn kFumblesLostColumn[] = {{{"Lost", 4}, FumblesLostText}};
constexpr SectionColumn kFieldGoalsMadeColumn[] = {
    {{"Made", 4}, Count<slot::fgKicking, &FGKickingRecord::made>}};
constexpr SectionColumn kFieldGoalsMissedColumn[] = {{{"Missed", 6}, MissedText}};
constexpr SectionColumn kFieldGoalsBlockedColumn[] = {
    {{"Blocked", 7}, Count<slot::fgKicking, &FGKickingRecord::blocked>}};
constexpr SectionColumn kYardsPerTackleColumn[] = {
    {{"Avg", 3},
     Average<slot::defensive, &DefensiveRecord::tackleYards, &DefensiveRecord::tackles>}};
constexpr SectionColumn kLossOfYardsColumn[] = {{{"Yards", 5}, LossOfYardsText}};
// The longest-play tables print each entry's yards.
constexpr SectionColumn kLongestYardsColumn[] = {{{"Yards", 5}, nullptr}};
constexpr SectionColumn kPassesDefensedColumn[] = {
    {{"PDs", 3}, Count<slot::defensive, &DefensiveRecord::passesDefensed>}};

constexpr SectionColumn kScoringColumns[] = {
    {{"TDs  ", 3}, TouchdownsText},
    {{"RushTDs  ", 7}, Count<slot::rushing, &RushingRecord::touchdowns>},
    {{"RecTDs  ", 6}, Count<slot::receiving, &ReceivingRecord::touchdowns>},
    {{"FGs  ", 3}, Pair<slot::fgKicking, &FGKickingRecord::made, &FGKickingRecord::attempts>},
    {{"EPs  ", 3}, Pair<slot::epKicking, &EPKickingRecord::made, &EPKickingRecord::attempts>},
    {{"2PT  ", 3}, TwoPointConversionsText},
    {{"TOTAL", 5}, PointsText},
};

constexpr SectionColumn kPenaltyColumns[] = {
    {{"Flagged  ", 7}, Count<slot::penalty, &PenaltyRecord::flagged>},
    {{"Accepted  ", 8}, Count<slot::penalty, &PenaltyRecord::accepted>},
    {{"Yards", 5}, Count<slot::penalty, &PenaltyRecord::yards>},
};

constexpr SectionColumn kFieldGoalColumns[] = {
    {{"ATT  ", 3}, Count<slot::fgKicking, &FGKickingRecord::attempts>},
    {{"MADE  ", 4}, Count<slot::fgKicking, &FGKickingRecord::made>},
    {{"PCT  ", 3}, Percent<slot::fgKicking, &FGKickingRecord::made, &FGKickingRecord::attempts>},
    {{"1-29  ", 4},
     Pair<slot::fgKicking, &FGKickingRecord::made1to29, &FGKickingRecord::attempts1to29>},
    {{"30-39  ", 5},
     Pair<slot::fgKicking, &FGKickingRecord::made30to39, &FGKickingRecord::attempts30to39>},
    {{"40-49  ", 5},
     Pair<slot::fgKicking, &FGKickingRecord::made40to49, &FGKickingRecord::attempts40to49>},
    {{"50+", 3},
     Pair<slot::fgKicking, &FGKickingRecord::made50plus, &FGKickingRecord::attempts50plus>},
};

constexpr SectionColumn kExtraPointColumns[] = {
    {{"ATT  ", 3}, Count<slot::epKicking, &EPKickingRecord::attempts>},
    {{"MADE  ", 4}, Count<slot::epKicking, &EPKickingRecord::made>},
    {{"PCT", 3}, Percent<slot::epKicking, &EPKickingRecord::made, &EPKickingRecord::attempts>},
};

constexpr SectionColumn kPuntingColumns[] = {
    {{"Punts  ", 5}, Count<slot::punting, &PuntingRecord::punts>},
    {{"In20  ", 4}, Count<slot::punting, &PuntingRecord::inside20>},
    {{"TB  ", 2}, Count<slot::punting, &PuntingRecord::touchbacks>},
    {{"Blk  ", 3}, Count<slot::punting, &PuntingRecord::blocked>},
    {{"Ret", 3}, Count<slot::punting, &PuntingRecord::returned>},
};

constexpr SectionColumn kPuntReturnColumns[] = {
    {{"Rets  ", 4}, Count<slot::puntReturn, &PuntReturnRecord::returns>},
    {{"Yards  ", 5}, Count<slot::puntReturn, &PuntReturnRecord::yards>},
    {{"Avg  ", 3}, Average<slot::puntReturn, &PuntReturnRecord::yards, &PuntReturnRecord::returns>},
    {{"TDs", 3}, Count<slot::puntReturn, &PuntReturnRecord::touchdowns>},
};

constexpr SectionColumn kKickReturnColumns[] = {
    {{"Rets  ", 4}, Count<slot::kickReturn, &KickReturnRecord::returns>},
    {{"Yards  ", 5}, Count<slot::kickReturn, &KickReturnRecord::yards>},
    {{"Avg  ", 3}, Average<slot::kickReturn, &KickReturnRecord::yards, &KickReturnRecord::returns>},
    {{"TDs", 3}, Count<slot::kickReturn, &KickReturnRecord::touchdowns>},
};

constexpr SectionColumn kSpecialTeamsTackleColumns[] = {
    {{"Tackles  ", 7}, Count<slot::specialTeams, &SpecialTeamsRecord::tackles>},
    {{"Yards  ", 5}, Count<slot::specialTeams, &SpecialTeamsRecord::tackleYards>},
    {{"Avg", 3},
     Average<slot::specialTeams, &SpecialTeamsRecord::tackleYards, &SpecialTeamsRecord::tackles>},
};

constexpr SectionColumn kDefensiveTackleColumns[] = {
    {{"Tackles  ", 7}, Count<slot::defensive, &DefensiveRecord::tackles>},
    {{"Yards  ", 5}, Count<slot::defensive, &DefensiveRecord::tackleYards>},
    {{"Avg", 3},
     Average<slot::defensive, &DefensiveRecord::tackleYards, &DefensiveRecord::tackles>},
};

constexpr SectionColumn kSackColumns[] = {
    {{"Sacks  ", 5}, Count<slot::defensive, &DefensiveRecord::sacks>},
    {{"Yards", 5}, Count<slot::defensive, &DefensiveRecord::sackYards>},
};

constexpr SectionColumn kStuffColumns[] = {
    {{"Stuffs  ", 6}, Count<slot::defensive, &DefensiveRecord::stuffs>},
    {{"Yards", 5}, Count<slot::defensive, &DefensiveRecord::stuffYards>},
};

constexpr SectionColumn kInterceptionColumns[] = {
    {{"INTs  ", 4}, Count<slot::interception, &InterceptionRecord::interceptions>},
    {{"Yards  ", 5}, Count<slot::interception, &InterceptionRecord::returnYards>},
    {{"TDs", 3}, Count<slot::interception, &InterceptionRecord::touchdowns>},
};

constexpr SectionColumn kBlockColumns[] = {
    {{"PuntBlks  ", 8}, Count<slot::defensive, &DefensiveRecord::puntsBlocked>},
    {{"FGBlks  ", 6}, Count<slot::defensive, &DefensiveRecord::fieldGoalsBlocked>},
    {{"Total", 5}, BlocksText},
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
                                 std::span<const SectionColumn> columns) {
  return {title, key, listed, nullptr, nullptr, tags, columns};
}

constexpr LeaderTable RateTable(std::string_view title, stats::StatKey key,
                                bool (*listed)(const PlayerRecord&), const LeaderMinimum& minimum,
                                Tags tags, std::span<const SectionColumn> columns) {
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
using namespace stats;  // the sort keys

constexpr LeaderTable kLeaderTables[] = {
    RateTable("---Passing Rating Leaders", kPassingRating, Has<slot::passing>, kMinimumAttempts,
              kOff, kRatingColumn),
    CountTable("---Passing Yards Leaders", kPassingYards, NonZero<slot::passing, &P::completions>,
               kOff, kPassYardsColumn),
    CountTable("---Passing Atts Leaders", kPassingAttempts, NonZero<slot::passing, &P::attempts>,
               kOff, kPassAttemptsColumn),
    RateTable("---Passing Yards/Attempt Leaders", kPassingYardsPerAttempt, Has<slot::passing>,
              kMinimumAttempts, kOff, kPassAverageColumn),
    CountTable("---Passing Comps Leaders", kPassingCompletions,
               NonZero<slot::passing, &P::completions>, kOff, kCompletionsColumn),
    RateTable("---Passing Completion% Leaders", kPassingCompletionRate, Has<slot::passing>,
              kMinimumAttempts, kOff, kCompletionRateColumn),
    CountTable("---Passing Touchdown Leaders", kPassingTouchdowns,
               NonZero<slot::passing, &P::touchdowns>, kOff, kPassTouchdownsColumn),
    RateTable("---Passing Touchdowns Per Att Leaders", kPassingTouchdownsPerAttempt,
              Has<slot::passing>, kMinimumAttempts, kOff, kPassTouchdownRateColumn),
    RateTable("---Passing First Downs Per Att Leaders", kPassingFirstDownsPerAttempt,
              Has<slot::passing>, kMinimumAttempts, kOff, kPassFirstDownRateColumn),
    CountTable("---Passing Interception Leaders", kPassingInterceptions,
               NonZero<slot::passing, &P::interceptions>, kOff, kInterceptionsThrownColumn),
    RateTable("---Passing Interceptions Per Att Leaders", kPassingInterceptionsPerAttempt,
              Has<slot::passing>, kMinimumAttempts, kOff, kInterceptionRateColumn),
    CountTable("---Passing Sacked Leaders", kPassingSacked, Quarterback, kOff, kSackedColumn),
    RateTable("---Passing Sacked Per Att Leaders", kPassingSackedPerAttempt, Quarterback,
              kMinimumAttempts, kOff, kSackedRateColumn),
    LongestTable("---Longest Pass Leaders", &LongestLists::longestPasses, kOff),
    CountTable("---Passing Big Play (>25) Leaders", kPassingBigPlays,
               NonZero<slot::passing, &P::bigPlays>, kOff, kPassBigPlaysColumn),

    CountTable("---Rushing Yards Leaders", kRushingYards, NonZero<slot::rushing, &R::attempts>,
               kOff, kRushYardsColumn),
    CountTable("---Rushing Carries Leaders", kRushingCarries, NonZero<slot::rushing, &R::attempts>,
               kOff, kCarriesColumn),
    RateTable("---Rushing Yards/Carry Leaders", kRushingYardsPerCarry, Has<slot::rushing>,
              kMinimumCarries, kOff, kRushAverageColumn),
    CountTable("---Rushing Touchdowns Leaders", kRushingTouchdowns,
               NonZero<slot::rushing, &R::touchdowns>, kOff, kRushTouchdownsColumn),
    CountTable("---Rushing Stuffed Leaders", kRushingStuffed, NonZero<slot::rushing, &R::stuffs>,
               kOff, kStuffedColumn),
    RateTable("---Rushing Stuffs/Carry Leaders", kRushingStuffsPerCarry, Has<slot::rushing>,
              kMinimumCarries, kOff, kStuffedRateColumn),
    CountTable("---Rushing First Downs Leaders", kRushingFirstDowns,
               NonZero<slot::rushing, &R::firstDowns>, kOff, kRushFirstDownsColumn),
    RateTable("---Rushing FDs/Carry Leaders", kRushingFirstDownsPerCarry, Has<slot::rushing>,
              kMinimumCarries, kOff, kRushFirstDownRateColumn),
    LongestTable("---Longest Rush Leaders", &LongestLists::longestRushes, kOff),
    CountTable("---Rushing Big Play (>10) Leaders", kRushingBigPlays,
               NonZero<slot::rushing, &R::bigPlays>, kOff, kRushBigPlaysColumn),

    CountTable("---Receiving Catches Leaders", kReceivingCatches,
               NonZero<slot::receiving, &C::receptions>, kOff, kCatchesColumn),
    CountTable("---Receiving Yards Leaders", kReceivingYards,
               NonZero<slot::receiving, &C::receptions>, kOff, kReceivingYardsColumn),
    RateTable("---Receiving Yards/Catch Leaders", kReceivingYardsPerCatch, Has<slot::receiving>,
              kMinimumReceptions, kOff, kCatchAverageColumn),
    CountTable("---Receiving Touchdown Leaders", kReceivingTouchdowns,
               NonZero<slot::receiving, &C::touchdowns>, kOff, kReceivingTouchdownsColumn),
    CountTable("---Receiving First Down Leaders", kReceivingFirstDowns,
               NonZero<slot::receiving, &C::firstDowns>, kOff, kReceivingFirstDownsColumn),
    RateTable("---Receiving FDs/Catch Leaders", kReceivingFirstDownsPerCatch, Has<slot::receiving>,
              kMinimumReceptions, kOff, kCatchFirstDownRateColumn),
    LongestTable("---Longest Receptions Leaders", &LongestLists::longestReceptions, kOff),
    CountTable("---Receiving Big Plays (>25) Leaders", kReceivingBigPlays,
               NonZero<slot::receiving, &C::bigPlays>, kOff, kReceivingBigPlaysColumn),
    CountTable("---Receiving Drops Leaders", kReceivingDrops, NonZero<slot::receiving, &C::drops>,
               kOff, kDropsColumn),

    CountTable("---Scoring Stats", kScoring, stats::HasScored, kOff, kScoringColumns),
    CountTable("---Fumbles Lost Leaders", kFumblesLost, LostFumbles, kBySide, kFumblesLostColumn),
    CountTable("---Penalty Stats", kPenalties, Has<slot::penalty>, kBySide, kPenaltyColumns),

    CountTable("---Field Goal Stats", kFieldGoalPercentage, Has<slot::fgKicking>, kOff,
               kFieldGoalColumns),
    LongestTable("---Longest Field Goal Leaders", &LongestLists::longestFGs, kOff),
    CountTable("---Field Goals Made Leaders", kFieldGoalsMade, NonZero<slot::fgKicking, &F::made>,
               kOff, kFieldGoalsMadeColumn),
    CountTable("---Field Goals Missed Leaders", kFieldGoalsMissed, MissedFieldGoals, kOff,
               kFieldGoalsMissedColumn),
    CountTable("---Field Goals Blocked Leaders", kFieldGoalsBlocked,
               NonZero<slot::fgKicking, &F::blocked>, kOff, kFieldGoalsBlockedColumn),
    CountTable("---Extra Point Stats", kExtraPointPercentage, Has<slot::epKicking>, kOff,
               kExtraPointColumns),
    CountTable("---Punting Stats", kPunts, NonZero<slot::punting, &PuntingRecord::punts>, kOff,
               kPuntingColumns),

    RateTable("---Punt Return Leaders", kPuntReturnAverage, Has<slot::puntReturn>,
              kMinimumPuntReturns, kDef, kPuntReturnColumns),
    LongestTable("---Longest Punt Return Leaders", &LongestLists::longestPuntReturns, kDef),
    RateTable("---Kick Return Leaders", kKickReturnAverage, Has<slot::kickReturn>,
              kMinimumKickReturns, kDef, kKickReturnColumns),
    LongestTable("---Longest Kick Return Leaders", &LongestLists::longestKickReturns, kDef),

    CountTable("---Special Team Tackle Leaders", kSpecialTeamsTackles,
               NonZero<slot::specialTeams, &SpecialTeamsRecord::tackles>, kOff,
               kSpecialTeamsTackleColumns),
    CountTable("---Defensive Tackle Leaders", kDefensiveTackles,
               NonZero<slot::defensive, &D::tackles>, kDef, kDefensiveTackleColumns),
    RateTable("---Defensive Yards/Tackle Leaders", kDefensiveYardsPerTackle, Has<slot::defensive>,
              kMinimumTackles, kDef, kYardsPerTackleColumn),
    CountTable("---Defensive Sack Leaders", kDefensiveSacks, NonZero<slot::defensive, &D::sacks>,
               kDef, kSackColumns),
    CountTable("---Defensive Stuff Leaders", kDefensiveStuffs, NonZero<slot::defensive, &D::stuffs>,
               kDef, kStuffColumns),
    CountTable("---Defensive Loss of Yards Leaders", kDefensiveLossOfYards, SacksOrStuffs, kDef,
               kLossOfYardsColumn),
    CountTable("---Interception Leaders", kInterceptions,
               NonZero<slot::interception, &InterceptionRecord::interceptions>, kDef,
               kInterceptionColumns),
    CountTable("---Passes Defensed Leaders", kPassesDefensed,
               NonZero<slot::defensive, &D::passesDefensed>, kDef, kPassesDefensedColumn),
    CountTable("---Punt & Field Goal Block Leaders", kPuntAndFieldGoalBlocks, BlockedKicks, kDef,
               kBlockColumns),
};

static_assert(std::size(kLeaderTables) == kLeaderTableCount);

}  // namespace

std::span<const LeaderTable> LeaderTables() {
  return kLeaderTables;
}

}  // namespace yl::reports
