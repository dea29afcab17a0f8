// Possession groups: the label operations, the label of the next play, the
// naming of groups by scores, rosters and punts, the sides of undecided
// players, and labels far beyond the first hundred.
#include "transcript/possession.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "transcript/game_reader.h"
#include "transcript/line_parser_fixture.h"

namespace yl::transcript {
namespace {

class PossessionTest : public test::LineParserTest {
 protected:
  PossessionTest() {
    home = league::FindOrCreateTeam(league, "Lions");
    visiting = league::FindOrCreateTeam(league, "Bears");
  }

  league::PlayerRecord* Player(const char* name, int group, std::string team = "",
                               bool open = true) {
    league::PlayerRecord* p =
        league::AddPlayer(league, name, static_cast<std::int16_t>(10 + std::ssize(league.players)));
    game->players.Name(*p);
    In(p).teamGroup = static_cast<std::int16_t>(group);
    p->teamName = std::move(team);
    In(p).teamOpen = open;
    return p;
  }

  league::TeamRecord* home = nullptr;
  league::TeamRecord* visiting = nullptr;
};

// The game's named players are kept in the league's newest-first order
// whatever order the game names them in: the group walks' first match
// depends on it. A new game starts an empty list.
TEST_F(PossessionTest, TheGamesNamedPlayersKeepTheLeaguesOrder) {
  league::PlayerRecord* rostered = league::AddPlayer(league, "R", 40);  // not yet named
  league::PlayerRecord* a = league::FindOrCreatePlayer(league, "#1 A");
  league::PlayerRecord* b = league::FindOrCreatePlayer(league, "#2 B");
  NamePlayer(context, "#1 A");
  league::PlayerRecord* c = NamePlayer(context, "#3 C");
  NamePlayer(context, "#40 R");
  NamePlayer(context, "#2 B");
  NamePlayer(context, "#1 A");
  const auto named = game->players.Named();
  EXPECT_EQ(std::vector(named.begin(), named.end()),
            (std::vector<league::PlayerRecord*>{c, b, a, rostered}));
  GamePlayers next;
  next.Name(*b);
  EXPECT_EQ(next.Named().size(), 1u);
}

// --- The label of the next play ---

struct NextCase {
  const char* name;
  CurrentPlay play;
  int expected;
};

void PrintTo(const NextCase& c, std::ostream* out) {
  *out << c.name;
}

// G (groupAtSnap) 5, A (groupAfter) 7, L (possessionLabel) 8, counter 9:
// a new label is 10.
CurrentPlay Play(PlayResult result = PlayResult::kNone) {
  CurrentPlay p;
  p.groupAtSnap = 5;
  p.groupAfter = 7;
  p.result = result;
  return p;
}

CurrentPlay Down(std::int16_t down, CurrentPlay p = Play()) {
  p.situation.down = down;
  return p;
}

CurrentPlay FourthDown(std::int16_t gained, std::int16_t distance) {
  CurrentPlay p = Down(4);
  p.situation.distance = distance;
  p.gain.yards = gained;
  return p;
}

CurrentPlay With(CurrentPlay p, void (*change)(CurrentPlay&)) {
  change(p);
  return p;
}

// A player for the roles whose holder the rules only ask about.
league::PlayerRecord* Someone() {
  static league::PlayerRecord someone;
  return &someone;
}

void Blocked(CurrentPlay& p) {
  p.SetPlayer(Role::kBlocker, Someone());
}
void Punt(CurrentPlay& p) {
  p.kind = PlayKind::kPunt;
}
void Returned(CurrentPlay& p) {
  p.gain.returnSpot = true;
}

CurrentPlay Penalty(PenaltyKind kind, CurrentPlay p = Play()) {
  p.penalty.called = true;
  p.penalty.accepted = true;
  p.penalty.kind = kind;
  return p;
}

CurrentPlay Extras(PhraseCode first, PhraseCode second, CurrentPlay p = Play()) {
  p.extras.codes.push_back(first);
  p.extras.codes.push_back(second);
  return p;
}

const NextCase kNextCases[] = {
    {"SafetyGivesTheSideAfter", Play(PlayResult::kSafety), 7},
    {"SafetyWithoutSideAfterGivesTheSnap",
     With(Play(PlayResult::kSafety), [](CurrentPlay& p) { p.groupAfter = 0; }), 5},
    {"Touchdown", Play(PlayResult::kTouchdown), 7},
    {"PuntNotFieldedIsUndecided", Play(PlayResult::kPuntNotFielded), 10},
    {"LooseBallOutIsUndecided", Play(PlayResult::kLooseBallOutOfBounds), 10},
    {"TouchbackIsUndecided", Play(PlayResult::kTouchback), 10},
    {"FieldGoalGoodKeepsTheSnap", Play(PlayResult::kFieldGoalGood), 5},
    {"FieldGoalMissedGoesOver", Play(PlayResult::kFieldGoalNoGood), -5},
    {"TryKeepsTheSnap", With(Play(), [](CurrentPlay& p) { p.situation.start = StartKind::kTry; }),
     5},
    {"BlockedPuntIsUndecided", With(With(Down(4), Punt), Blocked), 10},
    {"BlockedFieldGoalIsUndecided",
     With(With(Play(), [](CurrentPlay& p) { p.kind = PlayKind::kFieldGoal; }), Blocked), 10},
    {"BlockedRunIsNoBlockedKick", With(Down(2), Blocked), 8},
    {"NoDownKeepsTheLabel", Play(PlayResult::kTackled), 8},
    {"ThirdDownKeepsTheLabel", Down(3), 8},
    {"FourthDownReturnGivesTheSideAfter", With(FourthDown(0, 5), Returned), 7},
    {"FourthDownPuntReturnKeepsTheLabel", With(With(FourthDown(0, 5), Returned), Punt), 8},
    {"FourthDownPuntKeepsTheLabel", With(FourthDown(40, 5), Punt), 8},
    {"FourthDownLossGoesOver",
     With(FourthDown(9, 5), [](CurrentPlay& p) { p.gain.positive = false; }), -5},
    {"FourthDownShortGainOnInchesIsUndecided",
     With(FourthDown(0, 1),
          [](CurrentPlay& p) {
            p.gain.shortGain = true;
            p.situation.inches = true;
          }),
     10},
    {"FourthDownShortGainOnYardsFallsShort",
     With(FourthDown(0, 1), [](CurrentPlay& p) { p.gain.shortGain = true; }), -5},
    {"FourthDownMoreThanTheDistanceKeepsTheSnap", FourthDown(4, 3), 5},
    {"FourthDownLessThanTheDistanceGoesOver", FourthDown(2, 3), -5},
    {"FourthDownExactlyTheDistanceIsUndecided", FourthDown(3, 3), 10},
    {"FourthDownWithoutYardsIsUndecided",
     With(FourthDown(3, 5), [](CurrentPlay& p) { p.gain.yards.reset(); }), 10},
    {"PilingOnGivesTheSideAfter", Penalty(PenaltyKind::kPilingOn), 7},
    {"FaceMaskGivesTheSideAfter", Penalty(PenaltyKind::kFaceMask), 7},
    {"PersonalFoulGivesTheSideAfter", Penalty(PenaltyKind::kPersonalFoul), 7},
    {"UnsportsmanlikeGivesTheSideAfter", Penalty(PenaltyKind::kUnsportsmanlikeConduct), 7},
    {"IllegalKickGoesOver", Penalty(PenaltyKind::kIllegalKick), -5},
    {"FairCatchInterferenceGoesOver", Penalty(PenaltyKind::kFairCatchInterference), -5},
    {"IllegalBlockOnAPuntGivesTheSideAfter",
     Penalty(PenaltyKind::kIllegalBlock, With(Play(), Punt)), 7},
    {"IllegalBlockOnAKickOffGivesTheSideAfter",
     Penalty(PenaltyKind::kIllegalBlock,
             With(Play(), [](CurrentPlay& p) { p.situation.start = StartKind::kKickOff; })),
     7},
    {"IllegalBlockOnAFreeKickGivesTheSideAfter",
     Penalty(PenaltyKind::kIllegalBlock,
             With(Play(), [](CurrentPlay& p) { p.situation.start = StartKind::kFreeKick; })),
     7},
    {"IllegalBlockOnARunKeepsTheSnap", Penalty(PenaltyKind::kIllegalBlock), 5},
    {"HoldingKeepsTheSnap", Penalty(PenaltyKind::kHolding, Play(PlayResult::kTouchdown)), 5},
    {"DeclinedPenaltyCountsThePlay",
     With(Penalty(PenaltyKind::kHolding, Play(PlayResult::kTouchdown)),
          [](CurrentPlay& p) { p.penalty.accepted = false; }),
     7},
    {"FirstHalfOverGivesTheSecondHalfKickOff", Extras(47, -1, Play(PlayResult::kTouchdown)), -1},
    {"AnotherOvertimeIsUndecided", Extras(44, 25), 10},
    {"AnOvertimeIsUndecided", Extras(43, 34), 10},
    {"OvertimeAnnouncedFirstChangesNothing", Extras(34, -1), 8},
};

class NextPossessionTest : public PossessionTest, public testing::WithParamInterface<NextCase> {};

TEST_P(NextPossessionTest, LabelOfTheNextPlay) {
  game->possessionLabel = 8;
  game->labelCounter = 9;
  NextPossession(*game, GetParam().play);
  EXPECT_EQ(game->possessionLabel, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rules, NextPossessionTest, testing::ValuesIn(kNextCases),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

// --- Group operations ---

TEST_F(PossessionTest, MergeKeepsTheSmallerMagnitudeAndMovesOtherGroups) {
  league::PlayerRecord* a = Player("A", 6);
  league::PlayerRecord* b = Player("B", -4);
  league::PlayerRecord* c = Player("C", 2);
  In(c).otherGroup = -4;
  league::PlayerRecord* d = Player("D", -4);
  In(d).otherGroup = -4;
  MergeGroups(*game, 6, -4);
  EXPECT_EQ(In(a).teamGroup, -4);
  EXPECT_EQ(In(b).teamGroup, -4);
  EXPECT_EQ(game->groupMap[6], -4);
  EXPECT_EQ(game->groupMap[-4], -4);
  EXPECT_EQ(In(c).otherGroup, -4);
  // Merging -4 away: the teamGroup moves; a player whose teamGroup moved
  // keeps his otherGroup.
  MergeGroups(*game, -4, 3);
  EXPECT_EQ(In(b).teamGroup, 3);
  EXPECT_EQ(In(c).otherGroup, 3);
  EXPECT_EQ(In(d).teamGroup, 3);
  EXPECT_EQ(In(d).otherGroup, -4);
}

// The map is one step deep: a label merged twice still points at the label
// of its first merge, whose players have moved on.
TEST_F(PossessionTest, TheMapIsFollowedOneStepOnly) {
  league::PlayerRecord* a = Player("A", 5);
  MergeGroups(*game, 3, 5);
  MergeGroups(*game, 2, 3);
  EXPECT_EQ(In(a).teamGroup, 2);
  EXPECT_EQ(game->groupMap[5], 3);
  AssignTeamToGroup(context, *game, 5, "Bears");
  EXPECT_EQ(a->teamName, "");
  AssignTeamToGroup(context, *game, 3, "Bears");
  EXPECT_EQ(a->teamName, "Bears");
}

TEST_F(PossessionTest, MergingWithNoGroupChangesNothing) {
  league::PlayerRecord* a = Player("A", 4);
  league::PlayerRecord* none = Player("None", 0);
  MergeGroups(*game, 0, 4);
  MergeGroups(*game, 4, 0);
  EXPECT_EQ(In(a).teamGroup, 4);
  EXPECT_EQ(In(none).teamGroup, 0);
  EXPECT_EQ(game->groupMap[4], 4);
  EXPECT_EQ(game->groupMap[0], 0);
}

TEST_F(PossessionTest, AssigningATeamNamesTheGroupAndLogsAFixedOtherTeam) {
  league::PlayerRecord* fresh = Player("Fresh", 3);
  league::PlayerRecord* same = Player("Same", 3, "BEARS", false);
  league::PlayerRecord* open = Player("Open", 3, "Lions", true);
  league::PlayerRecord* fixed = Player("Fixed", 3, "Lions", false);
  league::PlayerRecord* elsewhere = Player("Elsewhere", -3);
  AssignTeamToGroup(context, *game, 3, "Bears");
  EXPECT_EQ(fresh->teamName, "Bears");
  EXPECT_FALSE(In(fresh).teamOpen);
  EXPECT_EQ(same->teamName, "Bears");
  EXPECT_EQ(open->teamName, "Bears");
  EXPECT_FALSE(In(open).teamOpen);
  EXPECT_EQ(fixed->teamName, "Lions");
  EXPECT_EQ(elsewhere->teamName, "");
  EXPECT_EQ(Logged(), std::vector{Entry("Tried to change team name of player", "Fixed")});
}

// Label 0 is no group: naming it would name every player who has none yet,
// players of earlier games included.
TEST_F(PossessionTest, NamingNoGroupNamesNobody) {
  league::PlayerRecord* none = Player("None", 0);
  league::PlayerRecord* fixed = Player("Fixed", 0, "Lions", false);
  AssignTeamToGroup(context, *game, 0, "Bears");
  EXPECT_EQ(none->teamName, "");
  EXPECT_EQ(fixed->teamName, "Lions");
  EXPECT_TRUE(Logged().empty());
}

TEST_F(PossessionTest, TeamOfAGroupIsTheTeamOfItsNamingPlayer) {
  Player("Later", 2, "Lions");
  Player("First", 2, "");  // the head of the list: created last
  MergeGroups(*game, 2, 9);
  const std::int16_t merged = game->groupMap[9];
  EXPECT_EQ(TeamOfGroup(league, game->players, merged, GroupNamer::kFirstPlayer), "");
  EXPECT_EQ(TeamOfGroup(league, game->players, merged, GroupNamer::kFirstWithTeam), "Lions");
  EXPECT_EQ(TeamOfGroup(league, game->players, -2, GroupNamer::kFirstWithTeam), "");
}

TEST_F(PossessionTest, JoinOpposingGroupAfterABlockedKick) {
  play = CurrentPlay();
  play.groupAtSnap = 4;
  league::PlayerRecord* blocker = Player("Blocker", -4);
  league::PlayerRecord* tackler = Player("Tackler", 0);
  play.SetPlayer(Role::kBlocker, blocker);
  EXPECT_EQ(JoinOpposingGroup(*game, play, tackler, blocker, 6), 6);
  EXPECT_EQ(In(tackler).teamGroup, -4);
  play.gain.returnSpot = true;
  EXPECT_EQ(JoinOpposingGroup(*game, play, tackler, blocker, 6), 6);
  EXPECT_EQ(In(tackler).teamGroup, 4);
  // A recovery or an interception makes it a tackle like any other.
  play.recoverers[0] = blocker;
  In(tackler).teamGroup = 0;
  EXPECT_EQ(JoinOpposingGroup(*game, play, tackler, blocker, 6), -4);
  EXPECT_EQ(In(tackler).teamGroup, 4);
}

TEST_F(PossessionTest, ATacklerWithoutCarrierIsAgainstTheSnap) {
  play = CurrentPlay();
  play.groupAtSnap = 4;
  league::PlayerRecord* tackler = Player("Tackler", 7);
  EXPECT_EQ(JoinOpposingGroup(*game, play, tackler, nullptr, 6), 6);
  EXPECT_EQ(In(tackler).teamGroup, -4);
}

// --- Labels beyond the first hundred ---

TEST_F(PossessionTest, EveryLabelHasItsSlots) {
  for (const std::int16_t label :
       {std::int16_t{101}, std::int16_t{-101}, kMaxLabel, static_cast<std::int16_t>(-kMaxLabel)}) {
    EXPECT_EQ(game->groupMap[label], label);
    EXPECT_EQ(game->puntsByGroup[label], 0);
  }
  league::PlayerRecord* a = Player("A", 3000);
  MergeGroups(*game, 3000, -31000);
  EXPECT_EQ(game->groupMap[-31000], 3000);
  ++game->puntsByGroup[-31000];
  EXPECT_EQ(game->puntsByGroup[-31000], 1);
  EXPECT_EQ(game->puntsByGroup[31000], 0);
  EXPECT_EQ(In(a).teamGroup, 3000);
}

TEST_F(PossessionTest, NewLabelsStopAtTheLimit) {
  game->labelCounter = kMaxLabel - 1;
  EXPECT_EQ(NewLabel(*game), kMaxLabel);
  EXPECT_EQ(NewLabel(*game), kMaxLabel);
  EXPECT_EQ(game->labelCounter, kMaxLabel);
}

// --- Naming the groups ---

struct ScoreCase {
  const char* name;
  int previousResult;
  int visitingBefore, homeBefore, visitingNow, homeNow;
  const char* sideAfterTeam;  // the team of the side that had the ball
  const char* otherTeam;
};

void PrintTo(const ScoreCase& c, std::ostream* out) {
  *out << c.name;
}

const ScoreCase kScoreCases[] = {
    {"VisitingScores", 7, 0, 0, 6, 0, "Bears", "Lions"},
    {"HomeScores", 7, 0, 0, 0, 6, "Lions", "Bears"},
    {"VisitingGetsTheSafety", 10, 0, 0, 2, 0, "Lions", "Bears"},
    {"HomeGetsTheSafety", 10, 3, 0, 3, 2, "Bears", "Lions"},
    // Both scores changed: the visiting score decides.
    {"BothChangedVisitingDecides", 7, 0, 0, 7, 3, "Bears", "Lions"},
    {"NoChangeNamesNobody", 7, 3, 3, 3, 3, "", ""},
};

class CarryPossessionTest : public PossessionTest, public testing::WithParamInterface<ScoreCase> {};

CurrentPlay Scores(int visitingScore, int homeScore) {
  CurrentPlay p;
  p.situation.visitingScore = static_cast<std::int16_t>(visitingScore);
  p.situation.homeScore = static_cast<std::int16_t>(homeScore);
  return p;
}

TEST_P(CarryPossessionTest, AChangedScoreNamesTheSides) {
  const ScoreCase& c = GetParam();
  league::PlayerRecord* withBall = Player("WithBall", 3);
  league::PlayerRecord* against = Player("Against", -3);
  CurrentPlay previous = Scores(c.visitingBefore, c.homeBefore);
  previous.result = static_cast<PlayResult>(c.previousResult);
  previous.groupAfter = 3;
  play = Scores(c.visitingNow, c.homeNow);
  game->home = home;
  game->visiting = visiting;
  CarryPossession(context, *game, play, &previous);
  EXPECT_EQ(withBall->teamName, c.sideAfterTeam);
  EXPECT_EQ(against->teamName, c.otherTeam);
}

INSTANTIATE_TEST_SUITE_P(Scores, CarryPossessionTest, testing::ValuesIn(kScoreCases),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

// The record of a failed play has no side after it, and a header that
// failed has no scores: neither names anybody.
TEST_F(PossessionTest, AFailedPreviousPlayNamesNobody) {
  league::PlayerRecord* none = Player("None", 0);
  CurrentPlay failed = Scores(0, 0);
  play = Scores(6, 0);
  game->home = home;
  game->visiting = visiting;
  CarryPossession(context, *game, play, &failed);
  EXPECT_EQ(none->teamName, "");
  const CurrentPlay noHeader;
  CarryPossession(context, *game, play, &noHeader);
  EXPECT_EQ(none->teamName, "");
}

TEST_F(PossessionTest, AFumbleFollowedByALaterDownJoinsTheLabels) {
  league::PlayerRecord* offense = Player("Offense", 2);
  league::PlayerRecord* recoverer = Player("Recoverer", 6);
  league::PlayerRecord* tackler = Player("Tackler", -6);
  CurrentPlay previous;
  previous.groupAtSnap = 2;
  previous.fumble = true;
  for (const std::int16_t down : {std::int16_t{1}, std::int16_t{2}}) {
    play = Down(down);
    play.groupAtSnap = 6;
    CarryFumble(*game, play, &previous);
    EXPECT_EQ(play.groupAtSnap, down == 1 ? 6 : 2);
    EXPECT_EQ(In(recoverer).teamGroup, down == 1 ? 6 : 2);
    EXPECT_EQ(In(tackler).teamGroup, down == 1 ? -6 : -2);
  }
  EXPECT_EQ(In(offense).teamGroup, 2);
}

TEST_F(PossessionTest, RosterPlayersNameTheirGroups) {
  league::PlayerRecord* rostered = Player("Rostered", 4, "Lions", false);
  league::PlayerRecord* mate = Player("Mate", 4);
  league::PlayerRecord* opponent = Player("Opponent", -4);
  league::PlayerRecord* absent = Player("Absent", 0, "Bears", false);
  EXPECT_TRUE(ResolveGroupsByRoster(context, *game));
  EXPECT_EQ(mate->teamName, "Lions");
  EXPECT_EQ(opponent->teamName, "");  // only the player's own group is named
  EXPECT_EQ(rostered->teamName, "Lions");
  EXPECT_EQ(In(absent).teamGroup, 0);
}

// Each roster player names his group in turn, in list order: a player fixed
// to another team is logged at every naming.
TEST_F(PossessionTest, EveryRosterPlayerNamesHisGroupInTurn) {
  league::PlayerRecord* a = Player("A", 4, "Lions", false);
  Player("B", 4, "Bears", false);
  league::PlayerRecord* c = Player("C", 4);
  Player("D", 4, "Lions", false);
  league::PlayerRecord* e = Player("E", 5, "Eagles", false);
  league::PlayerRecord* f = Player("F", 5, "EAGLES", false);
  league::PlayerRecord* g = Player("G", 5, "Eagles", false);
  // List order, newest first: G F E (group 5), then D C B A (group 4).
  EXPECT_TRUE(ResolveGroupsByRoster(context, *game));
  const auto changed = [&](const char* name) {
    return Entry("Tried to change team name of player", name);
  };
  EXPECT_EQ(Logged(), (std::vector{changed("B"), changed("B"), changed("D"), changed("C"),
                                   changed("A"), changed("B")}));
  EXPECT_EQ(a->teamName, "Lions");
  EXPECT_EQ(c->teamName, "Lions");
  // G names the group first; F's "EAGLES" is the same team.
  EXPECT_EQ(e->teamName, "Eagles");
  EXPECT_EQ(f->teamName, "Eagles");
  EXPECT_EQ(g->teamName, "Eagles");
}

TEST_F(PossessionTest, PlayersWithoutAFixedTeamInTheGameNameNothing) {
  Player("Absent", 0, "Bears", false);
  Player("Open", 3, "Bears", true);
  Player("Unnamed", 3);
  EXPECT_FALSE(ResolveGroupsByRoster(context, *game));
}

struct PuntCase {
  const char* name;
  int homePunts;
  int visitingPunts;
  std::vector<std::pair<int, int>> punts;  // label, count
  const char* teamOfThree;                 // the team label 3 gets
  const char* teamOfMinusThree;
};

void PrintTo(const PuntCase& c, std::ostream* out) {
  *out << c.name;
}

const PuntCase kPuntCases[] = {
    {"EqualPuntsDecideNothing", 4, 4, {{3, 4}}, "", ""},
    {"HomePuntsMatch", 4, 5, {{3, 4}}, "Lions", "Bears"},
    {"VisitingPuntsMatch", 4, 5, {{3, 5}}, "Bears", "Lions"},
    {"OpponentsLabelMatchesHome", 4, 5, {{-3, 4}}, "Bears", "Lions"},
    {"OpponentsLabelMatchesVisiting", 4, 5, {{-3, 5}}, "Lions", "Bears"},
    // Labels are tried from 1 up: a label without punts matches a team
    // without punts before label 3 is reached.
    {"ALabelWithoutPuntsMatchesATeamWithout", 0, 5, {{3, 5}}, "", ""},
    {"TheFirstLabelThatMatchesDecides", 4, 5, {{2, 5}, {3, 5}}, "", ""},
    {"ALabelPastOneHundred", 4, 5, {{-150, 4}}, "", ""},
};

class PuntsTest : public PossessionTest, public testing::WithParamInterface<PuntCase> {};

TEST_P(PuntsTest, PuntCountsNameTheGroups) {
  const PuntCase& c = GetParam();
  league::PlayerRecord* three = Player("Three", 3);
  league::PlayerRecord* minusThree = Player("MinusThree", -3);
  game->labelCounter = 200;
  for (const auto& [label, count] : c.punts) {
    game->puntsByGroup[static_cast<std::int16_t>(label)] = static_cast<std::uint16_t>(count);
  }
  home->own.punts = c.homePunts;
  visiting->own.punts = c.visitingPunts;
  ResolveGroupsByPunts(context, *game, *home, *visiting);
  EXPECT_EQ(three->teamName, c.teamOfThree);
  EXPECT_EQ(minusThree->teamName, c.teamOfMinusThree);
}

INSTANTIATE_TEST_SUITE_P(Punts, PuntsTest, testing::ValuesIn(kPuntCases),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

TEST_F(PossessionTest, APuntCountPastOneHundredNamesItsLabel) {
  league::PlayerRecord* kicker = Player("Kicker", -150);
  league::PlayerRecord* receiver = Player("Receiver", 150);
  game->labelCounter = 150;
  game->puntsByGroup[-150] = 4;
  home->own.punts = 4;
  visiting->own.punts = 5;
  ResolveGroupsByPunts(context, *game, *home, *visiting);
  EXPECT_EQ(kicker->teamName, "Lions");
  EXPECT_EQ(receiver->teamName, "Bears");
}

TEST_F(PossessionTest, UndecidedPlayersTakeTheirSideFromTheirLastPlay) {
  Player("NamelessOffense", 5, "");
  league::PlayerRecord* carrier = Player("Carrier", 2, "Bears");
  In(carrier).otherGroup = 2;
  league::PlayerRecord* tackler = Player("Tackler", -2, "Lions");
  In(tackler).otherGroup = 2;
  league::PlayerRecord* caseDiffers = Player("CaseDiffers", 2, "BEARS");
  In(caseDiffers).otherGroup = 2;
  league::PlayerRecord* decided = Player("Decided", -2, "Lions");
  In(decided).otherGroup = 2;
  decided->side = league::kOffense;
  league::PlayerRecord* noPlay = Player("NoPlay", -2, "Lions");
  league::PlayerRecord* unnamedGroup = Player("UnnamedGroup", -5, "Lions");
  In(unnamedGroup).otherGroup = 5;
  league::PlayerRecord* noTeam = Player("NoTeam", -2, "");
  In(noTeam).otherGroup = 2;
  Player("Offense", 2, "Bears");  // the head of the list: his team is group 2's
  ResolveDefenders(league, *game);
  EXPECT_EQ(carrier->side, league::kOffense);
  EXPECT_EQ(tackler->side, league::kDefense);
  EXPECT_EQ(caseDiffers->side, league::kDefense);  // names compared exactly
  EXPECT_EQ(decided->side, league::kOffense);
  EXPECT_EQ(noPlay->side, league::kUndecided);
  EXPECT_EQ(unnamedGroup->side, league::kUndecided);
  EXPECT_EQ(noTeam->side, league::kUndecided);
}

}  // namespace
}  // namespace yl::transcript
