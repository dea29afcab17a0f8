// The scoring summary list: blank entries, linking in event order, the reset
// at the start of a game and disposal.
#include "stats/scoring_summary.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/allocation_failure.h"
#include "support/fake_platform.h"
#include "support/fatal_alert.h"

namespace yl::stats {
namespace {

std::vector<const ScoringDriveRecord*> Walk(const ScoringSummary& summary) {
  std::vector<const ScoringDriveRecord*> entries;
  for (const ScoringDriveRecord* e = summary.head; e != nullptr && entries.size() < 100;
       e = e->next)
    entries.push_back(e);
  return entries;
}

struct ScoringSummaryTest : testing::Test {
  test::FakePlatform platform;
  ScoringSummary summary;
};

TEST_F(ScoringSummaryTest, ANewEntryIsBlankAndNotLinked) {
  EXPECT_TRUE(summary.appendNext);
  ScoringDriveRecord* e = CreateScoringDrive(summary);
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(static_cast<std::uint16_t>(e->quarter), 0xFFFF);
  EXPECT_EQ(static_cast<std::uint16_t>(e->minutes), 0xFFFF);
  EXPECT_EQ(static_cast<std::uint16_t>(e->seconds), 0xFFFF);
  EXPECT_EQ(static_cast<std::uint16_t>(e->number1), 0xFFFF);
  EXPECT_EQ(static_cast<std::uint16_t>(e->number2), 0xFFFF);
  EXPECT_EQ(static_cast<std::uint16_t>(e->yards), 0xFFFF);
  EXPECT_EQ(static_cast<std::uint16_t>(e->kind), 0xFFFF);
  EXPECT_TRUE(e->team.empty() && e->player1.empty() && e->player2.empty());
  EXPECT_EQ(e->next, nullptr);
  EXPECT_EQ(summary.head, nullptr);
  EXPECT_EQ(summary.tail, nullptr);
}

TEST_F(ScoringSummaryTest, LinkedEntriesKeepEventOrder) {
  ScoringDriveRecord* a = CreateScoringDrive(summary);
  ScoringDriveRecord* unlinked = CreateScoringDrive(summary);
  ScoringDriveRecord* b = CreateScoringDrive(summary);
  LinkScoringDrive(summary, a);
  LinkScoringDrive(summary, b);
  // Linking the tail again must not make a cycle.
  LinkScoringDrive(summary, b);
  EXPECT_EQ(Walk(summary), (std::vector<const ScoringDriveRecord*>{a, b}));
  EXPECT_EQ(summary.tail, b);
  EXPECT_NE(unlinked, nullptr);
}

TEST_F(ScoringSummaryTest, ResetStartsAnEmptySummaryThatAppends) {
  ScoringDriveRecord* a = CreateScoringDrive(summary);
  LinkScoringDrive(summary, a);
  summary.current = a;
  summary.appendNext = false;
  ResetScoringSummary(summary);
  EXPECT_EQ(summary.head, nullptr);
  EXPECT_EQ(summary.tail, nullptr);
  EXPECT_EQ(summary.current, nullptr);
  EXPECT_TRUE(summary.appendNext);
  EXPECT_TRUE(summary.entries.empty());
  // The next game's first entry becomes the head.
  ScoringDriveRecord* b = CreateScoringDrive(summary);
  LinkScoringDrive(summary, b);
  EXPECT_EQ(Walk(summary), (std::vector<const ScoringDriveRecord*>{b}));
}

TEST_F(ScoringSummaryTest, DisposalFreesEveryEntryLinkedOrNot) {
  for (int k = 0; k < 3; ++k)
    LinkScoringDrive(summary, CreateScoringDrive(summary));
  summary.current = CreateScoringDrive(summary);  // filled, never linked
  DisposeScoringSummary(summary);
  EXPECT_EQ(summary.head, nullptr);
  EXPECT_EQ(summary.tail, nullptr);
  EXPECT_EQ(summary.current, nullptr);
  EXPECT_TRUE(summary.entries.empty());
}

TEST_F(ScoringSummaryTest, OutOfMemoryAlerts) {
  test::FailNextAllocation();
  const auto message = test::FatalMessage([&] { CreateScoringDrive(summary); });
  EXPECT_EQ(message,
            "CreateScoringDrive Error: Couldn't allocate SD record  To fix allocate more memory "
            "to Yardledger in GetInfo in the Finder.");
  EXPECT_TRUE(summary.entries.empty());
}

}  // namespace
}  // namespace yl::stats
