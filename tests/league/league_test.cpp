// The league model: player tokens, the hash, teams and position inference.
#include "league/league.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"
#include "support/newest_first.h"

namespace yl::league {
namespace {

struct LeagueFixture : testing::Test {
  test::FakePlatform platform;
  League league;

  PlayerRecord* Token(std::string_view token) { return FindOrCreatePlayer(league, token); }
};

using FindOrCreatePlayerTest = LeagueFixture;

TEST_F(FindOrCreatePlayerTest, OneAndTwoDigitNumbersNameTheSamePlayer) {
  PlayerRecord* a = Token("#7 Smith");
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->number, 7);
  EXPECT_EQ(a->name, "Smith");
  EXPECT_EQ(Token("#07 Smith"), a);
  EXPECT_EQ(Token("#7-Smith"), a);
  EXPECT_EQ(std::ssize(league.players), 1);
}

TEST_F(FindOrCreatePlayerTest, TheFourthCharacterStartsTheName) {
  PlayerRecord* p = Token("#7Smith");
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->name, "mith");
  EXPECT_EQ(Token("#45")->name, "");
  EXPECT_EQ(Token("#4")->name, "");
  EXPECT_EQ(Token("#45-")->name, "");
}

TEST_F(FindOrCreatePlayerTest, MarkedTokenSetsOffense) {
  PlayerRecord* p = Token("#12 Jones");
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->side, kUndecided);
  EXPECT_EQ(Token("#12 Jones*"), p);
  EXPECT_EQ(p->side, kOffense);
  PlayerRecord* q = Token("#13 Brown+");
  EXPECT_EQ(q->name, "Brown");
  EXPECT_EQ(q->side, kOffense);
  PlayerRecord* r = Token("#14 Green\xa0");
  EXPECT_EQ(r->name, "Green");
  EXPECT_EQ(r->side, kOffense);
  EXPECT_FALSE(r->teamFixed);
  EXPECT_EQ(r->position, 0);
}

TEST_F(FindOrCreatePlayerTest, TokensThatAreNoPlayers) {
  EXPECT_EQ(Token("Jones"), nullptr);
  EXPECT_EQ(Token(""), nullptr);
  EXPECT_EQ(Token("#12 Jones#2"), nullptr);
  EXPECT_EQ(Token("#12 Jo!nes"), nullptr);
  EXPECT_EQ(Token("x#12 Jones"), nullptr);  // a second "#" comes before the first test
  // Numbers that are not one or two digits cannot index the hash.
  EXPECT_EQ(Token("#A Jones"), nullptr);
  EXPECT_EQ(Token("#"), nullptr);
  EXPECT_EQ(Token("#-5 Jones"), nullptr);
  EXPECT_EQ(std::ssize(league.players), 0);
}

TEST_F(FindOrCreatePlayerTest, SameNumberDifferentNamesAreTwoPlayers) {
  PlayerRecord* a = Token("#22 Adams");
  PlayerRecord* b = Token("#22 Baker");
  ASSERT_NE(a, b);
  EXPECT_EQ(Token("#22 Adams"), a);
  EXPECT_EQ(Token("#22 Baker"), b);
  EXPECT_EQ(league.hash.size(), 2u);
  EXPECT_EQ(FindPlayerInHash(league, 22, "Baker"), b);
  EXPECT_EQ(FindPlayerInHash(league, 22, "baker"), nullptr);  // names are exact
  EXPECT_EQ(FindPlayerInHash(league, 23, "Baker"), nullptr);
}

TEST_F(FindOrCreatePlayerTest, TheListHasTheNewestFirst) {
  PlayerRecord* a = Token("#1 A");
  PlayerRecord* b = Token("#2 B");
  PlayerRecord* c = Token("#3 C");
  EXPECT_EQ(test::NewestFirst(league.players), (std::vector<PlayerRecord*>{c, b, a}));
}

TEST_F(FindOrCreatePlayerTest, LongNamesAreCut) {
  const std::string name(40, 'n');
  PlayerRecord* p = Token("#9 " + name);
  EXPECT_EQ(p->name, std::string(31, 'n'));
  EXPECT_EQ(Token("#9 " + name), p);
}

TEST_F(LeagueFixture, FindOrCreateTeamIgnoresLetterCase) {
  TeamRecord* bears = FindOrCreateTeam(league, "Bears");
  EXPECT_EQ(FindOrCreateTeam(league, "BEARS"), bears);
  EXPECT_EQ(bears->own.overtimePoints, -1);
  EXPECT_EQ(bears->opponents.overtimePoints, -1);
  EXPECT_EQ(bears->own.points, 0);
  TeamRecord* lions = FindOrCreateTeam(league, "Lions");
  EXPECT_NE(lions, bears);
  EXPECT_EQ(&league.teams.back(), lions);
  const TeamRecord* bear = FindOrCreateTeam(league, "Bear");  // a prefix is another team
  EXPECT_EQ(bear, &league.teams.back());
  EXPECT_EQ(std::ssize(league.teams), 3);
  EXPECT_EQ(FindOrCreateTeam(league, std::string(70, 'x'))->name, std::string(63, 'x'));
  EXPECT_EQ(FindOrCreateTeam(league, std::string(64, 'x'))->name, std::string(63, 'x'));
  EXPECT_EQ(std::ssize(league.teams), 4);
}

TEST(CompareText, Switches) {
  EXPECT_TRUE(CompareText("Bears", "bEARS", false, true));
  EXPECT_FALSE(CompareText("Bears", "bEARS", true, true));
  EXPECT_TRUE(CompareText("Bears", "Bea", true, false));
  EXPECT_FALSE(CompareText("Bears", "Bea", true, true));
  EXPECT_FALSE(CompareText("B\xe9", "B\xc9", false, true));
}

struct InferCase {
  std::uint16_t side;
  std::int16_t number;
  bool kicked;
  std::int16_t position;
};

class InferPositionsTest : public testing::TestWithParam<InferCase> {};

TEST_P(InferPositionsTest, BySideAndNumber) {
  test::FakePlatform platform;
  League league;
  PlayerRecord* p = AddPlayer(league, "P", GetParam().number);
  p->side = GetParam().side;
  p->kicked = GetParam().kicked;
  InferPositions(league);
  EXPECT_EQ(p->position, GetParam().position);
}

INSTANTIATE_TEST_SUITE_P(
    Table, InferPositionsTest,
    testing::Values(InferCase{kOffense, 12, true, 8}, InferCase{kOffense, 12, false, 9},
                    InferCase{kOffense, 0, false, 9}, InferCase{kOffense, 19, true, 8},
                    InferCase{kOffense, 20, false, 11}, InferCase{kOffense, 49, true, 11},
                    InferCase{kOffense, 50, false, 10}, InferCase{kOffense, 79, false, 10},
                    InferCase{kOffense, 80, false, 5}, InferCase{kOffense, 85, false, 5},
                    InferCase{kOffense, -3, false, 0}, InferCase{kDefense, 10, false, 0},
                    InferCase{kDefense, 20, false, 9}, InferCase{kDefense, 49, false, 9},
                    InferCase{kDefense, 50, false, 4}, InferCase{kDefense, 59, false, 4},
                    InferCase{kDefense, 60, false, 8}, InferCase{kDefense, 99, false, 8},
                    InferCase{kUndecided, 12, true, 0}));

TEST(InferPositions, KeepsAKnownPosition) {
  test::FakePlatform platform;
  League league;
  PlayerRecord* p = AddPlayer(league, "P", 85);
  p->side = kOffense;
  p->position = 4;
  InferPositions(league);
  EXPECT_EQ(p->position, 4);
  EXPECT_EQ(PositionText(4, kOffense), "TE");
  EXPECT_EQ(PositionText(4, kDefense), "LB");
  EXPECT_EQ(PositionText(11, kOffense), "RB");
  EXPECT_EQ(PositionText(10, kDefense), "??");
  EXPECT_EQ(PositionText(0, kOffense), "??");
  EXPECT_EQ(PositionText(5, kUndecided), "??");
}

TEST_F(LeagueFixture, ReleasesEmptyTheModel) {
  PlayerRecord* p = Token("#5 A");
  p->rushing.emplace();
  FindOrCreateTeam(league, "T");
  ReleaseAllPlayerStats(league);
  EXPECT_FALSE(p->rushing);
  ReleaseLeague(league);
  EXPECT_TRUE(league.players.empty());
  EXPECT_TRUE(league.teams.empty());
  EXPECT_EQ(league.hash.size(), 0u);
  // The next player starts a fresh hash.
  EXPECT_EQ(Token("#5 A")->name, "A");
  EXPECT_EQ(league.hash.size(), 1u);
}

}  // namespace
}  // namespace yl::league
