// Crediting scrimmage downs: rushing, passing and receiving with their first
// downs, big plays and touchdowns, sacks, tackles, pass defence and penalties.
#include "stats/scrimmage_credit.h"

#include "stats/play_fixture.h"

namespace yl::stats::test {
namespace {

TEST_F(PlayFixture, AThreeYardLossAsTheOnlyRushIsTheLongest) {
  PlayerRecord* runner = Player("Carter", 33, kOffense);
  PlayerRecord* tackler = Player("Brooks", 91, kDefense);
  CurrentPlay& play = Rush(runner, 3, false);
  play.SetPlayer(Role::kTackler, tackler);
  Credit();
  const RushingRecord& r = *runner->rushing;
  EXPECT_EQ(r.attempts, 1);
  EXPECT_EQ(r.yards, -3);
  EXPECT_EQ(r.longest, -3);
  EXPECT_EQ(r.stuffs, 1);
  EXPECT_EQ(r.yardsLost, 3);
  const DefensiveRecord& d = *tackler->defensive;
  EXPECT_EQ(d.tackles, 1);
  EXPECT_EQ(d.tackleYards, -3);
  EXPECT_EQ(d.stuffs, 1);
  EXPECT_EQ(d.stuffYards, 3);
  ASSERT_TRUE(longest.longestRushes);
  EXPECT_EQ(longest.longestRushes->entries[0].yards, -3);
}

// A run on first-and-10, then a next play (or none).
struct FirstDownCase {
  const char* name;
  std::int16_t gained;
  bool next;
  std::int16_t nextGroup;  // 4 is merged into 1
  std::int16_t nextDown;
  bool periodBreak;
  std::int32_t firstDowns;
  bool noDistance = false;  // a header without down and distance
};

class RunFirstDowns : public PlayFixture, public testing::WithParamInterface<FirstDownCase> {};

TEST_P(RunFirstDowns, ExactDistanceWaitsForTheNextPlay) {
  const FirstDownCase& c = GetParam();
  read.groupMap.Merge(4, 1);
  PlayerRecord* runner = Player("Carter", 33, kOffense);
  CurrentPlay& rush = Rush(runner, c.gained);
  rush.periodBreak = c.periodBreak;
  if (c.noDistance) rush.situation.distance.reset();
  if (c.next) Down(c.nextDown, 10, c.nextGroup);
  Credit();
  EXPECT_EQ(runner->rushing->firstDowns, c.firstDowns);
  EXPECT_EQ(game.pendingCount, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RunFirstDowns,
    testing::Values(FirstDownCase{"SameSideFirstDown", 10, true, 1, 1, false, 1},
                    FirstDownCase{"MergedLabelIsTheSameSide", 10, true, 4, 1, false, 1},
                    FirstDownCase{"ChangeOfPossession", 10, true, -1, 1, false, 0},
                    FirstDownCase{"EndOfHalf", 10, true, 1, 1, true, 0},
                    FirstDownCase{"NextIsSecondDown", 10, true, 1, 2, false, 0},
                    FirstDownCase{"LastPlayOfTheGame", 10, false, 0, 0, false, 0},
                    FirstDownCase{"BeyondTheDistance", 11, false, 0, 0, false, 1},
                    FirstDownCase{"ShortOfTheDistance", 9, true, 1, 1, false, 0},
                    FirstDownCase{"NoDistanceNoFirstDown", 15, true, 1, 1, false, 0, true}),
    [](const testing::TestParamInfo<FirstDownCase>& paramInfo) { return paramInfo.param.name; });

TEST_F(PlayFixture, AnExactDistanceCatchConfirmsPasserAndReceiver) {
  PlayerRecord* passer = Player("Young", 8, kOffense);
  PlayerRecord* receiver = Player("Rice", 80, kOffense);
  Pass(passer, receiver, 10);
  Down();
  Credit();
  EXPECT_EQ(passer->passing->firstDowns, 1);
  EXPECT_EQ(receiver->receiving->firstDowns, 1);
}

struct BigPlayCase {
  transcript::PlayKind kind;
  std::int16_t yards;
  std::int32_t bigPlays;
};

class BigPlays : public PlayFixture, public testing::WithParamInterface<BigPlayCase> {};

TEST_P(BigPlays, CountFromTenYardRunsAndTwentyFiveYardCatches) {
  const BigPlayCase& c = GetParam();
  PlayerRecord* ball = Player("Rice", 80, kOffense);
  PlayerRecord* passer = Player("Young", 8, kOffense);
  if (c.kind == PlayKind::kPass) {
    Pass(passer, ball, c.yards);
  } else {
    Rush(ball, c.yards);
  }
  Credit();
  if (c.kind == PlayKind::kPass) {
    EXPECT_EQ(passer->passing->bigPlays, c.bigPlays);
    EXPECT_EQ(ball->receiving->bigPlays, c.bigPlays);
  } else {
    EXPECT_EQ(ball->rushing->bigPlays, c.bigPlays);
  }
}

INSTANTIATE_TEST_SUITE_P(Table, BigPlays,
                         testing::Values(BigPlayCase{PlayKind::kRush, 9, 0},
                                         BigPlayCase{PlayKind::kRush, 10, 1},
                                         BigPlayCase{PlayKind::kPass, 24, 0},
                                         BigPlayCase{PlayKind::kPass, 25, 1}));

TEST_F(PlayFixture, ATouchdownRunIsABigPlayButNoFirstDown) {
  PlayerRecord* runner = Player("Carter", 33, kOffense);
  Rush(runner, 12).result = PlayResult::kTouchdown;
  Down();  // even a first down by the same side cannot make it one
  Credit();
  const RushingRecord& r = *runner->rushing;
  EXPECT_EQ(r.touchdowns, 1);
  EXPECT_EQ(r.bigPlays, 1);
  EXPECT_EQ(r.firstDowns, 0);
  const auto entries = Entries();
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0]->kind, ScoringKind::kRushingTouchdown);
  EXPECT_EQ(entries[0]->team, "Bears");
  EXPECT_EQ(entries[0]->player1, "Carter");
  EXPECT_EQ(entries[0]->number1, 33);
  EXPECT_EQ(entries[0]->yards, 12);
  // 12:05 on the clock is 2:55 into the quarter.
  EXPECT_EQ(entries[0]->quarter, 1);
  EXPECT_EQ(entries[0]->minutes, 2);
  EXPECT_EQ(entries[0]->seconds, 55);
}

TEST_F(PlayFixture, ATouchdownPassNamesPasserThenReceiverInOneEntry) {
  PlayerRecord* passer = Player("Young", 8, kOffense);
  PlayerRecord* receiver = Player("Rice", 80, kOffense);
  Pass(passer, receiver, 40, PlayResult::kTouchdown);
  Credit();
  EXPECT_EQ(passer->passing->touchdowns, 1);
  EXPECT_EQ(receiver->receiving->touchdowns, 1);
  const auto entries = Entries();
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0]->kind, ScoringKind::kPassingTouchdown);
  EXPECT_EQ(entries[0]->player1, "Young");
  EXPECT_EQ(entries[0]->player2, "Rice");
  EXPECT_EQ(entries[0]->number2, 80);
  EXPECT_TRUE(scoring.appendNext);
}

TEST_F(PlayFixture, ACatchByADefenderCreditsThePasserOnly) {
  PlayerRecord* passer = Player("Young", 8, kOffense);
  PlayerRecord* catcher = Player("Lott", 42, kDefense);
  Pass(passer, catcher, 30, PlayResult::kTouchdown);
  Credit();
  EXPECT_EQ(passer->passing->completions, 1);
  EXPECT_EQ(passer->passing->yards, 30);
  EXPECT_FALSE(catcher->receiving);
  EXPECT_EQ(longest.longestReceptions, std::nullopt);
  // The passer's touchdown entry is not left open for the next event.
  const auto entries = Entries();
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0]->player1, "Young");
  EXPECT_EQ(entries[0]->player2, "Lott");
  EXPECT_TRUE(scoring.appendNext);
}

TEST_F(PlayFixture, ACompletionFumbledToTheDefenceGainsNoYards) {
  PlayerRecord* passer = Player("Young", 8, kOffense);
  PlayerRecord* receiver = Player("Rice", 80, kOffense);
  PlayerRecord* defender = Player("Lott", 42, kDefense);
  Fumbles(Pass(passer, receiver, 15), {{receiver, defender}});
  Credit();
  EXPECT_EQ(passer->passing->attempts, 1);
  EXPECT_EQ(passer->passing->completions, 1);
  EXPECT_EQ(passer->passing->yards, 0);
  const ReceivingRecord& r = *receiver->receiving;
  EXPECT_EQ(r.receptions, 1);
  EXPECT_EQ(r.fumbles, 1);
  EXPECT_EQ(r.fumblesLost, 1);
  EXPECT_EQ(r.yards, 0);
  EXPECT_EQ(defender->recovery->recoveries, 1);
  EXPECT_EQ(longest.longestPasses, std::nullopt);
}

TEST_F(PlayFixture, ASackGoesToTheTacklerWhenOneIsNamedElseToTheSacker) {
  for (const bool named : {false, true}) {
    SCOPED_TRACE(named);
    league::ReleaseLeague(league);
    read.players = transcript::GamePlayers{};
    plays.clear();
    PlayerRecord* quarterback = Player("Young", 8, kOffense, 9);
    PlayerRecord* sacked = Player("Other", 12, kOffense);
    PlayerRecord* sacker = Player("Taylor", 56, kDefense);
    PlayerRecord* tackler = Player("Brooks", 91, kDefense);
    CurrentPlay& play = Down();
    play.kind = PlayKind::kSack;
    play.SetPlayer(Role::kSacker, sacker);
    play.SetPlayer(Role::kSacked, sacked);
    if (named) play.SetPlayer(Role::kTackler, tackler);
    Gain(play, 7, false);
    Credit();
    // The offense's quarterback is charged, whoever was named.
    EXPECT_EQ(quarterback->passing->sacks, 1);
    EXPECT_EQ(quarterback->passing->sackYards, 7);
    EXPECT_FALSE(sacked->passing);
    EXPECT_EQ(sacker->defensive.has_value(), !named);
    if (named) {
      EXPECT_EQ(tackler->defensive->tackles, 1);
      EXPECT_EQ(tackler->defensive->tackleYards, -7);
      EXPECT_EQ(tackler->defensive->stuffs, 0);  // a sack is no stuff
    } else {
      EXPECT_EQ(sacker->defensive->sacks, 1);
      EXPECT_EQ(sacker->defensive->sackYards, 7);
    }
  }
}

TEST_F(PlayFixture, IncompletePassesCreditDropsDefendersAndBlocks) {
  PlayerRecord* passer = Player("Young", 8, kOffense);
  PlayerRecord* dropper = Player("Rice", 80, kOffense);
  PlayerRecord* covered = Player("Lott", 42, kDefense);
  PlayerRecord* breaker = Player("Sanders", 21, kDefense);
  PlayerRecord* blocker = Player("White", 92, kDefense);
  PlayerRecord* undecided = Player("Nobody", 50, kUndecided);
  for (PlayerRecord* target : {dropper, covered, undecided}) {
    CurrentPlay& play = Pass(passer, nullptr, 0, PlayResult::kIncomplete);
    play.SetPlayer(Role::kTarget, target);
  }
  CurrentPlay& broken = Pass(passer, nullptr, 0, PlayResult::kIncomplete);
  broken.SetPlayer(Role::kDefender, breaker);
  broken.SetPlayer(Role::kBlocker, blocker);
  Credit();
  EXPECT_EQ(passer->passing->attempts, 4);
  EXPECT_EQ(passer->passing->completions, 0);
  EXPECT_EQ(dropper->receiving->drops, 1);
  EXPECT_EQ(covered->defensive->passesDefensed, 1);
  EXPECT_FALSE(undecided->receiving);
  EXPECT_FALSE(undecided->defensive);
  EXPECT_EQ(breaker->defensive->passesDefensed, 1);
  EXPECT_EQ(blocker->defensive->passesDefensed, 1);
}

TEST_F(PlayFixture, AnInterceptionReturnedForATouchdown) {
  PlayerRecord* passer = Player("Young", 8, kOffense);
  PlayerRecord* interceptor = Player("Lott", 42, kDefense);
  CurrentPlay& play = Pass(passer, nullptr, 55, PlayResult::kTouchdown);
  play.SetPlayer(Role::kInterceptor, interceptor);
  Credit();
  EXPECT_EQ(passer->passing->interceptions, 1);
  EXPECT_EQ(passer->passing->touchdowns, 0);
  EXPECT_EQ(interceptor->interception->interceptions, 1);
  EXPECT_EQ(interceptor->interception->returnYards, 55);
  EXPECT_EQ(interceptor->interception->touchdowns, 1);
  ASSERT_EQ(Entries().size(), 1u);
  EXPECT_EQ(Entries()[0]->kind, ScoringKind::kInterceptionReturnTouchdown);
  EXPECT_EQ(Entries()[0]->team, "Lions");
}

// Merges as the game recorded them: 3 into 1, 5 into 2 and later 2 into 1;
// 7 and -7 were merged into each other.
transcript::GroupMap Merged() {
  transcript::GroupMap merges;
  merges.Merge(3, 1);
  merges.Merge(5, 2);
  merges.Merge(2, 1);
  merges.Merge(7, -7);
  merges.Merge(-7, 7);
  return merges;
}

TEST_F(PlayFixture, GroupsFollowChainedMergesAndStopOnALoop) {
  read.groupMap = Merged();
  EXPECT_EQ(game.Group(5), 1);
  EXPECT_EQ(game.Group(3), 1);
  EXPECT_EQ(game.Group(-1), -1);
  const std::int16_t loop = game.Group(7);
  EXPECT_TRUE(loop == 7 || loop == -7);
}

TEST_F(PlayFixture, AMissingPasserIsTheQuarterbackOfTheSideWithTheBall) {
  read.groupMap = Merged();
  PlayerRecord* quarterback = Player("Young", 8, kOffense, 9);
  In(quarterback).otherGroup = 3;
  Player("Montana", 16, kDefense, 9);  // a defender with the same position code
  CurrentPlay& play = Down(1, 10, 5);
  play.kind = PlayKind::kPass;
  play.result = PlayResult::kIncomplete;
  Credit();
  ASSERT_TRUE(quarterback->passing);
  EXPECT_EQ(quarterback->passing->attempts, 1);
}

TEST_F(PlayFixture, APenaltyIsFlaggedAndWhenAcceptedWipesOutThePlay) {
  PlayerRecord* runner = Player("Carter", 33, kOffense);
  PlayerRecord* fouler = Player("Brooks", 91, kDefense);
  for (const bool accepted : {false, true}) {
    CurrentPlay& play = Rush(runner, 4);
    play.penalty.called = true;
    play.penalty.accepted = accepted;
    play.penalty.fouler = fouler;
    play.penalty.yards = 15;
  }
  Credit();
  EXPECT_EQ(fouler->penalty->flagged, 2);
  EXPECT_EQ(fouler->penalty->accepted, 1);
  EXPECT_EQ(fouler->penalty->yards, 15);
  // Only the play with the declined penalty counts.
  EXPECT_EQ(runner->rushing->attempts, 1);
}

// An automatic placement on yard line P, the snap on B.
struct PlacementCase {
  transcript::PenaltyKind kind;
  bool ownSide;
  bool nextOwnSide;
  std::int16_t snap;
  std::int16_t placement;
  std::int32_t yards;
};

class Placement : public PlayFixture, public testing::WithParamInterface<PlacementCase> {};

TEST_P(Placement, YardsFollowTheHalvesOfSnapAndNextPlay) {
  const PlacementCase& c = GetParam();
  PlayerRecord* fouler = Player("Lott", 42, kDefense);
  CurrentPlay& play = Down();
  play.penalty.called = true;
  play.penalty.accepted = true;
  play.penalty.kind = c.kind;
  play.penalty.fouler = fouler;
  play.penalty.placement = c.placement;
  play.situation.ownSide = c.ownSide;
  play.situation.yardLine = c.snap;
  Down().situation.ownSide = c.nextOwnSide;
  Credit();
  EXPECT_EQ(fouler->penalty->yards, c.yards);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Placement,
    testing::Values(
        PlacementCase{PenaltyKind::kDefensivePassInterference, true, true, 30, 45, 15},    // P - B
        PlacementCase{PenaltyKind::kDefensivePassInterference, false, false, 40, 25, 15},  // B - P
        PlacementCase{PenaltyKind::kDefensivePassInterference, true, false, 40, 35, 25},  // 100-P-B
        PlacementCase{PenaltyKind::kDefensivePassInterference, false, true, 45, 40,
                      -15},                                                         // B+P-100
        PlacementCase{PenaltyKind::kRoughingTheKicker, true, true, 30, 35, 15},     // P - 20
        PlacementCase{PenaltyKind::kRoughingTheKicker, true, false, 30, 30, 50}));  // 80 - P

TEST_F(PlayFixture, ATackleByAPlayerOfUndecidedSideCreatesNoRecord) {
  PlayerRecord* runner = Player("Carter", 33, kOffense);
  PlayerRecord* tackler = Player("Nobody", 50, kUndecided);
  PlayerRecord* teammate = Player("Rice", 80, kOffense);
  for (PlayerRecord* who : {tackler, teammate}) {
    CurrentPlay& play = Rush(runner, 5);
    play.SetPlayer(Role::kTackler, who);
  }
  Credit();
  EXPECT_FALSE(tackler->defensive);
  EXPECT_FALSE(tackler->miscOff);
  EXPECT_EQ(teammate->miscOff->tackles, 1);
  EXPECT_EQ(teammate->miscOff->tackleYards, 5);
}

}  // namespace
}  // namespace yl::stats::test
