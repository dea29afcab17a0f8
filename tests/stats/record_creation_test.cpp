// The find-or-create family of the stat records and the disposal of every
// record.
#include "stats/record_creation.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace yl::stats {
namespace {

using league::kDefense;
using league::kOffense;
using league::kUndecided;

// Which of the sixteen slots are filled, in slot order, as a row of 0 and 1.
std::string FilledSlots(const PlayerRecord& p) {
  const bool filled[] = {
      p.rushing.has_value(),      p.fgKicking.has_value(),    p.epKicking.has_value(),
      p.twoPoint.has_value(),     p.kickReturn.has_value(),   p.puntReturn.has_value(),
      p.punting.has_value(),      p.interception.has_value(), p.defensive.has_value(),
      p.specialTeams.has_value(), p.recovery.has_value(),     p.receiving.has_value(),
      p.passing.has_value(),      p.miscOff.has_value(),      p.defSpecialTeams.has_value(),
      p.penalty.has_value()};
  std::string row;
  for (const bool slot : filled)
    row += slot ? '1' : '0';
  return row;
}

// A row with one slot filled, by slot position.
std::string Only(int slot) {
  std::string row(16, '0');
  row[static_cast<std::size_t>(slot)] = '1';
  return row;
}

enum Slot {
  kRushingSlot,
  kFGKickingSlot,
  kEPKickingSlot,
  kTwoPointSlot,
  kKickReturnSlot,
  kPuntReturnSlot,
  kPuntingSlot,
  kInterceptionSlot,
  kDefensiveSlot,
  kSpecialTeamsSlot,
  kRecoverySlot,
  kReceivingSlot,
  kPassingSlot,
  kMiscOffSlot,
  kDefSpecialTeamsSlot,
  kPenaltySlot,
};

struct SimpleCase {
  const char* routine;
  PlayerRecord* (*get)(PlayerRecord*);
  int slot;
};

const SimpleCase kSimpleCases[] = {
    {"GetRusher", GetRusher, kRushingSlot},
    {"GetPasser", GetPasser, kPassingSlot},
    {"GetDefensiveStats", GetDefensiveStats, kDefensiveSlot},
    {"GetIntercepter", GetIntercepter, kInterceptionSlot},
    {"GetRecoverer", GetRecoverer, kRecoverySlot},
    {"GetPunter", GetPunter, kPuntingSlot},
    {"GetPuntReturner", GetPuntReturner, kPuntReturnSlot},
    {"GetKickoffReturner", GetKickoffReturner, kKickReturnSlot},
    {"GetFGKicker", GetFGKicker, kFGKickingSlot},
    {"GetEPKicker", GetEPKicker, kEPKickingSlot},
    {"Get2EPPlayer", Get2EPPlayer, kTwoPointSlot},
    {"GetFouler", GetFouler, kPenaltySlot},
};

class SimpleGetTest : public testing::TestWithParam<SimpleCase> {};

TEST_P(SimpleGetTest, CreatesItsRecordOnceWhateverTheSide) {
  const SimpleCase& c = GetParam();
  for (std::uint16_t side : {kOffense, kDefense, kUndecided}) {
    PlayerRecord p;
    p.side = side;
    EXPECT_EQ(c.get(&p), &p);
    EXPECT_EQ(FilledSlots(p), Only(c.slot)) << side;
  }
}

TEST_P(SimpleGetTest, AnEmptyPlayerGivesNothing) {
  EXPECT_EQ(GetParam().get(nullptr), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Routines, SimpleGetTest, testing::ValuesIn(kSimpleCases),
                         [](const auto& paramInfo) {
                           return std::string(paramInfo.param.routine);
                         });

struct SideCase {
  const char* name;
  PlayerRecord* (*get)(PlayerRecord*, bool&);
  std::uint16_t side;
  int slot;  // -1: nothing is created
  bool defenseRecord;
};

const SideCase kSideCases[] = {
    {"RecieverOffense", GetReciever, kOffense, kReceivingSlot, false},
    {"RecieverDefense", GetReciever, kDefense, kDefensiveSlot, true},
    {"RecieverUndecided", GetReciever, kUndecided, -1, false},
    {"TacklerOffense", GetTackler, kOffense, kMiscOffSlot, false},
    {"TacklerDefense", GetTackler, kDefense, kDefensiveSlot, true},
    {"TacklerUndecided", GetTackler, kUndecided, -1, false},
    {"SpecialTacklerOffense", GetSpecialTackler, kOffense, kSpecialTeamsSlot, false},
    {"SpecialTacklerDefense", GetSpecialTackler, kDefense, kDefSpecialTeamsSlot, true},
    {"SpecialTacklerUndecided", GetSpecialTackler, kUndecided, -1, false},
    // Any side other than 0 and 1 counts as undecided.
    {"TacklerSideTwo", GetTackler, 2, -1, false},
};

class SideGetTest : public testing::TestWithParam<SideCase> {
 protected:
};

TEST_P(SideGetTest, PicksTheRecordBySide) {
  const SideCase& c = GetParam();
  PlayerRecord p;
  p.side = c.side;
  bool defenseRecord = !c.defenseRecord;
  PlayerRecord* result = c.get(&p, defenseRecord);
  EXPECT_EQ(defenseRecord, c.defenseRecord);
  if (c.slot < 0) {
    EXPECT_EQ(result, nullptr);
    EXPECT_EQ(FilledSlots(p), std::string(16, '0'));
  } else {
    EXPECT_EQ(result, &p);
    EXPECT_EQ(FilledSlots(p), Only(c.slot));
  }
  defenseRecord = true;
  EXPECT_EQ(c.get(nullptr, defenseRecord), nullptr);
  EXPECT_FALSE(defenseRecord);
}

INSTANTIATE_TEST_SUITE_P(Routines, SideGetTest, testing::ValuesIn(kSideCases),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

TEST(StatRecords, NewRecordsAreZeroWithNoLongestPlay) {
  PlayerRecord p;
  p.side = kOffense;
  bool defenseRecord = false;
  GetRusher(&p);
  GetPasser(&p);
  GetReciever(&p, defenseRecord);
  GetPuntReturner(&p);
  GetKickoffReturner(&p);
  GetFGKicker(&p);
  EXPECT_EQ(p.rushing->longest, -101);
  EXPECT_EQ(p.passing->longest, -101);
  EXPECT_EQ(p.receiving->longest, -101);
  EXPECT_EQ(p.puntReturn->longest, -101);
  EXPECT_EQ(p.kickReturn->longest, -101);
  EXPECT_EQ(p.fgKicking->longest, -101);
  EXPECT_EQ(p.rushing->yards, 0);
  EXPECT_EQ(p.passing->sackYards, 0);
  EXPECT_EQ(p.fgKicking->blocked, 0);
  // A second call keeps the record that is there, figures and all.
  p.rushing->attempts = 5;
  GetRusher(&p);
  EXPECT_EQ(p.rushing->attempts, 5);
}

TEST(DisposeStatRecords, LeavesEverySlotOfEveryPlayerEmpty) {
  league::League league;
  for (int n = 1; n <= 3; ++n) {
    PlayerRecord* p = league::AddPlayer(league, "Player", static_cast<std::int16_t>(n));
    bool defenseRecord = false;
    for (const SimpleCase& c : kSimpleCases)
      c.get(p);
    for (std::uint16_t side : {kOffense, kDefense}) {
      p->side = side;
      GetReciever(p, defenseRecord);
      GetTackler(p, defenseRecord);
      GetSpecialTackler(p, defenseRecord);
    }
    ASSERT_EQ(FilledSlots(*p), std::string(16, '1'));
  }
  league::ReleaseAllPlayerStats(league);
  EXPECT_EQ(league.players.size(), 3u);
  for (const PlayerRecord& p : league.players)
    EXPECT_EQ(FilledSlots(p), std::string(16, '0'));
  // The next game starts from fresh records.
  GetRusher(&league.players.back());
  EXPECT_EQ(league.players.back().rushing->attempts, 0);
}

}  // namespace
}  // namespace yl::stats
