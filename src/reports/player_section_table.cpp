// The sixteen team player stat sections: their titles, keys and the columns
// they pick from the statistics.
#include "reports/player_section_table.h"

#include "league/stat_records.h"
#include "reports/stat_columns.h"

namespace yl::reports {

namespace {

using league::PlayerRecord;
using stats::Has;
using stats::HasScoringRecord;

using namespace stat;

constexpr StatColumn kPassingColumns[] = {
    {"ATT", &kPassAttempts},   {"COM", &kCompletions},    {"YDS", &kPassYards},
    {"PCT", &kCompletionRate}, {"TD", &kPassTouchdowns},  {"IN", &kInterceptionsThrown},
    {"LG", &kLongestPass},     {"1ST", &kPassFirstDowns}, {"1ST%", &kPassFirstDownRate},
    {"BIG", &kPassBigPlays},   {"SAC", &kSacked},         {"YDL", &kSackedYards},
    {"RATE", &kPasserRating},
};

constexpr StatColumn kRushingColumns[] = {
    {"ATT", &kRushAttempts},       {"YDS", &kRushYards},   {"AVG", &kRushAverage},
    {"TD", &kRushTouchdowns},      {"LG", &kLongestRush},  {"1ST", &kRushFirstDowns},
    {"1ST%", &kRushFirstDownRate}, {"STF", &kStuffed},     {"YDL", &kRushYardsLost},
    {"BIG", &kRushBigPlays},       {"FUM", &kRushFumbles}, {"LST", &kRushFumblesLost},
};

constexpr StatColumn kReceivingColumns[] = {
    {"REC", &kReceptions},          {"YDS", &kReceivingYards},       {"AVG", &kCatchAverage},
    {"TD", &kReceivingTouchdowns},  {"LG", &kLongestReception},      {"1ST", &kReceivingFirstDowns},
    {"1ST%", &kCatchFirstDownRate}, {"BIG", &kReceivingBigPlays},    {"DRP", &kDrops},
    {"FUM", &kReceivingFumbles},    {"LST", &kReceivingFumblesLost},
};

constexpr StatColumn kFieldGoalColumns[] = {
    {"ATT", &kFieldGoalAttempts},  {"MADE", &kFieldGoalsScored},  {"PCT", &kFieldGoalRate},
    {"LG", &kLongestFieldGoal},    {"BLK", &kFieldGoalsBlocked},  {"1-29", &kFieldGoals1to29},
    {"30-39", &kFieldGoals30to39}, {"40-49", &kFieldGoals40to49}, {"50+", &kFieldGoals50Plus},
};

constexpr StatColumn kExtraPointColumns[] = {
    {"ATT", &kExtraPointAttempts},
    {"MADE", &kExtraPointsScored},
    {"PCT", &kExtraPointRate},
};

constexpr StatColumn kTwoPointColumns[] = {
    {"ATT", &kTwoPointPassAttempts},  {"MADE", &kTwoPointPassMade},
    {"ATT", &kTwoPointRushAttempts},  {"MADE", &kTwoPointRushMade},
    {"ATT", &kTwoPointCatchAttempts}, {"MADE", &kTwoPointCatchMade},
    {"ATT", &kTwoPointAttempts},      {"MADE", &kTwoPointMade},
    {"PCT", &kTwoPointRate},
};

constexpr ColumnGroup kTwoPointGroups[] = {
    {"PASSING", 0, 2},
    {"RUSHING", 2, 2},
    {"RECEIVING", 4, 2},
    {"TOTAL", 6, 3},
};

constexpr StatColumn kMiscOffensiveColumns[] = {
    {"TK", &kMiscTackles},
    {"YDS", &kMiscTackleYards},
    {"AVG", &kMiscTackleAverage},
};

constexpr StatColumn kPuntingColumns[] = {
    {"PUNTS", &kPunts},      {"IN20", &kPuntsInside20}, {"TB", &kPuntTouchbacks},
    {"BLK", &kPuntsBlocked}, {"RET", &kPuntsReturned},
};

constexpr StatColumn kPuntReturnColumns[] = {
    {"RET", &kPuntReturns},         {"YDS", &kPuntReturnYards},       {"AVG", &kPuntReturnAverage},
    {"TD", &kPuntReturnTouchdowns}, {"LG", &kLongestPuntReturn},      {"FC", &kFairCatches},
    {"FUM", &kPuntReturnFumbles},   {"LST", &kPuntReturnFumblesLost},
};

constexpr StatColumn kKickReturnColumns[] = {
    {"RET", &kKickReturns},           {"YDS", &kKickReturnYards},  {"AVG", &kKickReturnAverage},
    {"TD", &kKickReturnTouchdowns},   {"LG", &kLongestKickReturn}, {"FUM", &kKickReturnFumbles},
    {"LST", &kKickReturnFumblesLost},
};

constexpr StatColumn kSpecialTeamsColumns[] = {
    {"TK", &kSpecialTackles},
    {"YDS", &kSpecialTackleYards},
    {"AVG", &kSpecialTackleAverage},
};

constexpr StatColumn kDefensiveColumns[] = {
    {"TK", &kTackles},       {"YDS", &kTackleYards},       {"AVG", &kTackleAverage},
    {"SAC", &kSacks},        {"SKYDS", &kSackYards},       {"STF", &kStuffs},
    {"YDL", &kStuffYards},   {"TOTYL", &kYardsLost},       {"PD", &kPassesDefensed},
    {"PTBLK", &kPuntBlocks}, {"FGBLK", &kFieldGoalBlocks},
};

constexpr StatColumn kInterceptionColumns[] = {
    {"IN", &kInterceptions},
    {"YDS", &kInterceptionYards},
    {"TD", &kInterceptionTouchdowns},
    {"FUM", &kInterceptionFumbles},
    {"LST", &kInterceptionFumblesLost},
};

constexpr StatColumn kRecoveryColumns[] = {
    {"RCV", &kRecoveries},        {"YDS", &kRecoveryYards},   {"AVG", &kRecoveryAverage},
    {"TD", &kRecoveryTouchdowns}, {"FUM", &kRecoveryFumbles}, {"LST", &kRecoveryFumblesLost},
};

constexpr StatColumn kPenaltyColumns[] = {
    {"FLAGGED", &kFlagged},
    {"ACCEPTED", &kAccepted},
    {"YARDS", &kPenaltyYards},
};

using Id = SectionId;
using Tags = PositionTags;

constexpr std::span<const ColumnGroup> kNoGroups;

constexpr PlayerSection kSections[] = {
    {Id::kPassing, "---Passing Stats", stats::kPassingRating, Has<&PlayerRecord::passing>,
     Tags::kOffensive, kPassingColumns},
    {Id::kRushing, "---Rushing Stats", stats::kRushingYards, Has<&PlayerRecord::rushing>,
     Tags::kOffensive, kRushingColumns},
    {Id::kReceiving, "---Receiving Stats", stats::kReceivingYards, Has<&PlayerRecord::receiving>,
     Tags::kOffensive, kReceivingColumns},
    {Id::kFieldGoal, "---Field Goal Stats", stats::kFieldGoalPercentage,
     Has<&PlayerRecord::fgKicking>, Tags::kOffensive, kFieldGoalColumns},
    {Id::kExtraPoint, "---Extra Point Stats", stats::kExtraPointPercentage,
     Has<&PlayerRecord::epKicking>, Tags::kOffensive, kExtraPointColumns},
    {Id::kTwoPoint, "---2 Point Conversion Stats", stats::kTwoPointConversions,
     Has<&PlayerRecord::twoPoint>, Tags::kOffensive, kTwoPointColumns, 2, kTwoPointGroups, false},
    {Id::kScoring, "---Scoring Stats", stats::kScoring, HasScoringRecord, Tags::kOffensive,
     kScoringColumns, 2, kNoGroups, true},
    {Id::kMiscOffensive,
     "---Misc Offensive Stats",
     stats::kMiscOffensiveTackles,
     Has<&PlayerRecord::miscOff>,
     Tags::kOffensive,
     kMiscOffensiveColumns,
     1,
     {},
     true},
    {Id::kPunting, "---Punting Stats", stats::kPunts, Has<&PlayerRecord::punting>, Tags::kOffensive,
     kPuntingColumns},
    {Id::kPuntReturn, "---Punt Return Stats", stats::kPuntReturnAverage,
     Has<&PlayerRecord::puntReturn>, Tags::kDefensive, kPuntReturnColumns},
    {Id::kKickReturn, "---Kick Return Stats", stats::kKickReturnAverage,
     Has<&PlayerRecord::kickReturn>, Tags::kDefensive, kKickReturnColumns},
    {Id::kSpecialTeams, "---Special Teams Stats", stats::kSpecialTeamsTackles,
     Has<&PlayerRecord::specialTeams>, Tags::kOffensive, kSpecialTeamsColumns},
    {Id::kDefensive, "---Defensive Stats", stats::kDefensiveTackles, Has<&PlayerRecord::defensive>,
     Tags::kDefensive, kDefensiveColumns},
    {Id::kInterception, "---Interception Stats", stats::kInterceptions,
     Has<&PlayerRecord::interception>, Tags::kDefensive, kInterceptionColumns},
    {Id::kRecovery, "---Recovery Stats", stats::kRecoveries, Has<&PlayerRecord::recovery>,
     Tags::kBySide, kRecoveryColumns},
    {Id::kPenalty, "---Penalty Stats", stats::kPenalties, Has<&PlayerRecord::penalty>,
     Tags::kBySide, kPenaltyColumns},
};

static_assert(std::size(kSections) == kSectionCount);

}  // namespace

std::span<const PlayerSection> PlayerSections() {
  return kSections;
}

}  // namespace yl::reports
