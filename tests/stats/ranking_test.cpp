// Player ranking: passer rating, name order, the 55 keys, and the exact
// order the quicksort leaves in the player list.
#include "stats/ranking.h"
#include "stats/quick_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

namespace yl::stats {
namespace {

using league::PlayerRecord;
using namespace league::records;
using PR = league::PlayerRecord;

TEST(PasserRating, PerfectSeasonIsTheMaximum) {
  // Every component at its cap of 2.375: 9.5 / 6 * 100.
  EXPECT_NEAR(PasserRating(10, 10, 200, 5, 0), 158.3333333333, 1e-9);
  EXPECT_EQ(PasserRating(10, 10, 200, 5, 0), PasserRating(77, 77, 2000, 40, 0));
}

TEST(PasserRating, NoAttemptsOrNothingGoodIsZero) {
  EXPECT_EQ(PasserRating(0, 0, 0, 0, 0), 0.0);
  EXPECT_EQ(PasserRating(0, 0, 50, 1, 0), 0.0);
  // Interceptions on 10 percent of the attempts: every component below 0.
  EXPECT_EQ(PasserRating(0, 10, 0, 0, 1), 0.0);
  EXPECT_EQ(PasserRating(0, 20, -15, 0, 5), 0.0);
}

TEST(PasserRating, WorkedExample) {
  // 20 of 30 for 250 yards, 2 touchdowns, 1 interception:
  //   a = (20/30 - 0.3) * 5    = 11/6
  //   b = (250/30 - 3) * 0.25  = 4/3
  //   c = 2/30 * 20            = 4/3
  //   d = (0.095 - 1/30) * 25  = 37/24
  //   (44 + 32 + 32 + 37)/24 = 145/24; * 100 / 6 = 14500/144 = 100.694...
  EXPECT_NEAR(PasserRating(20, 30, 250, 2, 1), 14500.0 / 144.0, 1e-9);
  // Only the completion component counts here; the others clamp at 0:
  //   a = (4/10 - 0.3) * 5 = 0.5; b = (20/10 - 3) / 4 < 0; d < 0.
  EXPECT_NEAR(PasserRating(4, 10, 20, 0, 3), 0.5 * 100.0 / 6.0, 1e-9);
}

TEST(CompareNames, OrdersLettersWithoutCaseAndOtherBytesSigned) {
  struct Case {
    const char* a;
    const char* b;
    bool after;
  };
  const Case cases[] = {
      {"Smith", "smith", false},
      {"smith", "Smith", false},
      {"Smith", "Smithe", false},
      {"Smithe", "Smith", true},
      {"", "", false},
      {"", "A", false},
      {"A", "", true},
      {"adam", "Baker", false},
      {"Baker", "adam", true},
      {"zed", "Young", true},
      {"[", "a", true},  // '[' is above 'A'
      {"a", "[", false},
      {"\xE9t\xE9", "ete", false},  // 0xE9 is negative
      {"ete", "\xE9t\xE9", true},
      {"O'Neil", "ONeil", false},  // '\'' is below 'N'
  };
  for (const Case& c : cases)
    EXPECT_EQ(CompareNames(c.a, c.b), c.after) << '"' << c.a << "\" vs \"" << c.b << '"';
}

// Players for comparisons, kept alive by the fixture.
struct RankingTest : testing::Test {
  std::vector<std::unique_ptr<PlayerRecord>> players;

  PlayerRecord& Player(const char* name, const char* team = "Bears") {
    players.push_back(std::make_unique<PlayerRecord>());
    PlayerRecord& p = *players.back();
    p.name = name;
    p.teamName = team;
    return p;
  }
  static RushingRecord& Rushing(PlayerRecord& p) {
    if (!p.rushing) p.rushing.emplace();
    return *p.rushing;
  }
  static PassingRecord& Passing(PlayerRecord& p) {
    if (!p.passing) p.passing.emplace();
    return *p.passing;
  }
  static DefensiveRecord& Defensive(PlayerRecord& p) {
    if (!p.defensive) p.defensive.emplace();
    return *p.defensive;
  }
  static TwoPointRecord& TwoPoint(PlayerRecord& p) {
    if (!p.twoPoint) p.twoPoint.emplace();
    return *p.twoPoint;
  }

  // a strictly before b: b sorts after a, and not the reverse.
  static void ExpectBefore(const PlayerRecord& a, const PlayerRecord& b, StatKey key,
                           bool leagueWide = true) {
    EXPECT_FALSE(PlayerSortsAfter(a, b, key, leagueWide)) << a.name << " / " << b.name;
    EXPECT_TRUE(PlayerSortsAfter(b, a, key, leagueWide)) << b.name << " / " << a.name;
  }
  static void ExpectEqual(const PlayerRecord& a, const PlayerRecord& b, StatKey key,
                          bool leagueWide = true) {
    EXPECT_FALSE(PlayerSortsAfter(a, b, key, leagueWide)) << a.name << " / " << b.name;
    EXPECT_FALSE(PlayerSortsAfter(b, a, key, leagueWide)) << b.name << " / " << a.name;
  }
};

TEST_F(RankingTest, EqualRushingYardsGoByAttemptsThenName) {
  PlayerRecord& few = Player("Adams");
  PlayerRecord& many = Player("Young");
  PlayerRecord& manyToo = Player("Baker");
  Rushing(few) = {.attempts = 10, .yards = 50};
  Rushing(many) = {.attempts = 12, .yards = 50};
  Rushing(manyToo) = {.attempts = 12, .yards = 50};
  ExpectBefore(many, few, kRushingYards);
  ExpectBefore(manyToo, many, kRushingYards);
  ExpectEqual(many, many, kRushingYards);
}

TEST_F(RankingTest, PlayersWithoutTheRecordComeLast) {
  PlayerRecord& rusher = Player("Young", "Wolves");
  PlayerRecord& none = Player("Adams", "Bears");
  PlayerRecord& noneToo = Player("Baker", "Ants");
  Rushing(rusher).yards = -20;
  ExpectBefore(rusher, none, kRushingYards);
  ExpectBefore(rusher, none, kRushingYards, false);  // before the team grouping
  ExpectEqual(none, noneToo, kRushingYards);
  ExpectEqual(none, noneToo, kRushingYards, false);
}

TEST_F(RankingTest, TeamGroupingComesBeforeTheStatistics) {
  PlayerRecord& star = Player("Star", "Bears");
  PlayerRecord& backup = Player("Backup", "Ants");
  Rushing(star).yards = 900;
  Rushing(backup).yards = 3;
  ExpectBefore(backup, star, kRushingYards, false);
  ExpectBefore(star, backup, kRushingYards, true);
  // Team names compare byte by byte, unsigned, case counting.
  PlayerRecord& lower = Player("Lower", "ants");
  PlayerRecord& high = Player("High", "\xC0nts");
  Rushing(lower).yards = 1;
  Rushing(high).yards = 1000;
  ExpectBefore(backup, lower, kRushingYards, false);
  ExpectBefore(lower, high, kRushingYards, false);
}

TEST_F(RankingTest, EqualTacklesPutFewerTackleYardsFirst) {
  PlayerRecord& deep = Player("Adams");
  PlayerRecord& stopper = Player("Young");
  PlayerRecord& busy = Player("Zimmer");
  Defensive(deep) = {.tackles = 5, .tackleYards = 40};
  Defensive(stopper) = {.tackles = 5, .tackleYards = 12};
  Defensive(busy) = {.tackles = 6, .tackleYards = 60};
  ExpectBefore(stopper, deep, kDefensiveTackles);
  ExpectBefore(busy, stopper, kDefensiveTackles);
}

TEST_F(RankingTest, TwoPointKeyDividesWholeNumbers) {
  PlayerRecord& perfect = Player("Young");
  PlayerRecord& fiveOfSix = Player("Adams");
  PlayerRecord& oneOfTwo = Player("Baker");
  PlayerRecord& oneOfThree = Player("Carter");
  PlayerRecord& twoOfThree = Player("Zed");
  TwoPoint(perfect) = {.passAttempts = 1, .passMade = 1};
  TwoPoint(fiveOfSix) = {.passAttempts = 3, .passMade = 2, .rushAttempts = 3, .rushMade = 3};
  TwoPoint(oneOfTwo) = {.rushAttempts = 1, .rushMade = 1, .receivingAttempts = 1};
  TwoPoint(oneOfThree) = {.rushAttempts = 2, .receivingAttempts = 1, .receivingMade = 1};
  TwoPoint(twoOfThree) = {.rushAttempts = 3, .rushMade = 2};
  ExpectBefore(perfect, fiveOfSix, kTwoPointConversions);  // 1 against 0
  // All three below divide to 0: more made first, then more attempts.
  ExpectBefore(fiveOfSix, twoOfThree, kTwoPointConversions);
  ExpectBefore(twoOfThree, oneOfThree, kTwoPointConversions);
  ExpectBefore(oneOfThree, oneOfTwo, kTwoPointConversions);
}

TEST_F(RankingTest, InterceptionRateRanksTheLowestFirstAndNoAttemptsLast) {
  PlayerRecord& careful = Player("Zed");
  PlayerRecord& reckless = Player("Adams");
  PlayerRecord& sackedOnly = Player("Baker");
  PlayerRecord& sackedToo = Player("Carter");
  Passing(careful) = {.attempts = 100, .interceptions = 2};
  Passing(reckless) = {.attempts = 10, .interceptions = 1};
  Passing(sackedOnly) = {.sacks = 3, .sackYards = 20};
  Passing(sackedToo) = {.interceptions = 1, .sacks = 1};
  ExpectBefore(careful, reckless, kPassingInterceptionsPerAttempt);
  ExpectBefore(reckless, sackedOnly, kPassingInterceptionsPerAttempt);
  // Two zero denominators compare equal, without the name.
  ExpectEqual(sackedOnly, sackedToo, kPassingInterceptionsPerAttempt);
  // Descending rate keys too put the zero denominator last.
  ExpectBefore(reckless, sackedOnly, kPassingYardsPerAttempt);
  // The rating is 0.0 without attempts; yards then name break the tie.
  EXPECT_EQ(PasserRating(0, 0, 0, 0, 0), 0.0);
  ExpectBefore(sackedOnly, sackedToo, kPassingRating);
  ExpectBefore(careful, sackedOnly, kPassingRating);
}

TEST_F(RankingTest, ScoringCountsRushingReceivingKicksAndConversions) {
  PlayerRecord& kicker = Player("Kicker");
  PlayerRecord& back = Player("Back");
  PlayerRecord& returner = Player("Returner");
  kicker.fgKicking.emplace();
  kicker.fgKicking->made = 2;  // 6 points
  kicker.epKicking.emplace();
  kicker.epKicking->made = 1;  // 7
  Rushing(back).touchdowns = 1;
  TwoPoint(back) = {.passMade = 5, .rushMade = 1};  // 6 + 2: two-point passes do not count
  // Return touchdowns do not count; a rushing record without points is
  // still a scoring record.
  returner.kickReturn.emplace();
  returner.kickReturn->touchdowns = 3;
  Rushing(returner);
  ExpectBefore(back, kicker, kScoring);
  ExpectBefore(kicker, returner, kScoring);
}

TEST_F(RankingTest, ScoringComparesNoOneWhenNeitherScored) {
  PlayerRecord& scorer = Player("Zed", "Bears");
  PlayerRecord& blank = Player("Adams", "Ants");  // records, no points
  PlayerRecord& nothing = Player("Baker", "Ants");
  PlayerRecord& nothingToo = Player("Carter", "Ants");
  blank.receiving.emplace();
  blank.receiving->receptions = 4;
  Rushing(scorer).touchdowns = 1;
  ExpectEqual(blank, nothing, kScoring);
  ExpectEqual(nothing, nothingToo, kScoring);
  ExpectBefore(scorer, nothing, kScoring, false);  // presence before teams
  ExpectBefore(scorer, blank, kScoring);
  ExpectBefore(blank, scorer, kScoring, false);  // teams before points
}

TEST_F(RankingTest, FumblesLostAddUpOverTheSixCarrierRecords) {
  PlayerRecord& returner = Player("Zed");
  PlayerRecord& back = Player("Adams");
  PlayerRecord& kicker = Player("Kicker");
  returner.puntReturn.emplace();
  returner.puntReturn->fumblesLost = 1;
  returner.recovery.emplace();
  returner.recovery->fumblesLost = 1;
  Rushing(back).fumblesLost = 1;
  kicker.fgKicking.emplace();
  ExpectBefore(returner, back, kFumblesLost);
  ExpectBefore(back, kicker, kFumblesLost);  // a kicker has none of the six
}

TEST_F(RankingTest, KeysOutsideTheTableImposeNoOrder) {
  PlayerRecord& a = Player("Adams");
  PlayerRecord& b = Player("Zed", "Ants");
  Rushing(a).yards = 10;
  for (int key : {0, -1, 56, 1000}) {
    ExpectEqual(a, b, static_cast<StatKey>(key));
    ExpectEqual(a, b, static_cast<StatKey>(key), false);
  }
}

// Each key reads its own record: a player who has every other record sorts
// after one who has only the key's record.
template <auto Slot>
void Give(PlayerRecord& p) {
  (p.*Slot).emplace();
}

void GiveAllBut(PlayerRecord& p, void (*keep)(PlayerRecord&)) {
  PlayerRecord only;
  keep(only);
  if (!only.rushing) Give<&PlayerRecord::rushing>(p);
  if (!only.fgKicking) Give<&PlayerRecord::fgKicking>(p);
  if (!only.epKicking) Give<&PlayerRecord::epKicking>(p);
  if (!only.twoPoint) Give<&PlayerRecord::twoPoint>(p);
  if (!only.kickReturn) Give<&PlayerRecord::kickReturn>(p);
  if (!only.puntReturn) Give<&PlayerRecord::puntReturn>(p);
  if (!only.punting) Give<&PlayerRecord::punting>(p);
  if (!only.interception) Give<&PlayerRecord::interception>(p);
  if (!only.defensive) Give<&PlayerRecord::defensive>(p);
  if (!only.specialTeams) Give<&PlayerRecord::specialTeams>(p);
  if (!only.recovery) Give<&PlayerRecord::recovery>(p);
  if (!only.receiving) Give<&PlayerRecord::receiving>(p);
  if (!only.passing) Give<&PlayerRecord::passing>(p);
  if (!only.miscOff) Give<&PlayerRecord::miscOff>(p);
  if (!only.defSpecialTeams) Give<&PlayerRecord::defSpecialTeams>(p);
  if (!only.penalty) Give<&PlayerRecord::penalty>(p);
}

// Primary value and direction: fill(p, 2) must rank above fill(p, 1), even
// though the name would put it below.
struct KeyCase {
  StatKey key;
  void (*give)(PlayerRecord&);
  void (*fill)(PlayerRecord&, int better);
};

const KeyCase kKeyCases[] = {
    {kRushingYards, Give<&PR::rushing>, [](PR& p, int v) { p.rushing->yards = v; }},
    {kReceivingYards, Give<&PR::receiving>, [](PR& p, int v) { p.receiving->yards = v; }},
    {kPassingRating, Give<&PR::passing>,
     [](PR& p, int v) { *p.passing = {.attempts = 10, .completions = 3 + v}; }},
    {kFieldGoalPercentage, Give<&PR::fgKicking>,
     [](PR& p, int v) { p.fgKicking->attempts = 4, p.fgKicking->made = v; }},
    {kExtraPointPercentage, Give<&PR::epKicking>,
     [](PR& p, int v) { *p.epKicking = {.attempts = 4, .made = v}; }},
    {kKickReturnAverage, Give<&PR::kickReturn>,
     [](PR& p, int v) { p.kickReturn->returns = 3, p.kickReturn->yards = 10 * v; }},
    {kPuntReturnAverage, Give<&PR::puntReturn>,
     [](PR& p, int v) { p.puntReturn->returns = 3, p.puntReturn->yards = 10 * v; }},
    {kPunts, Give<&PR::punting>, [](PR& p, int v) { p.punting->punts = v; }},
    {kInterceptions, Give<&PR::interception>,
     [](PR& p, int v) { p.interception->interceptions = v; }},
    {kDefensiveTackles, Give<&PR::defensive>, [](PR& p, int v) { p.defensive->tackles = v; }},
    {kSpecialTeamsTackles, Give<&PR::specialTeams>,
     [](PR& p, int v) { p.specialTeams->tackles = v; }},
    {kRecoveries, Give<&PR::recovery>, [](PR& p, int v) { p.recovery->recoveries = v; }},
    {kMiscOffensiveTackles, Give<&PR::miscOff>, [](PR& p, int v) { p.miscOff->tackles = v; }},
    {kDefSpecialTeamsTackles, Give<&PR::defSpecialTeams>,
     [](PR& p, int v) { p.defSpecialTeams->tackles = v; }},
    {kTwoPointConversions, Give<&PR::twoPoint>,
     [](PR& p, int v) { *p.twoPoint = {.rushAttempts = 1, .rushMade = v - 1}; }},
    {kPenalties, Give<&PR::penalty>, [](PR& p, int v) { p.penalty->accepted = v; }},
    {kScoring, Give<&PR::rushing>, [](PR& p, int v) { p.rushing->touchdowns = v; }},
    {kPassingYards, Give<&PR::passing>, [](PR& p, int v) { p.passing->yards = v; }},
    {kPassingAttempts, Give<&PR::passing>, [](PR& p, int v) { p.passing->attempts = v; }},
    {kPassingYardsPerAttempt, Give<&PR::passing>,
     [](PR& p, int v) { p.passing->attempts = 4, p.passing->yards = v; }},
    {kPassingCompletions, Give<&PR::passing>, [](PR& p, int v) { p.passing->completions = v; }},
    {kPassingCompletionRate, Give<&PR::passing>,
     [](PR& p, int v) { p.passing->attempts = 4, p.passing->completions = v; }},
    {kPassingFirstDownsPerAttempt, Give<&PR::passing>,
     [](PR& p, int v) { p.passing->attempts = 4, p.passing->firstDowns = v; }},
    {kPassingTouchdowns, Give<&PR::passing>, [](PR& p, int v) { p.passing->touchdowns = v; }},
    {kPassingTouchdownsPerAttempt, Give<&PR::passing>,
     [](PR& p, int v) { p.passing->attempts = 4, p.passing->touchdowns = v; }},
    {kPassingInterceptions, Give<&PR::passing>, [](PR& p, int v) { p.passing->interceptions = v; }},
    {kPassingInterceptionsPerAttempt, Give<&PR::passing>,
     [](PR& p, int v) { p.passing->attempts = 4, p.passing->interceptions = 3 - v; }},
    {kPassingSacked, Give<&PR::passing>, [](PR& p, int v) { p.passing->sacks = v; }},
    {kPassingSackedPerAttempt, Give<&PR::passing>,
     [](PR& p, int v) { p.passing->attempts = 4, p.passing->sacks = 3 - v; }},
    {kPassingBigPlays, Give<&PR::passing>, [](PR& p, int v) { p.passing->bigPlays = v; }},
    {kRushingCarries, Give<&PR::rushing>, [](PR& p, int v) { p.rushing->attempts = v; }},
    {kRushingYardsPerCarry, Give<&PR::rushing>,
     [](PR& p, int v) { p.rushing->attempts = 4, p.rushing->yards = v; }},
    {kRushingFirstDownsPerCarry, Give<&PR::rushing>,
     [](PR& p, int v) { p.rushing->attempts = 4, p.rushing->firstDowns = v; }},
    {kRushingStuffed, Give<&PR::rushing>, [](PR& p, int v) { p.rushing->stuffs = v; }},
    {kRushingStuffsPerCarry, Give<&PR::rushing>,
     [](PR& p, int v) { p.rushing->attempts = 4, p.rushing->stuffs = 3 - v; }},
    {kRushingFirstDowns, Give<&PR::rushing>, [](PR& p, int v) { p.rushing->firstDowns = v; }},
    {kRushingTouchdowns, Give<&PR::rushing>, [](PR& p, int v) { p.rushing->touchdowns = v; }},
    {kRushingBigPlays, Give<&PR::rushing>, [](PR& p, int v) { p.rushing->bigPlays = v; }},
    {kReceivingCatches, Give<&PR::receiving>, [](PR& p, int v) { p.receiving->receptions = v; }},
    {kReceivingYardsPerCatch, Give<&PR::receiving>,
     [](PR& p, int v) { p.receiving->receptions = 4, p.receiving->yards = v; }},
    {kReceivingTouchdowns, Give<&PR::receiving>, [](PR& p, int v) { p.receiving->touchdowns = v; }},
    {kReceivingFirstDowns, Give<&PR::receiving>, [](PR& p, int v) { p.receiving->firstDowns = v; }},
    {kReceivingFirstDownsPerCatch, Give<&PR::receiving>,
     [](PR& p, int v) { p.receiving->receptions = 4, p.receiving->firstDowns = v; }},
    {kReceivingBigPlays, Give<&PR::receiving>, [](PR& p, int v) { p.receiving->bigPlays = v; }},
    {kReceivingDrops, Give<&PR::receiving>, [](PR& p, int v) { p.receiving->drops = v; }},
    {kFumblesLost, Give<&PR::interception>, [](PR& p, int v) { p.interception->fumblesLost = v; }},
    {kFieldGoalsMissed, Give<&PR::fgKicking>,
     [](PR& p, int v) { p.fgKicking->attempts = 5, p.fgKicking->made = 5 - v; }},
    {kFieldGoalsBlocked, Give<&PR::fgKicking>, [](PR& p, int v) { p.fgKicking->blocked = v; }},
    {kFieldGoalsMade, Give<&PR::fgKicking>, [](PR& p, int v) { p.fgKicking->made = v; }},
    {kDefensiveYardsPerTackle, Give<&PR::defensive>,
     [](PR& p, int v) { p.defensive->tackles = 4, p.defensive->tackleYards = 30 - v; }},
    {kDefensiveSacks, Give<&PR::defensive>, [](PR& p, int v) { p.defensive->sacks = v; }},
    {kDefensiveStuffs, Give<&PR::defensive>, [](PR& p, int v) { p.defensive->stuffs = v; }},
    {kDefensiveLossOfYards, Give<&PR::defensive>,
     [](PR& p, int v) { p.defensive->stuffYards = 2, p.defensive->sackYards = v; }},
    {kPassesDefensed, Give<&PR::defensive>, [](PR& p, int v) { p.defensive->passesDefensed = v; }},
    {kPuntAndFieldGoalBlocks, Give<&PR::defensive>,
     [](PR& p, int v) { p.defensive->fieldGoalsBlocked = 1, p.defensive->puntsBlocked = v; }},
};

class KeyTableTest : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyTableTest, ReadsItsOwnRecord) {
  const KeyCase& c = GetParam();
  PlayerRecord only;
  only.name = "Zed";
  c.give(only);
  c.fill(only, 1);
  PlayerRecord others;
  others.name = "Adams";
  GiveAllBut(others, c.give);
  // These two keys look at several records: the other player has none of them.
  if (c.key == kScoring) {
    others.fgKicking.reset();
    others.epKicking.reset();
    others.twoPoint.reset();
    others.receiving.reset();
  }
  if (c.key == kFumblesLost) {
    others.rushing.reset();
    others.receiving.reset();
    others.recovery.reset();
    others.puntReturn.reset();
    others.kickReturn.reset();
  }
  EXPECT_FALSE(PlayerSortsAfter(only, others, c.key, true)) << c.key;
  EXPECT_TRUE(PlayerSortsAfter(others, only, c.key, true)) << c.key;
}

TEST_P(KeyTableTest, RanksTheBetterValueFirst) {
  const KeyCase& c = GetParam();
  PlayerRecord better;
  better.name = "Zed";
  c.give(better);
  c.fill(better, 2);
  PlayerRecord worse;
  worse.name = "Adams";
  c.give(worse);
  c.fill(worse, 1);
  EXPECT_FALSE(PlayerSortsAfter(better, worse, c.key, true)) << c.key;
  EXPECT_TRUE(PlayerSortsAfter(worse, better, c.key, true)) << c.key;
  // With the values equal, the name decides.
  worse.name = "Zed";
  better.name = "Adams";
  c.fill(worse, 2);
  EXPECT_FALSE(PlayerSortsAfter(better, worse, c.key, true)) << c.key;
  EXPECT_TRUE(PlayerSortsAfter(worse, better, c.key, true)) << c.key;
}

INSTANTIATE_TEST_SUITE_P(AllKeys, KeyTableTest, testing::ValuesIn(kKeyCases),
                         [](const auto& paramInfo) {
                           return "Key" + std::to_string(paramInfo.param.key);
                         });

TEST(KeyTable, CoversEveryKey) {
  std::set<int> keys;
  for (const KeyCase& c : kKeyCases)
    keys.insert(c.key);
  EXPECT_EQ(keys.size(), 55u);
  EXPECT_EQ(*keys.begin(), 1);
  EXPECT_EQ(*keys.rbegin(), 55);
}

// Tie-breaks: the primary values are equal and fill(p, 2) must still rank
// above fill(p, 1), whatever the names say.
const KeyCase kTieBreakCases[] = {
    {kReceivingYards, Give<&PR::receiving>,
     [](PR& p, int v) { p.receiving->yards = 30, p.receiving->receptions = v; }},
    {kPassingRating, Give<&PR::passing>,
     [](PR& p, int v) { *p.passing = {.attempts = 10, .completions = 5, .yards = v}; }},
    {kFieldGoalPercentage, Give<&PR::fgKicking>,
     [](PR& p, int v) { p.fgKicking->attempts = 2 * v, p.fgKicking->made = v; }},
    {kExtraPointPercentage, Give<&PR::epKicking>,
     [](PR& p, int v) { *p.epKicking = {.attempts = 3 * v, .made = 3 * v}; }},
    {kInterceptions, Give<&PR::interception>,
     [](PR& p, int v) { p.interception->interceptions = 2, p.interception->returnYards = v; }},
    {kSpecialTeamsTackles, Give<&PR::specialTeams>,
     [](PR& p, int v) { *p.specialTeams = {.tackles = 3, .tackleYards = 10 - v}; }},
    {kRecoveries, Give<&PR::recovery>,
     [](PR& p, int v) { p.recovery->recoveries = 1, p.recovery->returnYards = v; }},
    {kMiscOffensiveTackles, Give<&PR::miscOff>,
     [](PR& p, int v) { *p.miscOff = {.tackles = 3, .tackleYards = 10 - v}; }},
    {kDefSpecialTeamsTackles, Give<&PR::defSpecialTeams>,
     [](PR& p, int v) { *p.defSpecialTeams = {.tackles = 3, .tackleYards = 10 - v}; }},
    {kPenalties, Give<&PR::penalty>,
     [](PR& p, int v) { *p.penalty = {.flagged = 9 - v, .accepted = 2, .yards = 5 * v}; }},
    {kPenalties, Give<&PR::penalty>,
     [](PR& p, int v) { *p.penalty = {.flagged = v, .accepted = 2, .yards = 15}; }},
    {kDefensiveSacks, Give<&PR::defensive>,
     [](PR& p, int v) { p.defensive->sacks = 2, p.defensive->sackYards = v; }},
    {kDefensiveStuffs, Give<&PR::defensive>,
     [](PR& p, int v) { p.defensive->stuffs = 2, p.defensive->stuffYards = v; }},
};

class TieBreakTest : public testing::TestWithParam<KeyCase> {};

TEST_P(TieBreakTest, RanksTheBetterTieBreakFirst) {
  const KeyCase& c = GetParam();
  PlayerRecord better;
  better.name = "Zed";
  c.give(better);
  c.fill(better, 2);
  PlayerRecord worse;
  worse.name = "Adams";
  c.give(worse);
  c.fill(worse, 1);
  EXPECT_FALSE(PlayerSortsAfter(better, worse, c.key, true)) << c.key;
  EXPECT_TRUE(PlayerSortsAfter(worse, better, c.key, true)) << c.key;
}

INSTANTIATE_TEST_SUITE_P(Keys, TieBreakTest, testing::ValuesIn(kTieBreakCases));

// --- SortPlayersByStats -----------------------------------------------------

struct SortTest : testing::Test {
  league::League league;
  PlayerOrder order;
  bool ordered = false;

  // Adds players so that the list reads them in the order given.
  std::vector<PlayerRecord*> AddInListOrder(int count) {
    std::vector<PlayerRecord*> added(static_cast<std::size_t>(count));
    for (int k = count - 1; k >= 0; --k)
      added[static_cast<std::size_t>(k)] =
          league::AddPlayer(league, "Back", static_cast<std::int16_t>(k));
    return added;
  }

  // Sorts the order the sorts before left, the list's order at first.
  void Sort(StatKey key, bool leagueWide) {
    if (!ordered) order = PlayersInListOrder(league);
    ordered = true;
    SortPlayersByStats(order, key, leagueWide);
  }

  // The jersey numbers along the order.
  std::vector<int> OrderNumbers() const {
    std::vector<int> numbers;
    for (const PlayerRecord* p : order)
      numbers.push_back(p->number);
    return numbers;
  }

  // The jersey numbers along the league's list.
  std::vector<int> ListNumbers() const {
    std::vector<int> numbers;
    for (const PlayerRecord& p : league::NewestFirst(league.players))
      numbers.push_back(p.number);
    return numbers;
  }
};

TEST_F(SortTest, GroupsByTeamAndPutsPlayersWithoutTheRecordLast) {
  std::vector<PlayerRecord*> p = AddInListOrder(6);
  const char* teams[] = {"Wolves", "Ants", "Wolves", "Ants", "Ants", "Wolves"};
  const int yards[] = {90, 10, -1, 40, 0, 5};  // -1: no rushing record
  for (std::size_t k = 0; k < 6; ++k) {
    p[k]->teamName = teams[k];
    if (yards[k] >= 0) {
      p[k]->rushing.emplace();
      p[k]->rushing->yards = yards[k];
    }
  }
  Sort(kRushingYards, false);
  EXPECT_EQ(OrderNumbers(), (std::vector<int>{3, 1, 4, 0, 5, 2}));
  Sort(kRushingYards, true);
  EXPECT_EQ(OrderNumbers(), (std::vector<int>{0, 3, 1, 5, 4, 2}));
  // The league's list keeps its own order.
  EXPECT_EQ(ListNumbers(), (std::vector<int>{0, 1, 2, 3, 4, 5}));
}

TEST_F(SortTest, AnEmptyListStaysEmpty) {
  Sort(kRushingYards, true);
  EXPECT_TRUE(order.empty());
}

TEST_F(SortTest, ShortListsOfEqualPlayersKeepTheirOrder) {
  // Ten elements or fewer go to the insertion sort alone, which moves an
  // element only past one that sorts after it.
  AddInListOrder(10);
  Sort(kRushingYards, true);
  EXPECT_EQ(OrderNumbers(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST_F(SortTest, EqualPlayersFollowTheQuicksortExactly) {
  // Thirteen players, all named "Back", ranked by carries (key 31); "-" has
  // no rushing record. By list position (= jersey number):
  //   pos:  0 1 2 3 4 5 6 7 8 9 10 11 12
  //   att:  5 - 7 5 5 9 - 5 7 5 -  7  5
  // Median of three over 0, 6, 12: #6 (none) sorts after #12, so they swap;
  // position 6 (#12, 5) goes to 11 and #11 (7) comes to 6. Pivot #12 (5).
  // Partition (i scans while the pivot sorts after a[i], j while a[j] sorts
  // after the pivot): i=1 (#1 none), j=9 (#9, past #10 none) -> swap;
  // i=3 (#3), j=8 (#8) -> swap; i=4 (#4), j=7 (#7) -> swap; i=7 (#4, past
  // #5 and #11), j=6 (#11) -> stop; the pivot goes to 7 and #4 to 11:
  //   0:#0 1:#9 2:#2 3:#8 4:#7 5:#5 6:#11 | 7:#12 | 8:#3 9:#1 10:#10 11:#4 12:#6
  // Insertion sort of 0..6 gives #5 #2 #8 #11 #0 #9 #7 (equal carries keep
  // their places), of 8..12 gives #3 #4 #1 #10 #6.
  std::vector<PlayerRecord*> p = AddInListOrder(13);
  const int carries[] = {5, -1, 7, 5, 5, 9, -1, 5, 7, 5, -1, 7, 5};
  for (std::size_t k = 0; k < 13; ++k) {
    if (carries[k] < 0) continue;
    p[k]->rushing.emplace();
    p[k]->rushing->attempts = carries[k];
  }
  Sort(kRushingCarries, true);
  EXPECT_EQ(OrderNumbers(), (std::vector<int>{5, 2, 8, 11, 0, 9, 7, 12, 3, 4, 1, 10, 6}));
}

TEST_F(SortTest, ElevenEqualPlayersArePartitionedOnce) {
  // Eleven players without the record, the smallest range that is
  // partitioned. No comparison is true, so every scan stops at once. The
  // pivot #5 goes from position 5 to 9 (and #9 to 5); i and j then meet
  // pairwise, swapping positions 1-8, 2-7, 3-6 and 4-5, and stop at i=5,
  // j=4; position 5 (#4 by then) trades places with the pivot:
  //   0 8 7 6 9 | 5 | 3 2 1 4 10
  // The insertion sort of both sides moves nothing.
  AddInListOrder(11);
  Sort(kRushingCarries, true);
  EXPECT_EQ(OrderNumbers(), (std::vector<int>{0, 8, 7, 6, 9, 5, 3, 2, 1, 4, 10}));
}

TEST_F(SortTest, ScoringKeyWithTeamsNeverScansOutOfTheArray) {
  // With teams grouped, the scoring key is not transitive: a player of team
  // Ants without points comes before a scorer of team Bears, who comes
  // before a player without any scoring record, who in turn ties with the
  // first. Placed at lo, mid and hi, they leave at lo a player that sorts
  // after the pivot, with only scorers between.
  std::vector<PlayerRecord*> p = AddInListOrder(11);
  for (PlayerRecord* player : p) {
    player->teamName = "Bears";
    player->rushing.emplace();
    player->rushing->touchdowns = 1;
  }
  p[0]->rushing.reset();  // no scoring record
  p[5]->teamName = "Ants";
  p[5]->rushing->touchdowns = 0;
  Sort(kScoring, false);
  std::vector<int> numbers = OrderNumbers();
  std::sort(numbers.begin(), numbers.end());
  EXPECT_EQ(numbers, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

TEST(SortRanks, KeptPlacesLeaveTheOrderTheRecordsLeave) {
  // Forty players with few distinct values, names and teams, so that most of
  // them tie; sorted by each key again and again from shuffled orders, with
  // the places kept, without, and by the quicksort alone comparing players
  // one by one (no stretch of tied players taken without comparing). Every
  // sort must leave the same order.
  std::vector<KeyCase> cases(std::begin(kKeyCases), std::end(kKeyCases));
  cases.insert(cases.end(), std::begin(kTieBreakCases), std::end(kTieBreakCases));
  const char* names[] = {"Back", "back", "Ace", "Zed"};
  const char* teams[] = {"Ants", "Bears", "ants"};
  std::mt19937 random(7);
  for (const KeyCase& c : cases) {
    for (const bool leagueWide : {false, true}) {
      league::League league;
      for (int k = 0; k < 40; ++k) {
        PlayerRecord* p =
            league::AddPlayer(league, names[random() % 4], static_cast<std::int16_t>(k));
        p->teamName = teams[random() % 3];
        if (random() % 4 == 0) continue;  // without the key's record
        c.give(*p);
        c.fill(*p, static_cast<int>(random() % 3));
      }
      PlayerOrder kept = PlayersInListOrder(league);
      PlayerOrder plain = kept;
      PlayerOrder oneByOne = kept;
      SortRanks ranks;
      for (int round = 0; round < 4; ++round) {
        SortPlayersByStats(kept, c.key, leagueWide, &ranks);
        SortPlayersByStats(plain, c.key, leagueWide);
        QuickSort(oneByOne, 0, static_cast<int>(oneByOne.size()) - 1,
                  [&](const PlayerRecord* a, const PlayerRecord* b) {
                    return PlayerSortsAfter(*a, *b, c.key, leagueWide);
                  });
        ASSERT_EQ(kept, plain) << "key " << c.key << (leagueWide ? ", league-wide" : "")
                               << ", round " << round;
        ASSERT_EQ(plain, oneByOne)
            << "key " << c.key << (leagueWide ? ", league-wide" : "") << ", round " << round;
        for (PlayerOrder* order : {&kept, &plain, &oneByOne}) {
          std::mt19937 shuffle(static_cast<unsigned>(round));
          std::shuffle(order->begin(), order->end(), shuffle);
        }
      }
    }
  }
}

}  // namespace
}  // namespace yl::stats
