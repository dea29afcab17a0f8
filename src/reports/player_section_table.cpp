// The rows of the team player stat sections and the cell values they print.
#include "reports/player_section_table.h"

#include "league/stat_records.h"
#include "reports/player_cells.h"
#include "reports/report_text.h"

namespace yl::reports {

namespace {

using namespace cells;
using league::PlayerRecord;
using namespace league::records;

std::int64_t TwoPointAttempts(const PlayerRecord& p) {
  return Value<slot::twoPoint, &TwoPointRecord::passAttempts>(p) +
         Value<slot::twoPoint, &TwoPointRecord::rushAttempts>(p) +
         Value<slot::twoPoint, &TwoPointRecord::receivingAttempts>(p);
}
std::int64_t TwoPointMade(const PlayerRecord& p) {
  return Value<slot::twoPoint, &TwoPointRecord::passMade>(p) +
         Value<slot::twoPoint, &TwoPointRecord::rushMade>(p) +
         Value<slot::twoPoint, &TwoPointRecord::receivingMade>(p);
}
std::string TwoPointAttemptsText(const PlayerRecord& p) {
  return IntegerText(TwoPointAttempts(p));
}
std::string TwoPointMadeText(const PlayerRecord& p) {
  return IntegerText(TwoPointMade(p));
}
std::string TwoPointPercent(const PlayerRecord& p) {
  return PercentText(TwoPointMade(p), TwoPointAttempts(p));
}

bool HasScoringRecord(const PlayerRecord& p) {
  return p.rushing || p.receiving || p.fgKicking || p.epKicking || p.twoPoint;
}

std::string TotalYardsLost(const PlayerRecord& p) {
  return IntegerText(Value<slot::defensive, &DefensiveRecord::sackYards>(p) +
                     Value<slot::defensive, &DefensiveRecord::stuffYards>(p));
}

constexpr SectionColumn kPassingColumns[] = {
    {{"ATT ", 3}, Count<slot::passing, &PassingRecord::attempts>},
    {{"COM ", 3}, Count<slot::passing, &PassingRecord::completions>},
    {{"YDS ", 3}, Count<slot::passing, &PassingRecord::yards>},
    {{"PCT ", 3}, Percent<slot::passing, &PassingRecord::completions, &PassingRecord::attempts>},
    {{"TD ", 2}, Count<slot::passing, &PassingRecord::touchdowns>},
    {{"IN ", 2}, Count<slot::passing, &PassingRecord::interceptions>},
    {{"LG ", 2}, Longest<slot::passing, &PassingRecord::longest>},
    {{"1ST ", 3}, Count<slot::passing, &PassingRecord::firstDowns>},
    {{"1ST% ", 4}, Percent<slot::passing, &PassingRecord::firstDowns, &PassingRecord::attempts>},
    {{"BIG ", 3}, Count<slot::passing, &PassingRecord::bigPlays>},
    {{"SAC ", 3}, Count<slot::passing, &PassingRecord::sacks>},
    {{"YDL ", 3}, Count<slot::passing, &PassingRecord::sackYards>},
    {{"RATE", 4}, PassingRate},
};

constexpr SectionColumn kRushingColumns[] = {
    {{"ATT ", 3}, Count<slot::rushing, &RushingRecord::attempts>},
    {{"YDS ", 3}, Count<slot::rushing, &RushingRecord::yards>},
    {{"AVG ", 3}, Average<slot::rushing, &RushingRecord::yards, &RushingRecord::attempts>},
    {{"TD ", 2}, Count<slot::rushing, &RushingRecord::touchdowns>},
    {{"LG ", 2}, Longest<slot::rushing, &RushingRecord::longest>},
    {{"1ST ", 3}, Count<slot::rushing, &RushingRecord::firstDowns>},
    {{"1ST% ", 4}, Percent<slot::rushing, &RushingRecord::firstDowns, &RushingRecord::attempts>},
    {{"STF ", 3}, Count<slot::rushing, &RushingRecord::stuffs>},
    {{"YDL ", 3}, Count<slot::rushing, &RushingRecord::yardsLost>},
    {{"BIG ", 3}, Count<slot::rushing, &RushingRecord::bigPlays>},
    {{"FUM ", 3}, Count<slot::rushing, &RushingRecord::fumbles>},
    {{"LST", 3}, Count<slot::rushing, &RushingRecord::fumblesLost>},
};

constexpr SectionColumn kReceivingColumns[] = {
    {{"REC ", 3}, Count<slot::receiving, &ReceivingRecord::receptions>},
    {{"YDS ", 3}, Count<slot::receiving, &ReceivingRecord::yards>},
    {{"AVG ", 3}, Average<slot::receiving, &ReceivingRecord::yards, &ReceivingRecord::receptions>},
    {{"TD ", 2}, Count<slot::receiving, &ReceivingRecord::touchdowns>},
    {{"LG ", 2}, Longest<slot::receiving, &ReceivingRecord::longest>},
    {{"1ST ", 3}, Count<slot::receiving, &ReceivingRecord::firstDowns>},
    {{"1ST% ", 4},
     Percent<slot::receiving, &ReceivingRecord::firstDowns, &ReceivingRecord::receptions>},
    {{"BIG ", 3}, Count<slot::receiving, &ReceivingRecord::bigPlays>},
    {{"DRP ", 3}, Count<slot::receiving, &ReceivingRecord::drops>},
    {{"FUM ", 3}, Count<slot::receiving, &ReceivingRecord::fumbles>},
    {{"LST", 3}, Count<slot::receiving, &ReceivingRecord::fumblesLost>},
};

constexpr SectionColumn kFieldGoalColumns[] = {
    {{"ATT ", 3}, Count<slot::fgKicking, &FGKickingRecord::attempts>},
    {{"MADE ", 4}, Count<slot::fgKicking, &FGKickingRecord::made>},
    {{"PCT ", 3}, Percent<slot::fgKicking, &FGKickingRecord::made, &FGKickingRecord::attempts>},
    {{"LG ", 2}, Longest<slot::fgKicking, &FGKickingRecord::longest>},
    {{"BLK ", 3}, Count<slot::fgKicking, &FGKickingRecord::blocked>},
    {{"1-29 ", 4},
     Pair<slot::fgKicking, &FGKickingRecord::made1to29, &FGKickingRecord::attempts1to29>},
    {{"30-39 ", 5},
     Pair<slot::fgKicking, &FGKickingRecord::made30to39, &FGKickingRecord::attempts30to39>},
    {{"40-49 ", 5},
     Pair<slot::fgKicking, &FGKickingRecord::made40to49, &FGKickingRecord::attempts40to49>},
    {{"50+", 3},
     Pair<slot::fgKicking, &FGKickingRecord::made50plus, &FGKickingRecord::attempts50plus>},
};

constexpr SectionColumn kExtraPointColumns[] = {
    {{"ATT ", 3}, Count<slot::epKicking, &EPKickingRecord::attempts>},
    {{"MADE ", 4}, Count<slot::epKicking, &EPKickingRecord::made>},
    {{"PCT", 3}, Percent<slot::epKicking, &EPKickingRecord::made, &EPKickingRecord::attempts>},
};

constexpr SectionColumn kTwoPointColumns[] = {
    {{"ATT  ", 3}, Count<slot::twoPoint, &TwoPointRecord::passAttempts>},
    {{"MADE  ", 4}, Count<slot::twoPoint, &TwoPointRecord::passMade>},
    {{"ATT  ", 3}, Count<slot::twoPoint, &TwoPointRecord::rushAttempts>},
    {{"MADE  ", 4}, Count<slot::twoPoint, &TwoPointRecord::rushMade>},
    {{"ATT  ", 3}, Count<slot::twoPoint, &TwoPointRecord::receivingAttempts>},
    {{"MADE  ", 4}, Count<slot::twoPoint, &TwoPointRecord::receivingMade>},
    {{"ATT  ", 3}, TwoPointAttemptsText},
    {{"MADE  ", 4}, TwoPointMadeText},
    {{"PCT", 3}, TwoPointPercent},
};

constexpr ColumnGroup kTwoPointGroups[] = {
    {"PASSING", 0, 2},
    {"RUSHING", 2, 2},
    {"RECEIVING", 4, 2},
    {"TOTAL", 6, 3},
};

constexpr SectionColumn kScoringColumns[] = {
    {{"TDs  ", 3}, TouchdownsText},
    {{"RushTDs  ", 7}, Count<slot::rushing, &RushingRecord::touchdowns>},
    {{"RecTDs  ", 6}, Count<slot::receiving, &ReceivingRecord::touchdowns>},
    {{"FGs  ", 3}, Pair<slot::fgKicking, &FGKickingRecord::made, &FGKickingRecord::attempts>},
    {{"EPs  ", 3}, Pair<slot::epKicking, &EPKickingRecord::made, &EPKickingRecord::attempts>},
    {{"2PT  ", 3}, TwoPointConversionsText},
    {{"TOTAL", 5}, PointsText},
};

constexpr SectionColumn kMiscOffensiveColumns[] = {
    {{"TK ", 2}, Count<slot::miscOff, &MiscOffRecord::tackles>},
    {{"YDS ", 3}, Count<slot::miscOff, &MiscOffRecord::tackleYards>},
    {{"AVG", 3}, Average<slot::miscOff, &MiscOffRecord::tackleYards, &MiscOffRecord::tackles>},
};

constexpr SectionColumn kPuntingColumns[] = {
    {{"PUNTS ", 5}, Count<slot::punting, &PuntingRecord::punts>},
    {{"IN20 ", 4}, Count<slot::punting, &PuntingRecord::inside20>},
    {{"TB ", 2}, Count<slot::punting, &PuntingRecord::touchbacks>},
    {{"BLK ", 3}, Count<slot::punting, &PuntingRecord::blocked>},
    {{"RET", 3}, Count<slot::punting, &PuntingRecord::returned>},
};

constexpr SectionColumn kPuntReturnColumns[] = {
    {{"RET ", 3}, Count<slot::puntReturn, &PuntReturnRecord::returns>},
    {{"YDS ", 3}, Count<slot::puntReturn, &PuntReturnRecord::yards>},
    {{"AVG ", 3}, Average<slot::puntReturn, &PuntReturnRecord::yards, &PuntReturnRecord::returns>},
    {{"TD ", 2}, Count<slot::puntReturn, &PuntReturnRecord::touchdowns>},
    {{"LG ", 2}, Longest<slot::puntReturn, &PuntReturnRecord::longest>},
    {{"FC ", 2}, Count<slot::puntReturn, &PuntReturnRecord::fairCatches>},
    {{"FUM ", 3}, Count<slot::puntReturn, &PuntReturnRecord::fumbles>},
    {{"LST", 3}, Count<slot::puntReturn, &PuntReturnRecord::fumblesLost>},
};

constexpr SectionColumn kKickReturnColumns[] = {
    {{"RET ", 3}, Count<slot::kickReturn, &KickReturnRecord::returns>},
    {{"YDS ", 3}, Count<slot::kickReturn, &KickReturnRecord::yards>},
    {{"AVG ", 3}, Average<slot::kickReturn, &KickReturnRecord::yards, &KickReturnRecord::returns>},
    {{"TD ", 2}, Count<slot::kickReturn, &KickReturnRecord::touchdowns>},
    {{"LG ", 2}, Longest<slot::kickReturn, &KickReturnRecord::longest>},
    {{"FUM ", 3}, Count<slot::kickReturn, &KickReturnRecord::fumbles>},
    {{"LST", 3}, Count<slot::kickReturn, &KickReturnRecord::fumblesLost>},
};

constexpr SectionColumn kSpecialTeamsColumns[] = {
    {{"TK ", 2}, Count<slot::specialTeams, &SpecialTeamsRecord::tackles>},
    {{"YDS ", 3}, Count<slot::specialTeams, &SpecialTeamsRecord::tackleYards>},
    {{"AVG", 3},
     Average<slot::specialTeams, &SpecialTeamsRecord::tackleYards, &SpecialTeamsRecord::tackles>},
};

constexpr SectionColumn kDefensiveColumns[] = {
    {{"TK ", 2}, Count<slot::defensive, &DefensiveRecord::tackles>},
    {{"YDS ", 3}, Count<slot::defensive, &DefensiveRecord::tackleYards>},
    {{"AVG ", 3},
     Average<slot::defensive, &DefensiveRecord::tackleYards, &DefensiveRecord::tackles>},
    {{"SAC ", 3}, Count<slot::defensive, &DefensiveRecord::sacks>},
    {{"SKYDS ", 5}, Count<slot::defensive, &DefensiveRecord::sackYards>},
    {{"STF ", 3}, Count<slot::defensive, &DefensiveRecord::stuffs>},
    {{"YDL ", 3}, Count<slot::defensive, &DefensiveRecord::stuffYards>},
    {{"TOTYL ", 5}, TotalYardsLost},
    {{"PD ", 2}, Count<slot::defensive, &DefensiveRecord::passesDefensed>},
    {{"PTBLK ", 5}, Count<slot::defensive, &DefensiveRecord::puntsBlocked>},
    {{"FGBLK", 5}, Count<slot::defensive, &DefensiveRecord::fieldGoalsBlocked>},
};

constexpr SectionColumn kInterceptionColumns[] = {
    {{"IN ", 2}, Count<slot::interception, &InterceptionRecord::interceptions>},
    {{"YDS ", 3}, Count<slot::interception, &InterceptionRecord::returnYards>},
    {{"TD ", 2}, Count<slot::interception, &InterceptionRecord::touchdowns>},
    {{"FUM ", 3}, Count<slot::interception, &InterceptionRecord::fumbles>},
    {{"LST", 3}, Count<slot::interception, &InterceptionRecord::fumblesLost>},
};

constexpr SectionColumn kRecoveryColumns[] = {
    {{"RCV ", 3}, Count<slot::recovery, &RecoveryRecord::recoveries>},
    {{"YDS ", 3}, Count<slot::recovery, &RecoveryRecord::returnYards>},
    {{"AVG ", 3},
     Average<slot::recovery, &RecoveryRecord::returnYards, &RecoveryRecord::recoveries>},
    {{"TD ", 2}, Count<slot::recovery, &RecoveryRecord::touchdowns>},
    {{"FUM ", 3}, Count<slot::recovery, &RecoveryRecord::fumbles>},
    {{"LST", 3}, Count<slot::recovery, &RecoveryRecord::fumblesLost>},
};

constexpr SectionColumn kPenaltyColumns[] = {
    {{"FLAGGED ", 7}, Count<slot::penalty, &PenaltyRecord::flagged>},
    {{"ACCEPTED ", 8}, Count<slot::penalty, &PenaltyRecord::accepted>},
    {{"YARDS", 5}, Count<slot::penalty, &PenaltyRecord::yards>},
};

using Id = SectionId;
using Tags = PositionTags;

constexpr PlayerSection kSections[] = {
    {Id::kPassing,
     "---Passing Stats",
     stats::kPassingRating,
     Has<slot::passing>,
     Tags::kOffensive,
     1,
     kPassingColumns,
     {},
     false},
    {Id::kRushing,
     "---Rushing Stats",
     stats::kRushingYards,
     Has<slot::rushing>,
     Tags::kOffensive,
     1,
     kRushingColumns,
     {},
     false},
    {Id::kReceiving,
     "---Receiving Stats",
     stats::kReceivingYards,
     Has<slot::receiving>,
     Tags::kOffensive,
     1,
     kReceivingColumns,
     {},
     false},
    {Id::kFieldGoal,
     "---Field Goal Stats",
     stats::kFieldGoalPercentage,
     Has<slot::fgKicking>,
     Tags::kOffensive,
     1,
     kFieldGoalColumns,
     {},
     false},
    {Id::kExtraPoint,
     "---Extra Point Stats",
     stats::kExtraPointPercentage,
     Has<slot::epKicking>,
     Tags::kOffensive,
     1,
     kExtraPointColumns,
     {},
     false},
    {Id::kTwoPoint, "---2 Point Conversion Stats", stats::kTwoPointConversions, Has<slot::twoPoint>,
     Tags::kOffensive, 2, kTwoPointColumns, kTwoPointGroups, false},
    {Id::kScoring,
     "---Scoring Stats",
     stats::kScoring,
     HasScoringRecord,
     Tags::kOffensive,
     2,
     kScoringColumns,
     {},
     true},
    {Id::kMiscOffensive,
     "---Misc Offensive Stats",
     stats::kMiscOffensiveTackles,
     Has<slot::miscOff>,
     Tags::kOffensive,
     1,
     kMiscOffensiveColumns,
     {},
     true},
    {Id::kPunting,
     "---Punting Stats",
     stats::kPunts,
     Has<slot::punting>,
     Tags::kOffensive,
     1,
     kPuntingColumns,
     {},
     false},
    {Id::kPuntReturn,
     "---Punt Return Stats",
     stats::kPuntReturnAverage,
     Has<slot::puntReturn>,
     Tags::kDefensive,
     1,
     kPuntReturnColumns,
     {},
     false},
    {Id::kKickReturn,
     "---Kick Return Stats",
     stats::kKickReturnAverage,
     Has<slot::kickReturn>,
     Tags::kDefensive,
     1,
     kKickReturnColumns,
     {},
     false},
    {Id::kSpecialTeams,
     "---Special Teams Stats",
     stats::kSpecialTeamsTackles,
     Has<slot::specialTeams>,
     Tags::kOffensive,
     1,
     kSpecialTeamsColumns,
     {},
     false},
    {Id::kDefensive,
     "---Defensive Stats",
     stats::kDefensiveTackles,
     Has<slot::defensive>,
     Tags::kDefensive,
     1,
     kDefensiveColumns,
     {},
     false},
    {Id::kInterception,
     "---Interception Stats",
     stats::kInterceptions,
     Has<slot::interception>,
     Tags::kDefensive,
     1,
     kInterceptionColumns,
     {},
     false},
    {Id::kRecovery,
     "---Recovery Stats",
     stats::kRecoveries,
     Has<slot::recovery>,
     Tags::kBySide,
     1,
     kRecoveryColumns,
     {},
     false},
    {Id::kPenalty,
     "---Penalty Stats",
     stats::kPenalties,
     Has<slot::penalty>,
     Tags::kBySide,
     1,
     kPenaltyColumns,
     {},
     false},
};

static_assert(std::size(kSections) == kSectionCount);

}  // namespace

std::span<const PlayerSection> PlayerSections() {
  return kSections;
}

}  // namespace yl::reports
