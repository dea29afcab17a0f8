// The find-or-create family of the stat records, their out-of-memory path,
// and the disposal of every record.
#include "stats/record_creation.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "support/allocation_failure.h"
#include "support/fatal_alert.h"

namespace yl::stats {
namespace {

using league::kDefense;
using league::kOffense;
using league::kUndecided;

// The records in the sixteen slots, in slot order.
std::array<const void*, 16> Records(const PlayerRecord& p) {
  return {p.rushing.get(),    p.fgKicking.get(),    p.epKicking.get(),       p.twoPoint.get(),
          p.kickReturn.get(), p.puntReturn.get(),   p.punting.get(),         p.interception.get(),
          p.defensive.get(),  p.specialTeams.get(), p.recovery.get(),        p.receiving.get(),
          p.passing.get(),    p.miscOff.get(),      p.defSpecialTeams.get(), p.penalty.get()};
}

// Which of the sixteen slots are filled, as a row of 0 and 1.
std::string FilledSlots(const PlayerRecord& p) {
  std::string row;
  for (const void* record : Records(p))
    row += record != nullptr ? '1' : '0';
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
  const char* failure;
};

const SimpleCase kSimpleCases[] = {
    {"GetRusher", GetRusher, kRushingSlot, "GetRusher Error: Couldn't allocate Rushing record"},
    {"GetPasser", GetPasser, kPassingSlot, "GetPasser Error: Couldn't allocate Passing record"},
    {"GetDefensiveStats", GetDefensiveStats, kDefensiveSlot,
     "GetDefensiveStats Error: Couldn't allocate Defensive record"},
    {"GetIntercepter", GetIntercepter, kInterceptionSlot,
     "GetIntercepter Error: Couldn't allocate Interception record"},
    {"GetRecoverer", GetRecoverer, kRecoverySlot,
     "GetRecoverer Error: Couldn't allocate Recovery record"},
    {"GetPunter", GetPunter, kPuntingSlot, "GetPunter Error: Couldn't allocate Punting record"},
    {"GetPuntReturner", GetPuntReturner, kPuntReturnSlot,
     "GetPuntReturner Error: Couldn't allocate PuntReturn record"},
    {"GetKickoffReturner", GetKickoffReturner, kKickReturnSlot,
     "GetKickoffReturner Error: Couldn't allocate KickReturn record"},
    {"GetFGKicker", GetFGKicker, kFGKickingSlot,
     "GetFGKicker Error: Couldn't allocate FGKicking record"},
    {"GetEPKicker", GetEPKicker, kEPKickingSlot,
     "GetEPKicker Error: Couldn't allocate EPKicking record"},
    {"Get2EPPlayer", Get2EPPlayer, kTwoPointSlot,
     "Get2EPPlayer Error: Couldn't allocate 2 point extra point record"},
    {"GetFouler", GetFouler, kPenaltySlot, "GetFouler Error: Couldn't allocate Penalty record"},
};

constexpr const char* kRemedyShown =
    "  To fix allocate more memory to Yardledger in GetInfo in the Finder.";

class SimpleGetTest : public testing::TestWithParam<SimpleCase> {
 protected:
  PlayerRecord player;
};

TEST_P(SimpleGetTest, CreatesItsRecordOnceWhateverTheSide) {
  const SimpleCase& c = GetParam();
  for (std::uint16_t side : {kOffense, kDefense, kUndecided}) {
    PlayerRecord p;
    p.side = side;
    EXPECT_EQ(c.get(&p), &p);
    EXPECT_EQ(FilledSlots(p), Only(c.slot)) << side;
  }
  // A second call keeps the record that is there.
  ASSERT_EQ(c.get(&player), &player);
  const void* record = Records(player)[static_cast<std::size_t>(c.slot)];
  EXPECT_EQ(c.get(&player), &player);
  EXPECT_EQ(Records(player)[static_cast<std::size_t>(c.slot)], record);
}

TEST_P(SimpleGetTest, AnEmptyPlayerGivesNothing) {
  EXPECT_EQ(GetParam().get(nullptr), nullptr);
}

TEST_P(SimpleGetTest, OutOfMemoryAlertsAndLeavesTheSlotEmpty) {
  const SimpleCase& c = GetParam();
  test::FailNextAllocation();
  const auto message = test::FatalMessage([&] { c.get(&player); });
  EXPECT_EQ(message, std::string(c.failure) + kRemedyShown);
  EXPECT_FALSE(test::AllocationFailurePending());
  EXPECT_EQ(FilledSlots(player), std::string(16, '0'));
}

INSTANTIATE_TEST_SUITE_P(Routines, SimpleGetTest, testing::ValuesIn(kSimpleCases),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.routine); });

struct SideCase {
  const char* name;
  PlayerRecord* (*get)(PlayerRecord*, bool&);
  std::uint16_t side;
  int slot;  // -1: nothing is created
  bool defenseRecord;
  const char* failure;
};

const SideCase kSideCases[] = {
    {"RecieverOffense", GetReciever, kOffense, kReceivingSlot, false,
     "GetReciever Error: Couldn't allocate Receiving record"},
    {"RecieverDefense", GetReciever, kDefense, kDefensiveSlot, true,
     "GetReciever Error: Couldn't allocate Defensive record"},
    {"RecieverUndecided", GetReciever, kUndecided, -1, false, nullptr},
    {"TacklerOffense", GetTackler, kOffense, kMiscOffSlot, false,
     "GetTackler Error: Couldn't allocate MiscOff record"},
    {"TacklerDefense", GetTackler, kDefense, kDefensiveSlot, true,
     "GetTackler Error: Couldn't allocate Defensive record"},
    {"TacklerUndecided", GetTackler, kUndecided, -1, false, nullptr},
    {"SpecialTacklerOffense", GetSpecialTackler, kOffense, kSpecialTeamsSlot, false,
     "GetSpecialTackler Error: Couldn't allocate Special Teams record"},
    {"SpecialTacklerDefense", GetSpecialTackler, kDefense, kDefSpecialTeamsSlot, true,
     "GetSpecialTackler Error: Couldn't allocate Defensive record"},
    {"SpecialTacklerUndecided", GetSpecialTackler, kUndecided, -1, false, nullptr},
    // Any side other than 0 and 1 counts as undecided.
    {"TacklerSideTwo", GetTackler, 2, -1, false, nullptr},
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

TEST_P(SideGetTest, OutOfMemoryAlertsWithTheRecordOfTheSide) {
  const SideCase& c = GetParam();
  PlayerRecord p;
  p.side = c.side;
  bool defenseRecord = false;
  test::FailNextAllocation();
  if (c.failure == nullptr) {
    // An undecided side allocates nothing, so nothing can fail.
    EXPECT_EQ(c.get(&p, defenseRecord), nullptr);
    EXPECT_TRUE(test::AllocationFailurePending());
    test::CancelAllocationFailure();
    return;
  }
  const auto message = test::FatalMessage([&] { c.get(&p, defenseRecord); });
  EXPECT_EQ(message, std::string(c.failure) + kRemedyShown);
  EXPECT_EQ(FilledSlots(p), std::string(16, '0'));
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
  DisposeStatRecords(league);
  int players = 0;
  for (PlayerRecord* p = league.players; p != nullptr; p = p->next, ++players)
    EXPECT_EQ(FilledSlots(*p), std::string(16, '0'));
  EXPECT_EQ(players, 3);
  // The next game starts from fresh records.
  GetRusher(league.players);
  EXPECT_EQ(league.players->rushing->attempts, 0);
}

}  // namespace
}  // namespace yl::stats
