// Team inference over whole games: scores naming the side that had the ball,
// a fourth down decided by the yards, a fumble kept by the offense, roster
// players and punt counts naming the groups, and a game with more than a
// hundred labels.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "league/league.h"
#include "support/transcripts.h"
#include "transcript/game_reader_fixture.h"

namespace yl::transcript {
namespace {

// Bears visit Lions.
constexpr const char* kFirstLine = "Bears (1-0) vs Lions (0-1)\n";
constexpr const char* kKickOff = "kicking-off from their own 35 yard line";
constexpr const char* kTry = "trying for an extra point from the 3 yard line";

std::string Header(int visitingScore, int homeScore, const std::string& situation) {
  return "With the score " + std::to_string(visitingScore) + " to " + std::to_string(homeScore) +
         " in the 2nd quarter, 10:00 on the clock, and " + situation + "...\n";
}

std::string Down(int down, int distance) {
  static const char* const kOrdinals[] = {"", "1st", "2nd", "3rd", "4th"};
  return std::string(kOrdinals[down]) + "-and-" + std::to_string(distance) +
         " to go from their own 30 yard line";
}

std::string Gain(int yards) {
  return "Gain of " + std::to_string(yards) + " yards on the play.  The ball is on the " +
         std::to_string(30 + yards) + " yard line.  \n";
}

// A play: header, description, and the gains line or an empty line.
std::string Play(const std::string& header, const std::string& description,
                 const std::string& gains = "\n") {
  return header + description + "\n" + gains;
}

std::string End(int visitingPunts, int homePunts) {
  std::string box = test::TeamBox("Bears", "Lions", "\n");
  const std::string punts = "  Punts 5 4";
  box.replace(box.find(punts), punts.size(),
              "  Punts " + std::to_string(visitingPunts) + " " + std::to_string(homePunts));
  return "The game is over.\n" + box;
}

class InferenceTest : public test::GameReaderFixture {
 protected:
  void Process(const std::string& text) { ASSERT_EQ(Read(text), ReadOutcome::kRead); }

  // A player of the transcript by his token's number and name.
  const league::PlayerRecord& Named(int number, const char* name) {
    const league::PlayerRecord* p = league::FindPlayerInHash(league, number, name);
    EXPECT_NE(p, nullptr) << name;
    static const league::PlayerRecord kNobody;
    return p != nullptr ? *p : kNobody;
  }
  std::string Team(int number, const char* name) { return Named(number, name).teamName; }

  league::PlayerRecord* Rostered(int number, const char* name, const char* team) {
    league::PlayerRecord* p = league::AddPlayer(league, name, static_cast<std::int16_t>(number));
    p->teamName = team;
    p->teamFixed = true;
    return p;
  }
};

// A touchback gives label 2; a fourth-down run by Able (label 2, tackled by
// Zed, -2) gains so many yards against a distance of 3; Baker then runs,
// Young tackles him, and Baker's touchdown raises the visiting score.
struct FourthDownCase {
  const char* name;
  int gained;
  const char* able;
  const char* zed;
};

void PrintTo(const FourthDownCase& c, std::ostream* out) {
  *out << c.name;
}

class FourthDownTest : public InferenceTest, public testing::WithParamInterface<FourthDownCase> {};

TEST_P(FourthDownTest, TheNextLabelFollowsTheYards) {
  const FourthDownCase& c = GetParam();
  Process(std::string(kFirstLine) +
          Play(Header(0, 0, kKickOff), "The kickoff was not fielded... touchback.  ") +
          Play(Header(0, 0, Down(4, 3)), "#10-Able took the hand-off... #50-Zed took him down.  ",
               Gain(c.gained)) +
          Play(Header(0, 0, Down(1, 10)),
               "#22-Baker took the hand-off... #60-Young took him down.  ", Gain(5)) +
          Play(Header(0, 0, Down(2, 5)), "#22-Baker took the hand-off... TOUCHDOWN!  ") +
          Play(Header(6, 0, kTry), "#3-Kick's extra point was GOOD!  ") + End(5, 4));
  EXPECT_EQ(Team(22, "Baker"), "Bears");
  EXPECT_EQ(Team(60, "Young"), "Lions");
  EXPECT_EQ(Team(3, "Kick"), "Bears");
  EXPECT_EQ(Team(10, "Able"), c.able);
  EXPECT_EQ(Team(50, "Zed"), c.zed);
  EXPECT_EQ(Log(), "");
}

const FourthDownCase kFourthDownCases[] = {
    // Converted: Baker runs for Able's side.
    {"MoreThanTheDistanceKeepsTheBall", 4, "Bears", "Lions"},
    // Short: Baker runs for Zed's side.
    {"LessThanTheDistanceTurnsItOver", 2, "Lions", "Bears"},
    // Exactly the distance: undecided, Baker starts label 3, which the
    // touchdown names the visiting team; labels 2 and -2 stay unnamed.
    {"ExactlyTheDistanceGivesANewLabel", 3, "", ""},
};

INSTANTIATE_TEST_SUITE_P(Gains, FourthDownTest, testing::ValuesIn(kFourthDownCases),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

// Able's side had the ball when the home score rose: after a safety the
// other side scored, after any other play his own.
TEST_F(InferenceTest, ASafetyNamesTheSidesTheOtherWay) {
  for (const bool safety : {true, false}) {
    const std::string tackle =
        safety ? "#50-Zed tackled him for a SAFETY!  " : "#50-Zed took him down.  ";
    Process(std::string(kFirstLine) +
            Play(Header(0, 0, Down(1, 10)), "#10-Able took the hand-off... " + tackle) +
            Play(Header(0, 2, kKickOff), "The kickoff was not fielded... touchback.  ") +
            End(5, 4));
    EXPECT_EQ(Team(10, "Able"), safety ? "Bears" : "Lions") << safety;
    EXPECT_EQ(Team(50, "Zed"), safety ? "Lions" : "Bears") << safety;
    league::OpenAllTeams(league);  // let the second game rename them
  }
}

// After a game is read, only its players are given positions; a rejected
// game leaves its players' sides as it made them, so the next game read
// gives every player his position, and a roster restored takes back the
// teams it fixed.
TEST_F(InferenceTest, APassAfterAGameSeesWhatEveryGameSinceTheLastMade) {
  const std::string run =
      Play(Header(0, 0, Down(1, 10)), "#22-Baker took the hand-off... #60-Young took him down.  ",
           Gain(5));
  const std::string kick =
      Play(Header(0, 0, kKickOff), "The kickoff was not fielded... touchback.  ");
  Process(kFirstLine + kick + End(5, 4));
  ASSERT_EQ(Read(kFirstLine + run + run), ReadOutcome::kRejected);  // cut short
  EXPECT_EQ(Named(22, "Baker").position, 0);
  Process(kFirstLine + kick + End(5, 4));
  EXPECT_EQ(Named(22, "Baker").position, league::offense::kRunningBack);
  EXPECT_EQ(Named(60, "Young").position, league::defense::kDefensiveLine);

  Rostered(10, "Able", "Bears");
  const league::Roster roster = league::KeepRoster(league);
  for (int pass = 0; pass < 2; ++pass) {
    league::OpenAllTeams(league);
    EXPECT_FALSE(Named(10, "Able").teamFixed) << pass;
    league::RestoreRoster(league, roster);
    EXPECT_TRUE(Named(10, "Able").teamFixed) << pass;
  }
}

// Cole recovers Able's fumble and returns it (a new label). A second-down
// header shows that Able's side kept the ball: Cole's label joins Able's.
class FumbleCarryTest : public InferenceTest, public testing::WithParamInterface<int> {};

TEST_P(FumbleCarryTest, ALaterDownKeepsTheOffensesLabel) {
  const int down = GetParam();
  Process(std::string(kFirstLine) +
          Play(Header(0, 0, Down(1, 10)),
               "#10-Able took the hand-off... FUMBLED... recovered by #20-Cole.  ",
               "No gain on the return.  The ball is on the 30 yard line.  \n") +
          Play(Header(0, 0, Down(down, 10)),
               "#20-Cole took the hand-off... #55-Hill took him down.  ", Gain(5)) +
          Play(Header(0, 0, Down(3, 5)), "#20-Cole took the hand-off... TOUCHDOWN!  ") +
          Play(Header(6, 0, kTry), "#3-Kick's extra point was GOOD!  ") + End(5, 4));
  EXPECT_EQ(Team(20, "Cole"), "Bears");
  EXPECT_EQ(Team(55, "Hill"), "Lions");
  EXPECT_EQ(Team(10, "Able"), down > 1 ? "Bears" : "");
}

INSTANTIATE_TEST_SUITE_P(Downs, FumbleCarryTest, testing::Values(1, 2));

// Punter's label 1 punts once; the box gives the visiting team 1 punt and
// the home team 2, so label 1 is the visiting team, unless a roster player
// of the game names the groups.
struct RosterCase {
  const char* name;
  int rosterNumber;  // 0: no roster player
  const char* rosterName;
  const char* rosterTeam;
  const char* punter;
  const char* ret;
};

void PrintTo(const RosterCase& c, std::ostream* out) {
  *out << c.name;
}

class RosterTest : public InferenceTest, public testing::WithParamInterface<RosterCase> {};

TEST_P(RosterTest, RosterPlayersComeBeforeThePunts) {
  const RosterCase& c = GetParam();
  if (c.rosterNumber != 0) Rostered(c.rosterNumber, c.rosterName, c.rosterTeam);
  Process(std::string(kFirstLine) +
          Play(Header(0, 0, Down(4, 10)),
               "#4-Punter... the punt was taken by #30-Ret... #55-Cov took him down.  ",
               "Gain of 5 yards on the return.  The ball is on the 40 yard line.  \n") +
          End(1, 2));
  EXPECT_EQ(Team(4, "Punter"), c.punter);
  EXPECT_EQ(Team(55, "Cov"), c.punter);
  EXPECT_EQ(Team(30, "Ret"), c.ret);
  EXPECT_EQ(Log(), "");
}

const RosterCase kRosterCases[] = {
    {"PuntsNameTheGroups", 0, "", "", "Bears", "Lions"},
    {"ARosterPlayerAbsentFromTheGameChangesNothing", 99, "Ghost", "Lions", "Bears", "Lions"},
    // Ret is on the Bears' roster: his group is named by him, the punts are
    // not compared, and the kicking side stays unnamed.
    {"ARosterPlayerInTheGamePreventsThePunts", 30, "Ret", "Bears", "", "Bears"},
};

INSTANTIATE_TEST_SUITE_P(Rosters, RosterTest, testing::ValuesIn(kRosterCases),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

// A roster player whose group a score names for the other team keeps his
// team; the conflict is logged with his name.
TEST_F(InferenceTest, ARosterPlayerNamedForTheOtherTeamIsLogged) {
  league::PlayerRecord* baker = Rostered(22, "Baker", "Lions");
  Process(std::string(kFirstLine) +
          Play(Header(0, 0, Down(1, 10)), "#22-Baker took the hand-off... TOUCHDOWN!  ") +
          Play(Header(6, 0, kTry), "#3-Kick's extra point was GOOD!  ") + End(5, 4));
  EXPECT_EQ(baker->teamName, "Lions");
  EXPECT_EQ(Team(3, "Kick"), "Lions");  // named at the end by Baker, the roster player
  EXPECT_EQ(Log(), "T\nTried to change team name of player\nBaker\n");
}

// 110 touchbacks hand out labels 2 to 111; Morgan returns the next kick-off
// (label -111) and punts for his side; the punt count of label -111 matches
// the visiting team's one punt.
TEST_F(InferenceTest, LabelsPastOneHundredKeepTheirPuntCounts) {
  std::string text = kFirstLine;
  for (int i = 0; i < 110; ++i) {
    text += Play(Header(0, 0, kKickOff), "The kickoff was not fielded... touchback.  ");
  }
  text += Play(Header(0, 0, kKickOff), "The kickoff was taken by #23-Morgan.  ");
  text += Play(Header(0, 0, Down(4, 10)), "#23-Morgan... the punt was taken by #30-Ret.  ");
  Process(text + End(1, 2));
  EXPECT_EQ(Team(23, "Morgan"), "Bears");
  EXPECT_EQ(Team(30, "Ret"), "Lions");
  EXPECT_EQ(game->players.Of(Named(23, "Morgan")).teamGroup, -111);
  EXPECT_EQ(Log(), "");
}

// A description that is not understood starts the next play with a fresh
// label, so its players are not tied to the play before.
TEST_F(InferenceTest, APlayNotUnderstoodStartsAFreshLabel) {
  Process(std::string(kFirstLine) +
          Play(Header(0, 0, Down(1, 10)), "#10-Able took the hand-off... #50-Zed took him down.  ",
               Gain(3)) +
          Play(Header(0, 0, Down(2, 7)), "#10-Able did something unheard of") +
          Play(Header(0, 0, Down(3, 7)), "#22-Baker took the hand-off... TOUCHDOWN!  ") +
          Play(Header(6, 0, kTry), "#3-Kick's extra point was GOOD!  ") + End(5, 4));
  EXPECT_EQ(Team(22, "Baker"), "Bears");
  EXPECT_EQ(Team(10, "Able"), "");
  EXPECT_EQ(game->players.Of(Named(22, "Baker")).teamGroup, 2);
  EXPECT_EQ(Log(), "T\nDon't understand play description\n#10-Able did something unheard of\n");
}

}  // namespace
}  // namespace yl::transcript
