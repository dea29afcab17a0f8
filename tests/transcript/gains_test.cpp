// Gains lines: cutting them into phrases and numbers, what the phrases mean,
// and how bad lines are refused.
#include "transcript/gains.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "options/output_options.h"
#include "run/error_log.h"
#include "support/fake_platform.h"
#include "transcript/gains_phrases.h"
#include "transcript/line_parser_fixture.h"

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
  GamePlayers players;
  ReadContext context{league, players, errorLog, "Eagles at Bears"};
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
  bool positive;
  std::optional<std::int16_t> yards;
  std::optional<std::int16_t> ballOn;
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
  Gain gain;  // every field is written: none keeps what it held
  gain.yards = 99;
  gain.ballOn = 99;
  gain.positive = !c.positive;
  gain.shortGain = gain.returnSpot = gain.turnedOver = true;
  ResolveGains(play.gains, gain);
  EXPECT_EQ(std::vector<std::int16_t>(play.gains.codes.begin(), play.gains.codes.end()), c.codes);
  EXPECT_EQ(std::vector<std::int16_t>(play.gains.numbers.begin(), play.gains.numbers.end()),
            c.numbers);
  EXPECT_EQ(gain.positive, c.positive);
  EXPECT_EQ(gain.yards, c.yards);
  EXPECT_EQ(gain.ballOn, c.ballOn);
  EXPECT_EQ(gain.shortGain, c.shortGain != 0);
  EXPECT_EQ(gain.returnSpot, c.returnSpot != 0);
  EXPECT_EQ(gain.turnedOver, c.turnedOver != 0);
  EXPECT_EQ(errorLog.entries, 0);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Plays, GainsLines,
    ::testing::Values(
        // No gain: yards 0.
        GainsCase{"No gain on the play.  The ball is on the 35 yard line.  ", {8, 24}, {35}, true, 0, 35, 0, 0, 0},
        GainsCase{"No gain on the play.  ", {17}, {}, true, 0, std::nullopt, 0, 0, 0},
        // A loss: code 10 names the same number again.
        GainsCase{"Loss of 3 yards on the play.  The ball is on the 22 yard line.  ", {29, 10, 24}, {3, 22}, false, 3, 22, 0, 0, 0},
        GainsCase{"Loss of 4 yards and is on the 3 yard line.  ", {29, 18, 24}, {4, 3}, false, 4, 3, 0, 0, 0},
        GainsCase{"Loss of 1 yard on the play.  ", {29, 20}, {1}, false, 1, std::nullopt, 0, 0, 0},
        GainsCase{"Gain of 12 yards on the play.  The ball is on the 47 yard line.  ", {28, 10, 24}, {12, 47}, true, 12, 47, 0, 0, 0},
        GainsCase{"Gain of 1 yard on the play.  The ball is on the 47 yard line.  ", {28, 12, 24}, {1, 47}, true, 1, 47, 0, 0, 0},
        GainsCase{"Gain of 9 yards on the play.  ", {28, 19}, {9}, true, 9, std::nullopt, 0, 0, 0},
        // Short gains and the goal line (the ball on the 1).
        GainsCase{"Short gain on the play.  The ball is on the goal line.  ", {0}, {}, true, 0, 1, 1, 0, 0},
        GainsCase{"Short gain on the play.  The ball is on the 12 yard line.  ", {5, 24}, {12}, true, 0, 12, 1, 0, 0},
        GainsCase{"No gain on the play.  The ball is on the goal line.  ", {1}, {}, true, 0, 1, 0, 0, 0},
        GainsCase{"Gain of 7 yards on the play.  The ball is on the goal line.  ", {28, 2}, {7}, true, 7, 1, 0, 0, 0},
        GainsCase{"Gain of 1 yard on the play.  The ball is on the goal line.  ", {28, 3}, {1}, true, 1, 1, 0, 0, 0},
        GainsCase{"Loss of 2 yards and is on the goal line.  ", {29, 13}, {2}, false, 2, 1, 0, 0, 0},
        GainsCase{"The ball is on the 35 yard line.  ", {21, 24}, {35}, true, 0, 35, 0, 0, 0},
        // Kicks and attempts: the length is the yardage.
        GainsCase{"That was a 45 yard kick.", {26, 25}, {45}, true, 45, std::nullopt, 0, 0, 0},
        GainsCase{"That was a 45 yard kick", {26, 27}, {45}, true, 45, std::nullopt, 0, 0, 0},
        GainsCase{"That was a 38 yard attempt.", {26, 22}, {38}, true, 38, std::nullopt, 0, 0, 0},
        GainsCase{"That was a 38 yard attempt", {26, 23}, {38}, true, 38, std::nullopt, 0, 0, 0},
        // Returns, turnovers and placements give the spot.
        GainsCase{"The ball was returned 23 yards on the return.  The ball is on the 35 yard line.  ", {16, 7, 24}, {23, 35}, true, 23, 35, 0, 1, 0},
        GainsCase{"The ball was returned 1 yard on the return.  The ball is on the 9 yard line.  ", {16, 9, 24}, {1, 9}, true, 1, 9, 0, 1, 0},
        GainsCase{"The ball was returned 14 yards on the return.  ", {16, 15}, {14}, true, 14, std::nullopt, 0, 1, 0},
        GainsCase{"Short gain on the return.  The ball is on the 30 yard line.  ", {4, 24}, {30}, true, 0, 30, 0, 1, 0},
        GainsCase{"No gain on the return.  The ball is on the 30 yard line.  ", {6, 24}, {30}, true, 0, 30, 0, 1, 0},
        GainsCase{"The ball was turned over and is on the 18 yard line.  ", {11, 24}, {18}, true, std::nullopt, 18, 0, 1, 1},
        GainsCase{"The ball will be placed on the 20 yard line.  ", {14, 24}, {20}, true, std::nullopt, 20, 0, 1, 0},
        GainsCase{"Gain of 3 yards ", {28, 30}, {3}, true, 3, std::nullopt, 0, 0, 0},
        // A phrase alone, the line ending after it.
        GainsCase{"Gain of ", {28}, {}, true, 0, std::nullopt, 0, 0, 0},
        // The largest number a figure holds.
        GainsCase{"Gain of 32767 yards on the play.  ", {28, 19}, {32767}, true, 32767, std::nullopt, 0, 0, 0}));
// clang-format on

std::string NumbersLine(int count) {
  std::string line = "Gain of ";
  for (int k = 0; k < count; ++k)
    line += std::to_string(k + 1) + " yards ";
  return line;
}

TEST_F(GainsTest, EightNumbersFitANinthIsRefused) {
  CurrentPlay play;
  ASSERT_TRUE(ParseGains(context, NumbersLine(8), play));
  EXPECT_EQ(play.gains.numbers.size(), 8u);
  EXPECT_EQ(play.gains.codes.size(), 9u);
  EXPECT_EQ(play.gains.numbers[7], 8);

  CurrentPlay second;
  EXPECT_FALSE(ParseGains(context, NumbersLine(9), second));
  EXPECT_EQ(second.gains.numbers.size(), 8u);
  EXPECT_EQ(errorLog.entries, 1);
}

TEST_F(GainsTest, LongestLineIsReadOneMoreIsRefused) {
  // "Gain of " (8) + digits + " yards " (7): one number of many digits.
  const std::string fits = "Gain of " + std::string(484, '0') + " yards ";
  ASSERT_EQ(fits.size(), 499u);
  CurrentPlay play;
  EXPECT_TRUE(ParseGains(context, fits, play));

  const std::string tooLong = "Gain of " + std::string(485, '0') + " yards ";
  CurrentPlay second;
  EXPECT_FALSE(ParseGains(context, tooLong, second));
  EXPECT_EQ(errorLog.entries, 1);
}

class GainsRefused : public GainsTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(GainsRefused, LoggedWithTheLine) {
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
                                           "The ball is on the -5 yard line.  ",
                                           // numbers too large for a figure, never wrapped
                                           "Gain of 65541 yards on the play.  ",
                                           "Gain of 32768 yards on the play.  "));

// A guide kept from line to line (as a game keeps one) changes nothing a
// gains line reads: lines that share texts, texts that a kept one begins,
// refused lines and the longest ones.
TEST(GainsGuide, ChangesNothingAGainsLineReads) {
  std::vector<std::string> lines = {
      "Gain of 9 yards on the play.  ",
      "Gain of 12 yards on the play.  The ball is on the 47 yard line.  ",
      "Gain of 12 yards on the play.  The ball is on the 47 yard line.  X",
      "No gain on the play.  The ball is on the 35 yard line.  ",
      "No gain on the play.  ",
      "Loss of 3 yards on the play.  The ball is on the 22 yard line.  ",
      "The ball was returned 23 yards on the return.  The ball is on the 35 yard line.  ",
      "The ball was returned 23 yards on the return.  The ball is on the 35 yard line",
      "Short gain on the play.  The ball is on the goal line.  ",
      "That was a 45 yard kick.",
      "Gain of 12 yards  ",
      "Gain of 12",
      "Gain of 99999 yards on the play.  ",
      "Gain",
      "",
      NumbersLine(8),
      NumbersLine(9),
      "Gain of " + std::string(484, '0') + " yards ",
      "Gain of " + std::string(485, '0') + " yards ",
  };
  test::ExpectGuideChangesNothing<TextGuide>(
      lines,
      [](ParseContext& parse, std::string_view line, CurrentPlay& play, TextGuide* guide) {
        return ParseGains(parse, line, play, guide);
      },
      [](CurrentPlay& play) -> GainsText& { return play.gains; }, 28);
}

}  // namespace
}  // namespace yl::transcript
