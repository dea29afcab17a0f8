// Crediting kicks and tries: punts inside the 20, fair catches and returns,
// field goals by distance and blocked, kick-offs, extra points and two-point
// tries, and the team of a safety.
#include "stats/kicking_credit.h"

#include "stats/play_fixture.h"

namespace yl::stats::test {
namespace {

struct Inside20Case {
  const char* name;
  transcript::PlayResult result;
  std::int16_t ballOn;  // -1: the gains line gives none
  bool nextOwnSide;
  bool periodBreak;
  bool returnLost;  // returned, and fumbled to the kicking team
  std::int32_t inside20;
};

class PuntInside20s : public PlayFixture, public testing::WithParamInterface<Inside20Case> {};

TEST_P(PuntInside20s, CountOnlyWhenTheReceiversStartInsideTheirTwenty) {
  const Inside20Case& c = GetParam();
  PlayerRecord* punter = Player("Camarillo", 3, kOffense);
  PlayerRecord* returner = Player("Bell", 25, kDefense);
  PlayerRecord* coverer = Player("Rice", 80, kOffense);
  CurrentPlay& play = Down(4, 8);
  play.kind = PlayKind::kPunt;
  play.result = c.result;
  play.SetPlayer(Role::kKicker, punter);
  play.periodBreak = c.periodBreak;
  if (c.ballOn >= 0) {
    play.gain.ballOn = c.ballOn;
  }
  if (c.returnLost) {
    play.SetPlayer(Role::kReturner, returner);
    Fumbles(play, {{returner, coverer}});
  }
  Down(1, 10, -1).situation.ownSide = c.nextOwnSide;
  Credit();
  EXPECT_EQ(punter->punting->punts, 1);
  EXPECT_EQ(punter->punting->inside20, c.inside20);
  EXPECT_EQ(punter->punting->touchbacks, c.result == PlayResult::kTouchback ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PuntInside20s,
    testing::Values(
        Inside20Case{"DownedAtTheFifteen", PlayResult::kPuntDowned, 15, true, false, false, 1},
        Inside20Case{"DownedAtTheTwenty", PlayResult::kPuntDowned, 20, true, false, false, 0},
        Inside20Case{"Touchback", PlayResult::kTouchback, 15, true, false, false, 0},
        Inside20Case{"NoBallOnLine", PlayResult::kPuntDowned, -1, true, false, false, 0},
        Inside20Case{"NextPlayInTheOtherHalf", PlayResult::kPuntDowned, 15, false, false, false, 0},
        Inside20Case{"EndOfHalf", PlayResult::kPuntDowned, 15, true, true, false, 0},
        Inside20Case{"ReturnFumbledAway", PlayResult::kTackled, 15, true, false, true, 0}),
    [](const testing::TestParamInfo<Inside20Case>& paramInfo) { return paramInfo.param.name; });

TEST_F(PlayFixture, AFairCatchIsNoReturn) {
  PlayerRecord* punter = Player("Camarillo", 3, kOffense);
  PlayerRecord* returner = Player("Bell", 25, kDefense);
  CurrentPlay& play = Down(4, 8);
  play.kind = PlayKind::kPunt;
  play.result = PlayResult::kFairCatch;
  play.SetPlayer(Role::kKicker, punter);
  play.SetPlayer(Role::kReturner, returner);
  Credit();
  EXPECT_EQ(punter->punting->punts, 1);
  EXPECT_EQ(punter->punting->returned, 0);
  EXPECT_EQ(returner->puntReturn->fairCatches, 1);
  EXPECT_EQ(returner->puntReturn->returns, 0);
  EXPECT_EQ(longest.longestPuntReturns, std::nullopt);
}

TEST_F(PlayFixture, AReturnedPuntCreditsReturnerAndCoverageTackler) {
  PlayerRecord* punter = Player("Camarillo", 3, kOffense);
  PlayerRecord* returner = Player("Bell", 25, kDefense);
  PlayerRecord* coverer = Player("Rice", 80, kOffense);
  CurrentPlay& play = Down(4, 8);
  play.kind = PlayKind::kPunt;
  play.result = PlayResult::kTackled;
  play.SetPlayer(Role::kKicker, punter);
  play.SetPlayer(Role::kReturner, returner);
  play.SetPlayer(Role::kTackler, coverer);
  Gain(play, 12);
  Credit();
  EXPECT_EQ(punter->punting->returned, 1);
  EXPECT_EQ(returner->puntReturn->returns, 1);
  EXPECT_EQ(returner->puntReturn->yards, 12);
  EXPECT_EQ(returner->puntReturn->longest, 12);
  EXPECT_EQ(coverer->specialTeams->tackles, 1);
  EXPECT_EQ(coverer->specialTeams->tackleYards, 12);
  EXPECT_FALSE(coverer->defSpecialTeams);
  ASSERT_TRUE(longest.longestPuntReturns);
  EXPECT_EQ(longest.longestPuntReturns->entries[0].player, returner);
}

TEST_F(PlayFixture, ABlockedFieldGoalIsAnAttemptInNoBand) {
  PlayerRecord* kicker = Player("Andersen", 5, kOffense);
  PlayerRecord* blocker = Player("White", 92, kDefense);
  CurrentPlay& play = Down(4, 5);
  play.kind = PlayKind::kFieldGoal;
  play.SetPlayer(Role::kKicker, kicker);
  play.SetPlayer(Role::kBlocker, blocker);
  Gain(play, 35);
  Credit();
  const FGKickingRecord& k = *kicker->fgKicking;
  EXPECT_EQ(k.attempts, 1);
  EXPECT_EQ(k.blocked, 1);
  EXPECT_EQ(k.attempts1to29 + k.attempts30to39 + k.attempts40to49 + k.attempts50plus, 0);
  EXPECT_EQ(k.made, 0);
  EXPECT_EQ(blocker->defensive->fieldGoalsBlocked, 1);
  ASSERT_EQ(Entries().size(), 1u);
  EXPECT_EQ(Entries()[0]->kind, ScoringKind::kFieldGoalMissed);
}

TEST_F(PlayFixture, FieldGoalsCountInTheirDistanceBands) {
  PlayerRecord* kicker = Player("Andersen", 5, kOffense);
  for (const std::int16_t distance :
       {std::int16_t{29}, std::int16_t{30}, std::int16_t{49}, std::int16_t{50}, std::int16_t{44}}) {
    CurrentPlay& play = Down(4, 5);
    play.kind = PlayKind::kFieldGoal;
    play.result = distance == 44 ? PlayResult::kFieldGoalNoGood : PlayResult::kFieldGoalGood;
    play.SetPlayer(Role::kKicker, kicker);
    Gain(play, distance);
  }
  Credit();
  const FGKickingRecord& k = *kicker->fgKicking;
  EXPECT_EQ(k.attempts, 5);
  EXPECT_EQ(k.attempts1to29, 1);
  EXPECT_EQ(k.attempts30to39, 1);
  EXPECT_EQ(k.attempts40to49, 2);
  EXPECT_EQ(k.attempts50plus, 1);
  EXPECT_EQ(k.made, 4);
  EXPECT_EQ(k.made1to29, 1);
  EXPECT_EQ(k.made30to39, 1);
  EXPECT_EQ(k.made40to49, 1);
  EXPECT_EQ(k.made50plus, 1);
  EXPECT_EQ(k.longest, 50);
  ASSERT_EQ(Entries().size(), 5u);
  EXPECT_EQ(Entries()[4]->kind, ScoringKind::kFieldGoalMissed);
  EXPECT_EQ(longest.longestFGs->entries[0].yards, 50);
}

TEST_F(PlayFixture, AKickoffReturnTouchdownAtTheOpeningKick) {
  PlayerRecord* returner = Player("Bell", 25, kDefense);
  CurrentPlay& kick = Kick(transcript::StartKind::kKickOff, PlayKind::kKickOff);
  kick.SetPlayer(Role::kReturner, returner);
  kick.result = PlayResult::kTouchdown;
  kick.situation.minutes = 15;
  kick.situation.seconds = 0;
  Gain(kick, 100);
  CurrentPlay& recovered = Kick(transcript::StartKind::kKickOff, PlayKind::kKickOff);
  recovered.SetPlayer(Role::kReturner, returner);
  recovered.result = PlayResult::kKickingTeamRecovered;
  Credit();
  EXPECT_EQ(returner->kickReturn->returns, 1);
  EXPECT_EQ(returner->kickReturn->touchdowns, 1);
  ASSERT_EQ(Entries().size(), 1u);
  EXPECT_EQ(Entries()[0]->kind, ScoringKind::kKickoffReturnTouchdown);
  EXPECT_EQ(Entries()[0]->minutes, 0);
  EXPECT_EQ(Entries()[0]->seconds, 0);
}

TEST_F(PlayFixture, ConversionTriesRecordTheirEntries) {
  PlayerRecord* kicker = Player("Andersen", 5, kOffense);
  PlayerRecord* passer = Player("Young", 8, kOffense);
  PlayerRecord* receiver = Player("Rice", 80, kOffense);
  PlayerRecord* sacked = Player("Carter", 33, kOffense);
  CurrentPlay& kickGood = Kick(transcript::StartKind::kTry, PlayKind::kExtraPoint);
  kickGood.SetPlayer(Role::kKicker, kicker);
  kickGood.result = PlayResult::kExtraPointGood;
  CurrentPlay& kickMissed = Kick(transcript::StartKind::kTry, PlayKind::kExtraPoint);
  kickMissed.SetPlayer(Role::kKicker, kicker);
  kickMissed.result = PlayResult::kExtraPointNoGood;
  CurrentPlay& pass = Kick(transcript::StartKind::kTry, PlayKind::kPass);
  pass.SetPlayer(Role::kPasser, passer);
  pass.SetPlayer(Role::kReceiver, receiver);
  pass.result = PlayResult::kTwoPointGood;
  // On a try a "sack" is a run by the player named as sacked.
  CurrentPlay& run2 = Kick(transcript::StartKind::kTry, PlayKind::kSack);
  run2.SetPlayer(Role::kSacked, sacked);
  run2.result = PlayResult::kTryNoGood;
  Credit();
  EXPECT_EQ(kicker->epKicking->attempts, 2);
  EXPECT_EQ(kicker->epKicking->made, 1);
  EXPECT_EQ(passer->twoPoint->passMade, 1);
  EXPECT_EQ(receiver->twoPoint->receivingMade, 1);
  EXPECT_EQ(sacked->twoPoint->rushAttempts, 1);
  EXPECT_EQ(sacked->twoPoint->rushMade, 0);
  const auto entries = Entries();
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0]->kind, ScoringKind::kExtraPointGood);
  EXPECT_EQ(entries[1]->kind, ScoringKind::kExtraPointFailed);
  EXPECT_EQ(entries[2]->kind, ScoringKind::kTwoPointPassGood);
  EXPECT_EQ(entries[2]->player1, "Young");
  EXPECT_EQ(entries[2]->player2, "Rice");
  EXPECT_EQ(entries[3]->kind, ScoringKind::kTwoPointRunFailed);
  EXPECT_EQ(entries[3]->player1, "Carter");
}

// A good two-point pass whose receiver fumbled it away leaves the passer's
// entry open; the end of the play closes it, so the next play's touchdown
// gets an entry of its own.
TEST_F(PlayFixture, AnEntryLeftOpenClosesWithItsPlay) {
  PlayerRecord* passer = Player("Young", 8, kOffense);
  PlayerRecord* receiver = Player("Rice", 80, kOffense);
  PlayerRecord* defender = Player("Lott", 42, kDefense);
  PlayerRecord* runner = Player("Carter", 33, kOffense);
  CurrentPlay& pass = Kick(transcript::StartKind::kTry, PlayKind::kPass);
  pass.SetPlayer(Role::kPasser, passer);
  pass.SetPlayer(Role::kReceiver, receiver);
  pass.result = PlayResult::kTwoPointGood;
  Fumbles(pass, {{receiver, defender}});
  Rush(runner, 5).result = PlayResult::kTouchdown;
  Credit();
  const auto entries = Entries();
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0]->kind, ScoringKind::kTwoPointPassGood);
  EXPECT_EQ(entries[0]->player1, "Young");
  EXPECT_EQ(entries[0]->player2, "");
  EXPECT_EQ(entries[1]->kind, ScoringKind::kRushingTouchdown);
  EXPECT_EQ(entries[1]->player1, "Carter");
}

TEST_F(PlayFixture, ASafetyGoesToTheSideWithoutTheBallAtTheEnd) {
  league::TeamRecord* lions = league::AddTeam(league, "Lions");
  league::TeamRecord* bears = league::AddTeam(league, "Bears");
  Player("Carter", 33, kOffense);
  Player("Brooks", 91, kDefense);
  for (const std::int16_t after : {std::int16_t{1}, std::int16_t{-1}}) {
    CurrentPlay& play = Down();
    read.home = lions;
    read.visiting = bears;
    play.result = PlayResult::kSafety;
    play.groupAfter = after;
  }
  Credit();
  const auto entries = Entries();
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0]->kind, ScoringKind::kSafety);
  EXPECT_EQ(entries[0]->team, "Lions");
  EXPECT_EQ(entries[1]->team, "Bears");
}

TEST_F(PlayFixture, NothingIsRecordedWithoutGameReportsOrLeagueLeaders) {
  game.scoring = nullptr;
  game.longest = nullptr;
  PlayerRecord* runner = Player("Carter", 33, kOffense);
  Rush(runner, 5).result = PlayResult::kTouchdown;
  Credit();
  EXPECT_EQ(runner->rushing->touchdowns, 1);
  EXPECT_TRUE(scoring.entries.empty());
  EXPECT_EQ(longest.longestRushes, std::nullopt);
}

}  // namespace
}  // namespace yl::stats::test
