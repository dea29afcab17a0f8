// The meaning of descriptions: kinds, results, roles, fumble lists, sides,
// kick marks and groups for the rows of the effects table where a slip is
// easy, each description read as it would be from a transcript, and the same
// descriptions written with the ellipsis byte.
#include "transcript/meaning.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "transcript/description.h"
#include "transcript/game_reader.h"
#include "transcript/line_parser_fixture.h"

namespace yl::transcript {
namespace {

struct Roles {
  int blocker = -1;
  int kicker = -1;
  int rusher = -1;
  int passer = -1;
  int receiver = -1;
  int target = -1;
  int defender = -1;
  int interceptor = -1;
  int sacker = -1;
  int sacked = -1;
  int tackler = -1;
  int returner = -1;
  bool operator==(const Roles&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Roles& r) {
  return out << "blocker " << r.blocker << " kicker " << r.kicker << " rusher " << r.rusher
             << " passer " << r.passer << " receiver " << r.receiver << " target " << r.target
             << " defender " << r.defender << " interceptor " << r.interceptor << " sacker "
             << r.sacker << " sacked " << r.sacked << " tackler " << r.tackler << " returner "
             << r.returner;
}

// Where a player stands in the description's players, -1 for nobody.
int PositionOf(const CurrentPlay& p, const league::PlayerRecord* player) {
  if (player == nullptr) return -1;
  for (std::size_t i = 0; i < p.description.players.size(); ++i) {
    if (p.description.players[i] == player) return static_cast<int>(i);
  }
  return -2;  // a player not in the description
}

Roles RolesOf(const CurrentPlay& p) {
  const auto at = [&p](Role role) { return PositionOf(p, p.Player(role)); };
  return {at(Role::kBlocker),  at(Role::kKicker), at(Role::kRusher),   at(Role::kPasser),
          at(Role::kReceiver), at(Role::kTarget), at(Role::kDefender), at(Role::kInterceptor),
          at(Role::kSacker),   at(Role::kSacked), at(Role::kTackler),  at(Role::kReturner)};
}

constexpr int U = -1;  // side undecided

// The rarer expectations and start values of a case.
struct More {
  std::vector<int> startGroups = {};  // teamGroups given before the walk
  int labelCounter = 1;               // before the walk
  int labelCounterAfter = -1;         // -1: unchanged
  bool returnSpot = false;
  int puntsAtOne = 0;  // puntsByGroup[1] afterwards
  std::vector<int> kicked = {};
  int penalty = 0;
  int noPlay = 0;
};

// A player afterwards: teamGroup, otherGroup, side (U undecided).
struct After {
  int group;
  int other;
  int side;
};

// The play starts with possession label 1 (its groupAtSnap) and label
// counter 1 unless the case says otherwise; the players are new.
struct MeaningCase {
  const char* name;
  std::string line;
  int kind;
  int result;
  Roles roles;
  std::vector<After> players;  // in line order
  int labelAfter;              // possessionLabel afterwards
  std::vector<int> fumblers = {};
  std::vector<int> recoverers = {};
  int fumble = 0;
  More more = {};
};

void PrintTo(const MeaningCase& c, std::ostream* out) {
  *out << c.name;
}

// clang-format off
const MeaningCase kCases[] = {
    {"CaughtPass", "#7-Harris's pass was caught by #80-Jones.  ", 5, -1,
     Roles{.passer = 0, .receiver = 1}, {{1, 1, 0}, {1, 1, 0}}, 1},
    // The recovery makes a fumble; the catch that follows clears the lists.
    {"CaughtPassAfterRecoveryClearsFumble",
     "#1-Ames took the hand-off... FUMBLED... recovered by #7-Harris's pass was caught by #80-Jones.  ",
     5, -1, Roles{.rusher = 0, .passer = 1, .receiver = 2}, {{1, 1, 0}, {1, 1, 0}, {1, 1, 0}}, 1},
    {"Interception", "#7-Harris's pass was INTERCEPTED by #24-Reed.  ", 5, -1,
     Roles{.passer = 0, .interceptor = 1}, {{1, 1, 0}, {-1, 1, 1}}, -1},
    {"TackleAfterHandOff", "#33-Carter took the hand-off... #91-Brooks took him down.  ", 4, 5,
     Roles{.rusher = 0, .tackler = 1}, {{1, 1, 0}, {-1, 1, 1}}, 1},
    {"Sack", "#91-Brooks sacked #7-Harris.  ", 7, 18,
     Roles{.sacker = 0, .sacked = 1}, {{-1, 1, 1}, {1, 1, 0}}, 1},
    {"TackledCarrier", "#91-Brooks tackled #33-Carter.  ", 4, 5,
     Roles{.rusher = 1, .tackler = 0}, {{-1, 1, 1}, {1, 1, 0}}, 1},
    // The returner takes the ball; his tackler plays for the kicking side,
    // on offense because the returner is defense.
    {"PuntReturnedAndTackled", "#4-Punter... the punt was taken by #30-Ret... #55-Cov took him down.  ",
     2, 5, Roles{.kicker = 0, .tackler = 2, .returner = 1},
     {{1, 1, 0}, {-1, 1, 1}, {1, 1, 0}}, -1, {}, {}, 0,
     More{.puntsAtOne = 1, .kicked = {1, 0, 0}}},
    {"PuntDowned", "#4-Punter... the punt was downed.  ", 2, 16,
     Roles{.kicker = 0}, {{1, 1, 0}}, -1, {}, {}, 0, More{.puntsAtOne = 1, .kicked = {1}}},
    {"PuntTouchbackKeepsItsResult", "#4-Punter... the punt was not fielded... touchback.  ", 2, 17,
     Roles{.kicker = 0}, {{1, 1, 0}}, -1, {}, {}, 0, More{.puntsAtOne = 1, .kicked = {1}}},
    // The kicker of a punt that ends in a safety is not marked as kicking.
    {"PuntSafety", "#4-Punter... the punt was not fielded... SAFETY!  ", 2, 10,
     Roles{.kicker = 0}, {{1, 1, 0}}, -1, {}, {}, 0, More{.puntsAtOne = 1, .kicked = {0}}},
    // A blocked punt: the man who falls on it is against the kicking side.
    {"BlockedPuntTackler", "#4-Punter... the punt was BLOCKED by #90-Big... #30-Ret took him down.  ",
     2, 5, Roles{.blocker = 1, .kicker = 0, .tackler = 2},
     {{1, 1, 0}, {-1, 1, 1}, {-1, 1, 0}}, 1, {}, {}, 0,
     More{.puntsAtOne = 1, .kicked = {1, 0, 0}}},
    {"PuntDroppedByReturner", "#4-Punter... the punt was dropped by #30-Ret.  ", 2, -1,
     Roles{.kicker = 0, .returner = 1}, {{1, 1, 0}, {-1, 1, 1}}, -1, {1}, {}, 1,
     More{.puntsAtOne = 1, .kicked = {1, 0}}},
    {"FieldGoalGood", "#3-Kick's field goal was GOOD!  ", 6, 15,
     Roles{.kicker = 0}, {{1, 1, 0}}, 1, {}, {}, 0, More{.kicked = {1}}},
    {"FieldGoalBlocked", "#3-Kick's field goal was BLOCKED by #90-Big.  ", 6, -1,
     Roles{.blocker = 1, .kicker = 0}, {{1, 1, 0}, {-1, 1, 1}}, 1, {}, {}, 0,
     More{.kicked = {1, 0}}},
    // After a blocked kick the interception is a recovery, not a pass.
    {"BlockedFieldGoalPickedOff",
     "#3-Kick's field goal was BLOCKED by #90-Big... INTERCEPTED by #24-Reed.  ", 6, -1,
     Roles{.blocker = 1, .kicker = 0}, {{1, 1, 0}, {-1, 1, 1}, {-1, 1, U}}, -1, {}, {2}, 0,
     More{.kicked = {1, 0, 0}}},
    {"DeflectedPassIntercepted",
     "#7-Harris's pass was broken-up by #24-Reed... INTERCEPTED by #25-Bell.  ", 5, -1,
     Roles{.passer = 0, .defender = 1, .interceptor = 2},
     {{1, 1, 0}, {-1, 1, 1}, {-1, 1, 1}}, -1},
    {"ExtraPointBlocked", "#3-Kick's extra point was BLOCKED by #90-Big.  ", 1, -1,
     Roles{.blocker = 1, .kicker = 0}, {{1, 1, 0}, {-1, 1, 1}}, 1, {}, {}, 0,
     More{.kicked = {1, 0}}},
    {"KickOffTakenAndTackled", "The kickoff was taken by #23-Morgan... #55-Hill took him down.  ",
     3, 5, Roles{.tackler = 1, .returner = 0}, {{-1, 1, 1}, {1, 1, 0}}, -1},
    // The kick-off returner who drops the ball starts a label of his own.
    {"KickOffDropped", "The kickoff was dropped by #23-Morgan.  ", 3, -1,
     Roles{.returner = 0}, {{2, 1, U}}, 2, {0}, {}, 1, More{.labelCounterAfter = 2}},
    {"KickOffRecoveredByKickers", "The kickoff was RECOVERED by the kicking team!  ", 3, 2,
     Roles{}, {}, 1},
    {"FumbleOutOfBounds",
     "#33-Carter took the hand-off... FUMBLED... not fielded... the ball went out of bounds.  ",
     4, 1, Roles{.rusher = 0}, {{1, 1, 0}}, 1, {0}, {}, 1},
    // Recovered at the spot on a run: the offense kept it.
    {"FumbleRecoveredByOffense", "#33-Carter took the hand-off... FUMBLED... recovered by #20-Cole.  ",
     4, -1, Roles{.rusher = 0}, {{1, 1, 0}, {1, 1, 0}}, 1, {0}, {1}, 1},
    // Returned after the recovery: the recoverer's side is not known.
    {"FumbleRecoveredAndReturned", "#33-Carter took the hand-off... FUMBLED... recovered by #91-Brooks.  ",
     4, -1, Roles{.rusher = 0}, {{1, 1, 0}, {2, 1, U}}, 2, {0}, {1}, 1,
     More{.labelCounterAfter = 2, .returnSpot = true}},
    // "... recovered by " alone records no fumble.
    {"RecoveredWithoutFumble", "#7-Harris's pass was caught by #80-Jones... recovered by #24-Reed.  ",
     5, -1, Roles{.passer = 0, .receiver = 1}, {{1, 1, 0}, {1, 1, 0}, {1, 1, 0}}, 1, {}, {2}, 0},
    {"LateralDropped", "#7-Harris... under pressure... #8-Lee... the lateral was dropped by #9-Dee.  ",
     4, -1, Roles{.rusher = 2}, {{0, 0, U}, {0, 0, U}, {1, 1, 0}}, 1, {2}, {}, 1},
    {"SafetyTackle", "#33-Carter took the hand-off... #91-Brooks tackled him for a SAFETY!  ", 4, 10,
     Roles{.rusher = 0, .tackler = 1}, {{1, 1, 0}, {-1, 1, 1}}, 1},
    {"FairCatch", "#30-Ret... he downed it after a FAIR CATCH.  ", 4, 6,
     Roles{.returner = 0}, {{1, 1, 1}}, 1},
    {"PassDroppedMarksTheTarget", "#7-Harris's pass was dropped by #80-Jones.  ", 5, -1,
     Roles{.passer = 0, .target = 1}, {{1, 1, 0}, {2, 1, U}}, 1, {}, {}, 0,
     More{.labelCounterAfter = 2}},
    // Rows without the stamp: nobody gets otherGroup, nobody a group.
    {"WhistledDeadAlone", "The play was whistled dead.  ", 4, 8,
     Roles{}, {}, 1, {}, {}, 0, More{.penalty = 1}},
    {"SomebodyTackledHim", "#33-Carter... somebody tackled him.  ", 4, 5,
     Roles{}, {{0, 0, U}}, 1},
    {"TouchdownWithoutHandOff", "#22-Baker TOUCHDOWN!  ", 4, 7,
     Roles{.rusher = 0}, {{0, 0, U}}, 1},
    {"HandOffWhistledDead", "#33-Carter took the hand-off... whistled dead.  ", 4, -1,
     Roles{}, {{0, 0, U}}, 1, {}, {}, 0, More{.noPlay = 1}},
    // The scorer's group has the ball, whatever the label was before.
    {"TouchdownGivesTheScorersSide", "#24-Reed... TOUCHDOWN!  ", 4, 7,
     Roles{}, {{-3, 0, U}}, -3, {}, {}, 0, More{.startGroups = {-3}, .labelCounter = 3}},
    // Already in the carrier's group: the tackler gets a label of his own,
    // and it becomes the possession label.
    {"TacklerInCarriersGroup", "#33-Carter took the hand-off... #91-Brooks took him down.  ", 4, 5,
     Roles{.rusher = 0, .tackler = 1}, {{1, 1, 0}, {2, 1, 1}}, 2, {}, {}, 0,
     More{.startGroups = {0, 1}, .labelCounterAfter = 2}},
    // A tackler from another group: his group goes over to the carrier's opponents.
    {"TacklerFromAnotherGroupMerges", "#33-Carter took the hand-off... #91-Brooks took him down.  ", 4, 5,
     Roles{.rusher = 0, .tackler = 1}, {{1, 1, 0}, {-1, 1, 1}}, 1, {}, {}, 0,
     More{.startGroups = {0, 3}, .labelCounter = 3}},
    // A rusher known to be against the offense's label starts a new one.
    {"RusherAgainstTheLabel", "#33-Carter took the hand-off... #91-Brooks took him down.  ", 4, 5,
     Roles{.rusher = 0, .tackler = 1}, {{2, 1, 0}, {-2, 1, 1}}, 2, {}, {}, 0,
     More{.startGroups = {-1, 0}, .labelCounterAfter = 2}},
    {"RusherOfAnotherGroupMerges", "#33-Carter took the hand-off... #91-Brooks took him down.  ", 4, 5,
     Roles{.rusher = 0, .tackler = 1}, {{1, 1, 0}, {-1, 1, 1}}, 1, {}, {}, 0,
     More{.startGroups = {5, 0}, .labelCounter = 5}},
};
// clang-format on

class MeaningTest : public test::LineParserTest, public testing::WithParamInterface<MeaningCase> {
 protected:
  MeaningTest() = default;

  void Resolve(const MeaningCase& c, std::string_view line) {
    play = CurrentPlay();
    play.groupAtSnap = game->possessionLabel;
    play.gain.returnSpot = c.more.returnSpot;
    ASSERT_TRUE(ParseExact(ParseDescription, line)) << line;
    for (std::size_t i = 0; i < c.more.startGroups.size(); ++i) {
      In(play.description.players[i]).teamGroup = static_cast<std::int16_t>(c.more.startGroups[i]);
    }
    game->labelCounter = static_cast<std::int16_t>(c.more.labelCounter);
    ResolveDescription(*game, play);
  }

  void Check(const MeaningCase& c) {
    EXPECT_EQ(CodeValue(play.kind), c.kind);
    EXPECT_EQ(CodeValue(play.result), c.result);
    EXPECT_EQ(RolesOf(play), c.roles);
    ASSERT_EQ(play.description.players.size(), c.players.size());
    for (std::size_t i = 0; i < c.players.size(); ++i) {
      const league::PlayerRecord& p = *play.description.players[i];
      const After& want = c.players[i];
      EXPECT_EQ(In(&p).teamGroup, want.group) << "player " << i;
      EXPECT_EQ(In(&p).otherGroup, want.other) << "player " << i;
      EXPECT_EQ(p.side, want.side == U ? league::kUndecided : want.side) << "player " << i;
      if (i < c.more.kicked.size()) {
        EXPECT_EQ(p.kicked, c.more.kicked[i]) << "player " << i;
      }
    }
    EXPECT_EQ(game->possessionLabel, c.labelAfter);
    EXPECT_EQ(game->labelCounter,
              c.more.labelCounterAfter < 0 ? c.more.labelCounter : c.more.labelCounterAfter);
    std::vector<int> fumblers;
    std::vector<int> recoverers;
    for (std::size_t k = 0; k < kFumbleSlots; ++k) {
      if (play.fumblers[k] != nullptr) fumblers.push_back(PositionOf(play, play.fumblers[k]));
      if (play.recoverers[k] != nullptr) recoverers.push_back(PositionOf(play, play.recoverers[k]));
    }
    EXPECT_EQ(fumblers, c.fumblers);
    EXPECT_EQ(recoverers, c.recoverers);
    EXPECT_EQ(play.fumble, c.fumble != 0);
    EXPECT_EQ(game->puntsByGroup[1], c.more.puntsAtOne);
    EXPECT_EQ(play.penalty.called, c.more.penalty != 0);
    EXPECT_EQ(play.noPlay, c.more.noPlay != 0);
  }
};

TEST_P(MeaningTest, EffectsOfTheDescription) {
  const MeaningCase& c = GetParam();
  Resolve(c, c.line);
  Check(c);
}

INSTANTIATE_TEST_SUITE_P(Rows, MeaningTest, testing::ValuesIn(kCases),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

std::vector<MeaningCase> CasesWithEllipsis() {
  std::vector<MeaningCase> cases;
  for (const MeaningCase& c : kCases) {
    if (c.line.find("...") != std::string::npos) cases.push_back(c);
  }
  return cases;
}

class TwinMeaningTest : public MeaningTest {};

// Every "..." written as the ellipsis byte gives the twin codes, which act
// exactly as their partners.
TEST_P(TwinMeaningTest, TwinsActAsTheirPartners) {
  const MeaningCase& c = GetParam();
  std::string line = c.line;
  for (std::size_t at = line.find("..."); at != std::string::npos; at = line.find("...", at)) {
    line.replace(at, 3, "\xC9");
  }
  Resolve(c, line);
  bool twin = false;
  for (const std::int16_t code : play.description.codes)
    twin = twin || code >= 160;
  EXPECT_TRUE(twin);
  Check(c);
}

INSTANTIATE_TEST_SUITE_P(Rows, TwinMeaningTest, testing::ValuesIn(CasesWithEllipsis()),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

// Plays built by hand: codes whose lines the description reader would cut
// differently, and the fields the walk reads besides the codes.
class HandBuiltMeaningTest : public test::LineParserTest {
 protected:
  HandBuiltMeaningTest() { play.groupAtSnap = 1; }

  league::PlayerRecord* Add(const char* name, int number) {
    league::PlayerRecord* p = league::AddPlayer(league, name, static_cast<std::int16_t>(number));
    play.description.players.push_back(p);
    return p;
  }
  void Codes(std::initializer_list<PhraseCode> codes) {
    for (const PhraseCode code : codes)
      play.description.codes.push_back(code);
  }
};

TEST_F(HandBuiltMeaningTest, NoGoodIsAFailedConversionOnlyOnATry) {
  for (const StartKind start : {StartKind::kTry, StartKind::kScrimmage}) {
    play = CurrentPlay();
    play.groupAtSnap = 1;
    play.situation.start = start;
    Add("Baker", 22);
    Codes({151});
    ResolveDescription(*game, play);
    EXPECT_EQ(play.result, start == StartKind::kTry ? PlayResult::kTryNoGood : PlayResult::kNone);
  }
}

// "... incomplete.  " gives the ball back to the side that snapped it.
TEST_F(HandBuiltMeaningTest, IncompleteReturnsTheLabelToTheSnap) {
  league::PlayerRecord* harris = Add("Harris", 7);
  league::PlayerRecord* reed = Add("Reed", 24);
  Codes({82, 140});  // intercepted, then incomplete
  ResolveDescription(*game, play);
  EXPECT_EQ(play.result, PlayResult::kIncomplete);
  EXPECT_EQ(game->possessionLabel, 1);
  EXPECT_EQ(In(harris).teamGroup, 1);
  EXPECT_EQ(In(reed).teamGroup, -1);
}

// A recovery on a try, or on a kick, is no offensive recovery at the spot.
TEST_F(HandBuiltMeaningTest, RecoveryOnATryStartsANewLabel) {
  Add("Carter", 33);
  league::PlayerRecord* cole = Add("Cole", 20);
  Codes({16, 157});
  play.situation.start = StartKind::kTry;
  ResolveDescription(*game, play);
  EXPECT_EQ(In(cole).teamGroup, 2);
  EXPECT_EQ(cole->side, league::kUndecided);
  EXPECT_EQ(game->possessionLabel, 2);
  EXPECT_TRUE(play.fumble);
}

// A punt counts for the kicking label unless a penalty on it was accepted
// (and then only when it was assessed from a spot).
TEST_F(HandBuiltMeaningTest, AcceptedPenaltyTakesThePuntOffTheCount) {
  struct Case {
    bool accepted;
    std::optional<std::int16_t> assessedFrom;
    int counted;
  };
  for (const Case c :
       {Case{false, std::nullopt, 1}, Case{true, std::nullopt, 0}, Case{true, 3, 1}}) {
    *game = GameState();
    play = CurrentPlay();
    play.groupAtSnap = 1;
    Add("Punter", 4);
    Codes({108});
    play.penalty.accepted = c.accepted;
    play.penalty.assessedFrom = c.assessedFrom;
    ResolveDescription(*game, play);
    EXPECT_EQ(game->puntsByGroup[1], c.counted) << c.accepted << " " << c.assessedFrom.value_or(-1);
  }
}

// A fumble record holds five fumbles; later ones are not written anywhere.
TEST_F(HandBuiltMeaningTest, MoreFumblesThanSlotsStayInTheRecord) {
  for (int i = 0; i < 7; ++i)
    Add("Runner", 30 + i);
  Codes({5, 5, 5, 5, 5, 5, 5});
  ResolveDescription(*game, play);
  for (std::size_t k = 0; k < kFumbleSlots; ++k)
    EXPECT_EQ(play.fumblers[k], play.description.players[k]);
  EXPECT_TRUE(play.fumble);
}

TEST_F(HandBuiltMeaningTest, CodesOutsideTheTableAreIgnored) {
  for (int i = 0; i < 3; ++i)
    Add("Nobody", 40 + i);
  league::PlayerRecord* carter = Add("Carter", 33);
  Codes({245, 250, 255, 121});
  ResolveDescription(*game, play);
  EXPECT_EQ(play.Player(Role::kRusher), carter);
  EXPECT_EQ(In(carter).teamGroup, 1);
}

}  // namespace
}  // namespace yl::transcript
