// Team ranking: by name and by the three keys of the team tables.
#include "stats/team_ranking.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fake_platform.h"

namespace yl::stats {
namespace {

using league::TeamRecord;

struct TeamSortTest : testing::Test {
  test::FakePlatform platform;
  league::League league;

  // Adds teams so that the list reads them in the order given.
  std::vector<TeamRecord*> Teams(const std::vector<const char*>& names) {
    std::vector<TeamRecord*> teams(names.size());
    for (std::size_t k = names.size(); k-- > 0;)
      teams[k] = league::AddTeam(league, names[k]);
    return teams;
  }

  // The names along the list, checking the backward links on the way.
  std::vector<std::string> Names() {
    std::vector<std::string> names;
    const TeamRecord* previous = nullptr;
    for (const TeamRecord* t = league.teams; t != nullptr && names.size() < 100; t = t->next) {
      EXPECT_EQ(t->previous, previous);
      names.push_back(t->name);
      previous = t;
    }
    return names;
  }
};

TEST_F(TeamSortTest, ByNameIgnoresTheCaseOfLetters) {
  Teams({"wolves", "Bears", "ants", "Eagles", "Apes"});
  SortTeamsByName(league);
  EXPECT_EQ(Names(), (std::vector<std::string>{"ants", "Apes", "Bears", "Eagles", "wolves"}));
  EXPECT_EQ(league.teamCount, 5);
}

TEST_F(TeamSortTest, OffenseRanksTheMostNetYardsFirstThenName) {
  std::vector<TeamRecord*> t = Teams({"Cats", "Bears", "Ants", "Dogs"});
  t[0]->own.netYards = 300;
  t[1]->own.netYards = 450;
  t[2]->own.netYards = 300;
  t[3]->own.netYards = -20;
  t[3]->opponents.netYards = 9999;  // not this key's value
  SortTeamsByStats(league, kOffenseNetYards);
  EXPECT_EQ(Names(), (std::vector<std::string>{"Bears", "Ants", "Cats", "Dogs"}));
}

TEST_F(TeamSortTest, DefenseRanksTheFewestNetYardsAllowedFirst) {
  std::vector<TeamRecord*> t = Teams({"Ants", "Bears", "Cats"});
  t[0]->opponents.netYards = 500;
  t[1]->opponents.netYards = 200;
  t[2]->opponents.netYards = 200;
  t[0]->own.netYards = -1000;
  SortTeamsByStats(league, kDefenseNetYards);
  EXPECT_EQ(Names(), (std::vector<std::string>{"Bears", "Cats", "Ants"}));
}

TEST_F(TeamSortTest, TakeawaysMinusGiveawaysRankTheBestDifferenceFirst) {
  std::vector<TeamRecord*> t = Teams({"Ants", "Bears", "Cats", "Dogs"});
  // Ants: 1 + 1 taken, 3 + 0 given: -1. Bears: 4 taken, 0 given: +4.
  // Cats: 0 taken, 2 given: -2. Dogs: 2 taken, 3 given: -1 (tie with Ants).
  t[0]->opponents = {.intercepted = 1, .fumblesLost = 1};
  t[0]->own = {.intercepted = 3};
  t[1]->opponents = {.intercepted = 2, .fumblesLost = 2};
  t[2]->own = {.intercepted = 1, .fumblesLost = 1};
  t[3]->opponents = {.fumblesLost = 2};
  t[3]->own = {.intercepted = 2, .fumblesLost = 1};
  SortTeamsByStats(league, kTakeawayGiveaway);
  EXPECT_EQ(Names(), (std::vector<std::string>{"Bears", "Ants", "Dogs", "Cats"}));
}

TEST_F(TeamSortTest, OtherKeysMoveNothing) {
  std::vector<TeamRecord*> t = Teams({"Cats", "Ants", "Bears"});
  t[1]->own.netYards = 100;
  for (int key : {0, 4, -1})
    SortTeamsByStats(league, static_cast<TeamSortKey>(key));
  EXPECT_EQ(Names(), (std::vector<std::string>{"Cats", "Ants", "Bears"}));
}

TEST_F(TeamSortTest, EmptyAndSingleListsAreLeftAlone) {
  SortTeamsByName(league);
  EXPECT_EQ(league.teams, nullptr);
  Teams({"Ants"});
  SortTeamsByStats(league, kOffenseNetYards);
  EXPECT_EQ(Names(), (std::vector<std::string>{"Ants"}));
}

}  // namespace
}  // namespace yl::stats
