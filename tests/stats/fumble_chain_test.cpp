// The fumble chain: the own and team walks, the ball carrier's outcome and
// the crediting of recoveries up to the fifth fumble.
#include "stats/fumble_chain.h"

#include <string>

#include "stats/play_fixture.h"

namespace yl::stats::test {
namespace {

// A chain written as fumbler-recoverer pairs: A and B are Bears, X a Lion,
// "-" nobody.
struct WalkCase {
  const char* chain;
  bool ownHeld;
  std::int32_t ownCount;
  bool teamHeld;
  std::int32_t teamCount;
};

class Walks : public PlayFixture, public testing::WithParamInterface<WalkCase> {};

TEST_P(Walks, FollowTheBallThroughTheChain) {
  const WalkCase& c = GetParam();
  PlayerRecord* a = Player("A", 20, kOffense);
  PlayerRecord* b = Player("B", 21, kOffense);
  PlayerRecord* x = Player("X", 40, kDefense);
  auto who = [&](char letter) -> PlayerRecord* {
    return letter == 'A' ? a : letter == 'B' ? b : letter == 'X' ? x : nullptr;
  };
  CurrentPlay& play = Down();
  std::string chain = c.chain;
  play.fumble = true;
  for (std::size_t i = 0; i + 1 < chain.size(); i += 3) {
    play.fumblers[i / 3] = who(chain[i]);
    play.recoverers[i / 3] = who(chain[i + 1]);
  }
  const WalkResult own = OwnRecoveryWalk(game, play, 0);
  const WalkResult team = TeamRecoveryWalk(game, play, 0);
  EXPECT_EQ(own.held, c.ownHeld);
  EXPECT_EQ(own.count, c.ownCount);
  EXPECT_EQ(team.held, c.teamHeld);
  EXPECT_EQ(team.count, c.teamCount);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Walks,
    testing::Values(WalkCase{"A-", true, 1, true, 1}, WalkCase{"AA", true, 1, true, 1},
                    WalkCase{"AB", false, 1, true, 1}, WalkCase{"AX", false, 1, false, 1},
                    WalkCase{"AB BX", false, 1, false, 2}, WalkCase{"AA AX", false, 2, false, 2},
                    WalkCase{"AA A-", true, 2, true, 2}, WalkCase{"AB BB", false, 1, true, 2},
                    // No fumbler and no quarterback: the
                    // side that snapped the ball.
                    WalkCase{"-B", false, 1, true, 1}, WalkCase{"-X", false, 1, false, 1}));

TEST_F(PlayFixture, ACarrierWhoseTeammateRecoversGetsTheFumbleButNoYards) {
  PlayerRecord* runner = Player("Carter", 33, kOffense);
  PlayerRecord* teammate = Player("Rice", 80, kOffense);
  Fumbles(Rush(runner, 12), {{runner, teammate}});
  Down();
  Credit();
  const RushingRecord& r = *runner->rushing;
  EXPECT_EQ(r.attempts, 1);
  EXPECT_EQ(r.fumbles, 1);
  EXPECT_EQ(r.fumblesLost, 0);
  EXPECT_EQ(r.yards, 0);
  EXPECT_EQ(r.firstDowns, 0);
  EXPECT_EQ(r.longest, kNoLongest);
  EXPECT_EQ(teammate->recovery->recoveries, 1);
  EXPECT_EQ(teammate->recovery->returnYards, 12);
}

TEST_F(PlayFixture, ACarrierWhoRecoversHisOwnFumbleKeepsThePlay) {
  PlayerRecord* runner = Player("Carter", 33, kOffense);
  Fumbles(Rush(runner, 4), {{runner, runner}});
  Credit();
  EXPECT_EQ(runner->rushing->fumbles, 1);
  EXPECT_EQ(runner->rushing->yards, 4);
  EXPECT_FALSE(runner->recovery);
}

TEST_F(PlayFixture, AChainEndsAtItsFifthFumble) {
  PlayerRecord* runner = Player("Carter", 33, kOffense);
  PlayerRecord* defender = Player("Lott", 42, kDefense);
  CurrentPlay& play = Rush(runner, 20);
  play.result = PlayResult::kTouchdown;
  Fumbles(play, {{runner, defender},
                 {defender, runner},
                 {runner, defender},
                 {defender, runner},
                 {runner, defender}});
  Credit();
  EXPECT_EQ(runner->rushing->fumbles, 1);
  EXPECT_EQ(runner->rushing->fumblesLost, 1);
  EXPECT_EQ(runner->rushing->touchdowns, 0);
  const RecoveryRecord& a = *runner->recovery;
  EXPECT_EQ(a.recoveries, 2);
  EXPECT_EQ(a.fumbles, 2);
  EXPECT_EQ(a.fumblesLost, 2);
  EXPECT_EQ(a.returnYards, 0);
  const RecoveryRecord& x = *defender->recovery;
  EXPECT_EQ(x.recoveries, 3);
  EXPECT_EQ(x.fumbles, 2);
  EXPECT_EQ(x.fumblesLost, 2);
  EXPECT_EQ(x.returnYards, 20);
  EXPECT_EQ(x.touchdowns, 1);
  ASSERT_EQ(Entries().size(), 1u);
  EXPECT_EQ(Entries()[0]->kind, ScoringKind::kFumbleRecoveryTouchdown);
  EXPECT_EQ(Entries()[0]->team, "Lions");
}

TEST_F(PlayFixture, ARecovererWhoFumblesAndRecoversAgainIsCreditedOnce) {
  PlayerRecord* runner = Player("Carter", 33, kOffense);
  PlayerRecord* defender = Player("Lott", 42, kDefense);
  CurrentPlay& play = Rush(runner, 30);
  play.result = PlayResult::kTouchdown;
  Fumbles(play, {{runner, defender}, {defender, defender}});
  Credit();
  const RecoveryRecord& x = *defender->recovery;
  EXPECT_EQ(x.recoveries, 1);
  EXPECT_EQ(x.fumbles, 1);
  EXPECT_EQ(x.fumblesLost, 0);
  EXPECT_EQ(x.returnYards, 30);
  EXPECT_EQ(x.touchdowns, 1);
  EXPECT_EQ(Entries().size(), 1u);
}

}  // namespace
}  // namespace yl::stats::test
