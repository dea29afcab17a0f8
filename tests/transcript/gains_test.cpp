// Gains lines: cutting them into phrases and numbers, what the phrases mean,
// and how bad lines are refused.
#include "transcript/gains.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "options/output_options.h"
#include "run/error_log.h"
#include "support/fake_platform.h"
#include "transcript/gains_phrases.h"

namespace yl::transcript {
namespace {

class GainsTest : public ::testing::Test {
 protected:
  GainsTest() { run::InitErrorLog(errorLog); }

  std::string LogText() const { return std::string(errorLog.buffer.data(), errorLog.fill); }

  test::FakePlatform platform;
  league::League league;
  run::FileSystem files;
  run::ErrorLog errorLog{platform, files, options::LineEnds::kUnix};
  ReadContext context{league, errorLog, "Eagles at Bears"};
};

TEST(GainsPhrases, CodesArePositionsByDecreasingLength) {
  ASSERT_EQ(kGainsPhrases.size(), 31u);
  for (std::size_t k = 0; k < kGainsPhrases.size(); ++k) {
    EXPECT_EQ(kGainsPhrases[k].code, static_cast<std::int16_t>(k));
    if (k > 0) {
      EXPECT_LE(kGainsPhrases[k].text.size(), kGainsPhrases[k - 1].text.size()) << k;
    }
  }
  EXPECT_EQ(kGainsPhrases.back().text.size(), 7u);  // " yards ", the shortest
}

struct GainsCase {
  std::string line;
  std::vector<std::int16_t> codes;
  std::vector<std::int16_t> numbers;
  int gainPositive;
  int gainIndex;
  int yards;  // the number at gainIndex
  int ballOnIndex;
  int ballOn;  // the number at ballOnIndex
  int shortGain;
  int returnSpot;
  int turnedOver;
};

std::ostream& operator<<(std::ostream& out, const GainsCase& c) {
  return out << '"' << c.line << '"';
}

class GainsLines : public GainsTest, public ::testing::WithParamInterface<GainsCase> {};

TEST_P(GainsLines, ParseAndResolve) {
  const GainsCase& c = GetParam();
  CurrentPlay play;
  ASSERT_TRUE(ParseGains(context, c.line, play)) << c.line;
  ResolveGains(play);
  EXPECT_EQ(
      std::vector<std::int16_t>(play.gainsCodes.begin(), play.gainsCodes.begin() + play.gainsCount),
      c.codes);
  EXPECT_EQ(std::vector<std::int16_t>(play.gainsNumbers.begin(),
                                      play.gainsNumbers.begin() + play.gainsNumberCount),
            c.numbers);
  EXPECT_EQ(play.gainPositive, c.gainPositive);
  EXPECT_EQ(play.gainIndex, c.gainIndex);
  if (c.gainIndex >= 0) {
    EXPECT_EQ(play.gainsNumbers[play.gainIndex], c.yards);
  }
  EXPECT_EQ(play.ballOnIndex, c.ballOnIndex);
  if (c.ballOnIndex >= 0) {
    EXPECT_EQ(play.gainsNumbers[play.ballOnIndex], c.ballOn);
  }
  EXPECT_EQ(play.shortGain, c.shortGain);
  EXPECT_EQ(play.returnSpot, c.returnSpot);
  EXPECT_EQ(play.turnedOver, c.turnedOver);
  EXPECT_EQ(errorLog.entries, 0);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Plays, GainsLines,
    ::testing::Values(
        // No gain: yards 0 through slot 8.
        GainsCase{"No gain on the play.  The ball is on the 35 yard line.  ", {8, 24}, {35},
                  1, 8, 0, 0, 35, 0, 0, 0},
        GainsCase{"No gain on the play.  ", {17}, {}, 1, 8, 0, -1, 0, 0, 0, 0},
        // A loss: code 10 sets gainIndex again to the same slot.
        GainsCase{"Loss of 3 yards on the play.  The ball is on the 22 yard line.  ",
                  {29, 10, 24}, {3, 22}, 0, 0, 3, 1, 22, 0, 0, 0},
        GainsCase{"Loss of 4 yards and is on the 3 yard line.  ", {29, 18, 24}, {4, 3},
                  0, 0, 4, 1, 3, 0, 0, 0},
        GainsCase{"Loss of 1 yard on the play.  ", {29, 20}, {1}, 0, 0, 1, -1, 0, 0, 0, 0},
        GainsCase{"Gain of 12 yards on the play.  The ball is on the 47 yard line.  ",
                  {28, 10, 24}, {12, 47}, 1, 0, 12, 1, 47, 0, 0, 0},
        GainsCase{"Gain of 1 yard on the play.  The ball is on the 47 yard line.  ",
                  {28, 12, 24}, {1, 47}, 1, 0, 1, 1, 47, 0, 0, 0},
        GainsCase{"Gain of 9 yards on the play.  ", {28, 19}, {9}, 1, 0, 9, -1, 0, 0, 0, 0},
        // Short gains and the goal line (slot 9 holds 1).
        GainsCase{"Short gain on the play.  The ball is on the goal line.  ", {0}, {},
                  1, 8, 0, 9, 1, 1, 0, 0},
        GainsCase{"Short gain on the play.  The ball is on the 12 yard line.  ", {5, 24}, {12},
                  1, 8, 0, 0, 12, 1, 0, 0},
        GainsCase{"No gain on the play.  The ball is on the goal line.  ", {1}, {},
                  1, 8, 0, 9, 1, 0, 0, 0},
        GainsCase{"Gain of 7 yards on the play.  The ball is on the goal line.  ", {28, 2}, {7},
                  1, 0, 7, 9, 1, 0, 0, 0},
        GainsCase{"Gain of 1 yard on the play.  The ball is on the goal line.  ", {28, 3}, {1},
                  1, 0, 1, 9, 1, 0, 0, 0},
        GainsCase{"Loss of 2 yards and is on the goal line.  ", {29, 13}, {2},
                  0, 0, 2, 9, 1, 0, 0, 0},
        GainsCase{"The ball is on the 35 yard line.  ", {21, 24}, {35}, 1, 8, 0, 0, 35, 0, 0, 0},
        // Kicks and attempts: the length in gainIndex.
        GainsCase{"That was a 45 yard kick.", {26, 25}, {45}, 1, 0, 45, -1, 0, 0, 0, 0},
        GainsCase{"That was a 45 yard kick", {26, 27}, {45}, 1, 0, 45, -1, 0, 0, 0, 0},
        GainsCase{"That was a 38 yard attempt.", {26, 22}, {38}, 1, 0, 38, -1, 0, 0, 0, 0},
        GainsCase{"That was a 38 yard attempt", {26, 23}, {38}, 1, 0, 38, -1, 0, 0, 0, 0},
        // Returns, turnovers and placements give the spot.
        GainsCase{"The ball was returned 23 yards on the return.  The ball is on the 35 yard line.  ",
                  {16, 7, 24}, {23, 35}, 1, 0, 23, 1, 35, 0, 1, 0},
        GainsCase{"The ball was returned 1 yard on the return.  The ball is on the 9 yard line.  ",
                  {16, 9, 24}, {1, 9}, 1, 0, 1, 1, 9, 0, 1, 0},
        GainsCase{"The ball was returned 14 yards on the return.  ", {16, 15}, {14},
                  1, 0, 14, -1, 0, 0, 1, 0},
        GainsCase{"Short gain on the return.  The ball is on the 30 yard line.  ", {4, 24}, {30},
                  1, 8, 0, 0, 30, 0, 1, 0},
        GainsCase{"No gain on the return.  The ball is on the 30 yard line.  ", {6, 24}, {30},
                  1, 8, 0, 0, 30, 0, 1, 0},
        GainsCase{"The ball was turned over and is on the 18 yard line.  ", {11, 24}, {18},
                  1, -1, 0, 0, 18, 0, 1, 1},
        GainsCase{"The ball will be placed on the 20 yard line.  ", {14, 24}, {20},
                  1, -1, 0, 0, 20, 0, 1, 0},
        GainsCase{"Gain of 3 yards ", {28, 30}, {3}, 1, 0, 3, -1, 0, 0, 0, 0},
        // A phrase alone, the line ending after it.
        GainsCase{"Gain of ", {28}, {}, 1, 0, 0, -1, 0, 0, 0, 0},
        // Numbers wrap as 16-bit arithmetic.
        GainsCase{"Gain of 65541 yards on the play.  ", {28, 19}, {5}, 1, 0, 5, -1, 0, 0, 0, 0},
        GainsCase{"Gain of 40000 yards on the play.  ", {28, 19}, {-25536},
                  1, 0, -25536, -1, 0, 0, 0, 0}));
// clang-format on

TEST_F(GainsTest, NoGainsLineReadsOneYardThroughSlotEight) {
  CurrentPlay play;
  MarkNoGainsLine(play);
  EXPECT_EQ(play.gainIndex, kNoYardsSlot);
  EXPECT_EQ(play.gainsNumbers[kNoYardsSlot], 1);
  EXPECT_EQ(play.gainPositive, 1);
  EXPECT_EQ(play.gainsCount, 0);
}

std::string NumbersLine(int count) {
  std::string line = "Gain of ";
  for (int k = 0; k < count; ++k)
    line += std::to_string(k + 1) + " yards ";
  return line;
}

TEST_F(GainsTest, EightNumbersFitANinthIsRefused) {
  CurrentPlay play;
  ASSERT_TRUE(ParseGains(context, NumbersLine(8), play));
  EXPECT_EQ(play.gainsNumberCount, 8);
  EXPECT_EQ(play.gainsCount, 9);
  EXPECT_EQ(play.gainsNumbers[7], 8);

  CurrentPlay second;
  EXPECT_FALSE(ParseGains(context, NumbersLine(9), second));
  EXPECT_EQ(second.gainsNumberCount, 8);  // nothing written past the numbers' slots
  EXPECT_EQ(errorLog.entries, 1);
}

TEST_F(GainsTest, LongestLineIsReadOneMoreIsRefused) {
  // "Gain of " (8) + digits + " yards " (7): one number of many digits.
  const std::string fits = "Gain of " + std::string(484, '9') + " yards ";
  ASSERT_EQ(fits.size(), 499u);
  CurrentPlay play;
  EXPECT_TRUE(ParseGains(context, fits, play));

  const std::string tooLong = "Gain of " + std::string(485, '9') + " yards ";
  CurrentPlay second;
  EXPECT_FALSE(ParseGains(context, tooLong, second));
  EXPECT_EQ(errorLog.entries, 1);
}

class GainsRefused : public GainsTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(GainsRefused, LoggedAsKindSixWithTheLine) {
  context.transcriptName = "Week 3";
  CurrentPlay play;
  EXPECT_FALSE(ParseGains(context, GetParam(), play));
  EXPECT_EQ(errorLog.entries, 1);
  EXPECT_EQ(LogText(), "Week 3\nDon't understand play gains\n" + GetParam() + "\n");
}

INSTANTIATE_TEST_SUITE_P(BadLines, GainsRefused,
                         ::testing::Values("",                      // empty
                                           "Gain",                  // shorter than every phrase
                                           "Loss o",                // one byte short of "Loss of "
                                           "gain of 3 yards ",      // phrases are case-sensitive
                                           "Gain of three yards ",  // no digit after a phrase
                                           "Gain of 12",            // ends in a number
                                           "Gain of 12 feet",       // no phrase after the number
                                           "Gain of 12 yards  ",  // bytes left that no phrase takes
                                           "Gained 12 yards on the play.  ",  // no first phrase
                                           "The ball is on the -5 yard line.  "));

}  // namespace
}  // namespace yl::transcript
