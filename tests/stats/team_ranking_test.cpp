// Team ranking: by name and by the three keys of the team tables.
#include "stats/team_ranking.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace yl::stats {
namespace {

using league::TeamRecord;

struct TeamSortTest : testing::Test {
  league::League league;
  TeamOrder order;
  bool ordered = false;

  // Adds teams so that the list reads them in the order given.
  std::vector<TeamRecord*> Teams(const std::vector<const char*>& names) {
    std::vector<TeamRecord*> teams(names.size());
    for (std::size_t k = names.size(); k-- > 0;)
      teams[k] = league::AddTeam(league, names[k]);
    return teams;
  }

  // The order the sorts before left, the list's order at first.
  TeamOrder& Order() {
    if (!ordered) order = TeamsInListOrder(league);
    ordered = true;
    return order;
  }

  // The names along the order.
  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (const TeamRecord* t : Order())
      names.push_back(t->name);
    return names;
  }
};

TEST_F(TeamSortTest, ByNameIgnoresTheCaseOfLetters) {
  Teams({"wolves", "Bears", "ants", "Eagles", "Apes"});
  SortTeamsByName(Order());
  EXPECT_EQ(Names(), (std::vector<std::string>{"ants", "Apes", "Bears", "Eagles", "wolves"}));
  EXPECT_EQ(league.teams.back().name, "wolves");  // the league's list keeps its order
}

TEST_F(TeamSortTest, OffenseRanksTheMostNetYardsFirstThenName) {
  std::vector<TeamRecord*> t = Teams({"Cats", "Bears", "Ants", "Dogs"});
  t[0]->own.netYards = 300;
  t[1]->own.netYards = 450;
  t[2]->own.netYards = 300;
  t[3]->own.netYards = -20;
  t[3]->opponents.netYards = 9999;  // not this key's value
  SortTeamsByStats(Order(), kOffenseNetYards);
  EXPECT_EQ(Names(), (std::vector<std::string>{"Bears", "Ants", "Cats", "Dogs"}));
}

TEST_F(TeamSortTest, DefenseRanksTheFewestNetYardsAllowedFirst) {
  std::vector<TeamRecord*> t = Teams({"Ants", "Bears", "Cats"});
  t[0]->opponents.netYards = 500;
  t[1]->opponents.netYards = 200;
  t[2]->opponents.netYards = 200;
  t[0]->own.netYards = -1000;
  SortTeamsByStats(Order(), kDefenseNetYards);
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
  SortTeamsByStats(Order(), kTakeawayGiveaway);
  EXPECT_EQ(Names(), (std::vector<std::string>{"Bears", "Ants", "Dogs", "Cats"}));
}

TEST_F(TeamSortTest, OtherKeysMoveNothing) {
  std::vector<TeamRecord*> t = Teams({"Cats", "Ants", "Bears"});
  t[1]->own.netYards = 100;
  for (int key : {0, 4, -1})
    SortTeamsByStats(Order(), static_cast<TeamSortKey>(key));
  EXPECT_EQ(Names(), (std::vector<std::string>{"Cats", "Ants", "Bears"}));
}

TEST_F(TeamSortTest, EmptyAndSingleListsAreLeftAlone) {
  SortTeamsByName(Order());
  EXPECT_TRUE(order.empty());
  ordered = false;
  Teams({"Ants"});
  SortTeamsByStats(Order(), kOffenseNetYards);
  EXPECT_EQ(Names(), (std::vector<std::string>{"Ants"}));
}

}  // namespace
}  // namespace yl::stats
