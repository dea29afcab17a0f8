// The six longest-play lists: order, ties, capacity and the routines that
// feed each list.
#include "stats/longest_lists.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

#include "league/league.h"
#include "support/allocation_failure.h"
#include "support/fatal_alert.h"

namespace yl::stats {
namespace {

using league::PlayerRecord;
using Entry = std::pair<int, const PlayerRecord*>;

// The list from the top down to its first free entry.
std::vector<Entry> Entries(const std::optional<LongestList>& list) {
  std::vector<Entry> entries;
  if (!list) return entries;
  for (const LongestRecord& e : list->entries) {
    if (e.player == nullptr) break;
    entries.emplace_back(e.yards, e.player);
  }
  return entries;
}

struct LongestListTest : testing::Test {
  LongestLists lists;
  std::int32_t leadersCount = 20;
  PlayerRecord a, b, c, d;

  void Start(std::int32_t count) { leadersCount = count; }
  const std::optional<LongestList>& Rushes() { return lists.longestRushes; }
};

TEST_F(LongestListTest, EqualYardsKeepTheEarlierPlayHigher) {
  Start(3);
  EnterLongestRush(lists, leadersCount, &a, 12);
  EnterLongestRush(lists, leadersCount, &b, 40);
  EnterLongestRush(lists, leadersCount, &c, 12);
  EnterLongestRush(lists, leadersCount, &d, 40);
  EXPECT_EQ(Entries(Rushes()), (std::vector<Entry>{{40, &b}, {40, &d}, {12, &a}}));
  ASSERT_EQ(Rushes()->entries.size(), 3u);
}

TEST_F(LongestListTest, AShortPlayDoesNotEnterAFullList) {
  Start(2);
  EnterLongestRush(lists, leadersCount, &a, 30);
  EnterLongestRush(lists, leadersCount, &b, 20);
  EnterLongestRush(lists, leadersCount, &c, 20);  // equal to the last: stays out
  EnterLongestRush(lists, leadersCount, &d, 5);
  EXPECT_EQ(Entries(Rushes()), (std::vector<Entry>{{30, &a}, {20, &b}}));
  EnterLongestRush(lists, leadersCount, &d, 25);
  EXPECT_EQ(Entries(Rushes()), (std::vector<Entry>{{30, &a}, {25, &d}}));
}

TEST_F(LongestListTest, LossesEnterOnlyWhereThereIsRoomOrShorterPlays) {
  Start(3);
  EnterLongestRush(lists, leadersCount, &a, -8);
  EnterLongestRush(lists, leadersCount, &b, 0);
  EnterLongestRush(lists, leadersCount, &c, -3);
  EXPECT_EQ(Entries(Rushes()), (std::vector<Entry>{{0, &b}, {-3, &c}, {-8, &a}}));
  EnterLongestRush(lists, leadersCount, &d, -9);  // full, and every entry is longer
  EnterLongestRush(lists, leadersCount, &d, -5);  // pushes out the -8
  EXPECT_EQ(Entries(Rushes()), (std::vector<Entry>{{0, &b}, {-3, &c}, {-5, &d}}));
}

TEST_F(LongestListTest, APlayerMayHoldSeveralEntries) {
  Start(5);
  EnterLongestPass(lists, leadersCount, &a, 15);
  EnterLongestPass(lists, leadersCount, &a, 55);
  EnterLongestPass(lists, leadersCount, &b, 30);
  EnterLongestPass(lists, leadersCount, &a, 30);
  EXPECT_EQ(Entries(lists.longestPasses),
            (std::vector<Entry>{{55, &a}, {30, &b}, {30, &a}, {15, &a}}));
}

TEST_F(LongestListTest, ZeroLeadersKeepTheListsEmpty) {
  Start(0);
  EnterLongestRush(lists, leadersCount, &a, 80);
  ASSERT_TRUE(Rushes().has_value());
  EXPECT_TRUE(Rushes()->entries.empty());
}

TEST_F(LongestListTest, EightyLeadersHoldFiftyEntries) {
  Start(80);
  std::vector<PlayerRecord> players(60);
  for (int k = 0; k < 60; ++k)
    EnterLongestRush(lists, leadersCount, &players[static_cast<std::size_t>(k)],
                     static_cast<std::int16_t>(k));
  const std::vector<Entry> entries = Entries(Rushes());
  ASSERT_EQ(entries.size(), 50u);
  EXPECT_EQ(Rushes()->entries.size(), 50u);
  EXPECT_EQ(entries.front(), Entry(59, &players[59]));
  EXPECT_EQ(entries.back(), Entry(10, &players[10]));
}

TEST_F(LongestListTest, AnEmptyPlayerIsNotEntered) {
  Start(3);
  EnterLongestRush(lists, leadersCount, &a, 10);
  EnterLongestRush(lists, leadersCount, nullptr, 90);
  EnterLongestRush(lists, leadersCount, &b, 5);
  EXPECT_EQ(Entries(Rushes()), (std::vector<Entry>{{10, &a}, {5, &b}}));
}

TEST_F(LongestListTest, DisposalLetsTheNextEntryCreateTheListAgain) {
  Start(2);
  EnterLongestFG(lists, leadersCount, &a, 45);
  DisposeLongestLists(lists);
  EXPECT_FALSE(lists.longestFGs.has_value());
  EnterLongestFG(lists, leadersCount, &b, 20);
  EXPECT_EQ(Entries(lists.longestFGs), (std::vector<Entry>{{20, &b}}));
}

TEST_F(LongestListTest, OutOfMemoryAtCreationAlerts) {
  Start(3);
  test::FailNextAllocation();
  const auto message =
      test::FatalMessage([&] { EnterLongestKickRet(lists, leadersCount, &a, 30); });
  EXPECT_EQ(message,
            "EnterLongestKickRet Error: Couldn't allocate LongestRecord  The run is out of "
            "memory: close other programs or raise its limit (ulimit -v), and run it again.");
  EXPECT_FALSE(lists.longestKickReturns.has_value());
}

TEST(LongestCapacity, IsLeadersCountWithinZeroToFiftyElseFifty) {
  const std::pair<std::int32_t, std::int32_t> cases[] = {{-1, 50}, {-7, 50}, {0, 0},   {1, 1},
                                                         {20, 20}, {50, 50}, {51, 50}, {80, 50}};
  for (const auto& [leadersCount, capacity] : cases)
    EXPECT_EQ(LongestCapacity(leadersCount), capacity) << leadersCount;
}

// Each routine feeds its own list and no other.
struct RoutineCase {
  const char* name;
  void (*enter)(LongestLists&, std::int32_t, PlayerRecord*, std::int16_t);
  std::optional<LongestList> LongestLists::*list;
};

class LongestRoutineTest : public testing::TestWithParam<RoutineCase> {};

TEST_P(LongestRoutineTest, FeedsItsOwnList) {
  LongestLists lists;
  PlayerRecord p;
  GetParam().enter(lists, 20, &p, 33);
  for (auto member : {&LongestLists::longestRushes, &LongestLists::longestPasses,
                      &LongestLists::longestReceptions, &LongestLists::longestFGs,
                      &LongestLists::longestPuntReturns, &LongestLists::longestKickReturns}) {
    if (member == GetParam().list) {
      EXPECT_EQ(Entries(lists.*member), (std::vector<Entry>{{33, &p}}));
      EXPECT_EQ((lists.*member)->entries.size(), 20u);  // the capacity of a count of 20
    } else {
      EXPECT_FALSE((lists.*member).has_value());
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Routines, LongestRoutineTest,
    testing::Values(RoutineCase{"Rush", EnterLongestRush, &LongestLists::longestRushes},
                    RoutineCase{"Pass", EnterLongestPass, &LongestLists::longestPasses},
                    RoutineCase{"Reception", EnterLongestReception,
                                &LongestLists::longestReceptions},
                    RoutineCase{"FG", EnterLongestFG, &LongestLists::longestFGs},
                    RoutineCase{"PuntRet", EnterLongestPuntRet, &LongestLists::longestPuntReturns},
                    RoutineCase{"KickRet", EnterLongestKickRet, &LongestLists::longestKickReturns}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

}  // namespace
}  // namespace yl::stats
