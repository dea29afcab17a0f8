// The play description: phrases and tokens, the optional final blanks, the
// trailing annotation, and the descriptions that are refused.
#include "transcript/description.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "transcript/line_parser_fixture.h"

namespace yl::transcript {
namespace {

constexpr std::string_view kNotUnderstood = "Don't understand play description";
constexpr std::string_view kWithoutHash = "Player doesn't start with a #";
const std::string kAnnotation = "123456789\"Joe\" \"Bob\"";

class DescriptionTest : public test::LineParserTest {
 protected:
  bool Parse(std::string_view line) { return ParseExact(ParseDescription, line); }

  std::vector<int> Codes() const {
    return {play.description.codes.begin(), play.description.codes.end()};
  }

  // "number name" for each player, in line order.
  std::vector<std::string> Players() const {
    std::vector<std::string> players;
    for (const league::PlayerRecord* p : play.description.players) {
      players.push_back(std::to_string(p->number) + " " + p->name);
    }
    return players;
  }
};

struct ReadCase {
  const char* name;
  std::string line;
  std::vector<int> codes;
  std::vector<std::string> players;
};

void PrintTo(const ReadCase& c, std::ostream* out) {
  *out << c.name;
}

const ReadCase kReadCases[] = {
    {"FinalAfterToken",
     "#12 Joe Smith's pass was caught by #80 Bob Jones.  ",
     {118, 157},
     {"12 Joe Smith", "80 Bob Jones"}},
    {"FinalWithoutBlanksAtLineEnd",
     "#12 Joe Smith's pass was caught by #80 Bob Jones.",
     {118, 157},
     {"12 Joe Smith", "80 Bob Jones"}},
    // The longer final phrase (42) wins over " took the hand-off... " (121).
    {"LongerFinalPhraseWins", "#23 Al Ray took the hand-off... TOUCHDOWN!  ", {42}, {"23 Al Ray"}},
    {"LongerFinalWithoutBlanks", "#23 Al Ray took the hand-off... TOUCHDOWN!", {42}, {"23 Al Ray"}},
    {"EllipsisByteTwin", "#23 Al Ray took the hand-off\xC9 TOUCHDOWN!", {194}, {"23 Al Ray"}},
    {"WhistledDeadAlone", "The play was whistled dead.  ", {62}, {}},
    {"LeadingPhraseThenToken",
     "Under pressure... #12 Joe Smith's pass was incomplete.  ",
     {137, 100},
     {"12 Joe Smith"}},
    {"LeadingTwinThenToken",
     "Under pressure\xC9 #12 Joe Smith's pass was incomplete.",
     {232, 100},
     {"12 Joe Smith"}},
    // A phrase must end where its segment ends, so names may hold phrase words.
    {"NamesHoldingPhraseWords",
     "#22 Al sacked Bo sacked #12 Ty tackled him Up tackled him.  ",
     {156, 141},
     {"22 Al sacked Bo", "12 Ty tackled him Up"}},
    {"TwinFinalAfterToken",
     "#12 Joe's pass was caught by #80 Bob\xC9 somebody tackled him.",
     {118, 218},
     {"12 Joe", "80 Bob"}},
    {"Annotated",
     "#12 Joe's pass was caught by #80 Bob Jones.  " + kAnnotation,
     {118, 157},
     {"12 Joe", "80 Bob Jones"}},
    // A quote before the annotation: the final phrase may end before the
    // cut, and a start whose token holds "!" is passed over.
    {"QuoteInsideSlides",
     "#12 Joe Doe tackled him.  Ha! tackled him.    quote\" \"a\" \"b\"",
     {141},
     {"12 Joe Doe"}},
    // Sliding, " finally took him down.  " (103) is tried before "The lateral
    // was taken by " (98), which could only end the line without a final phrase.
    {"Code103TriedBefore98",
     "#12 Jo finally took him down.  The lateral was taken by   quote\" \"a\" \"b\"",
     {103},
     {"12 Jo"}},
};

class ReadCaseTest : public DescriptionTest, public testing::WithParamInterface<ReadCase> {};

TEST_P(ReadCaseTest, CodesAndPlayers) {
  ASSERT_TRUE(Parse(GetParam().line)) << Logged().front();
  EXPECT_EQ(Codes(), GetParam().codes);
  EXPECT_EQ(Players(), GetParam().players);
  EXPECT_EQ(errorLog.entries, 0);
}

INSTANTIATE_TEST_SUITE_P(Descriptions, ReadCaseTest, testing::ValuesIn(kReadCases),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

struct RefusedCase {
  const char* name;
  std::string line;
  std::string_view message;
  std::string logged;   // the text logged with the entry
  int playersMade = 0;  // tokens accepted before the failure
};

void PrintTo(const RefusedCase& c, std::ostream* out) {
  *out << c.name;
}

const RefusedCase kRefusedCases[] = {
    {"FinalPhraseNotLast", "#12 Joe tackled him.  #80 Bob tackled him.  ", kNotUnderstood,
     "#12 Joe tackled him.  #80 Bob tackled him.  "},
    {"NoFinalPhrase", "#12 Joe's pass was caught by ", kNotUnderstood,
     "#12 Joe's pass was caught by ", 1},
    {"LeadingPhraseOnly", "Under pressure... ", kNotUnderstood, "Under pressure... "},
    {"LeadingFinalWithoutBlanks", "The play was whistled dead.", kNotUnderstood,
     "The play was whistled dead."},
    {"NoPhraseAtEnd", "#12 Joe ran away", kNotUnderstood, "#12 Joe ran away"},
    {"BangInToken", "#12 Jo! tackled him.  ", kNotUnderstood, "#12 Jo! tackled him.  "},
    {"NoJerseyNumber", "#Joe tackled him.  ", kNotUnderstood, "#Joe tackled him.  "},
    {"BangWithoutQuoteInside", "#12 Joe Doe tackled him.  Ha! tackled him.  " + kAnnotation,
     kNotUnderstood, "#12 Joe Doe tackled him.  Ha! tackled him.  "},
    {"AnnotatedFinalWithoutBlanks", "#12 Joe tackled him." + kAnnotation, kNotUnderstood,
     "#12 Joe tackled him."},
    {"TwoQuotes", "#12 Joe tackled him.  \"Joe\"", kNotUnderstood, "#12 Joe tackled him.  \"Joe\""},
    {"ThreeQuotes", "#12 Joe tackled him.  Joe\" \"Bob\"", kNotUnderstood,
     "#12 Joe tackled him.  Joe\" \"Bob\""},
    {"NothingBeforeAnnotation", kAnnotation, kNotUnderstood, kAnnotation},
    {"Empty", "", kNotUnderstood, ""},
    {"ShorterThanEveryPhrase", "#1", kNotUnderstood, "#1"},
    {"SegmentOver199", "#12 " + std::string(200, 'a') + " tackled him.  ", kNotUnderstood,
     "#12 " + std::string(200, 'a') + " tackled him.  "},
    {"LeadingSegmentOver199", "Under pressure... " + std::string(190, 'x') + "#12 Joe.  ",
     kNotUnderstood, "Under pressure... " + std::string(190, 'x') + "#12 Joe.  "},
    // Text between the leading phrase and the first "#" is no player token.
    {"TextBeforeFirstHash", "Under pressure... xx#12 Joe's pass was incomplete.  ", kWithoutHash,
     "Under pressure... xx#12 Joe's pass was incomplete.  "},
};

class RefusedCaseTest : public DescriptionTest, public testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedCaseTest, LoggedWithItsKind) {
  EXPECT_FALSE(Parse(GetParam().line));
  EXPECT_EQ(Logged(), (std::vector{Entry(GetParam().message, GetParam().logged)}));
  EXPECT_EQ(std::ssize(league.players), GetParam().playersMade);
}

INSTANTIATE_TEST_SUITE_P(Descriptions, RefusedCaseTest, testing::ValuesIn(kRefusedCases),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

// `count` tokens, numbered from 10, each followed by " sacked " but the last.
std::string Tokens(int count) {
  std::string line;
  for (int i = 0; i < count; ++i) {
    line += "#" + std::to_string(10 + i) + " P" + (i + 1 < count ? " sacked " : " tackled him.  ");
  }
  return line;
}

TEST_F(DescriptionTest, NineTokensWhenTheLineBeginsWithOne) {
  ASSERT_TRUE(Parse(Tokens(9)));
  EXPECT_EQ(play.description.codes.size(), 9u);
  EXPECT_EQ(play.description.players.size(), 9u);
  play = CurrentPlay{};
  EXPECT_FALSE(Parse(Tokens(10)));
  EXPECT_EQ(Logged(), (std::vector{Entry(kNotUnderstood, Tokens(10))}));
  EXPECT_EQ(std::ssize(league.players), 9);  // those of the first line only
}

TEST_F(DescriptionTest, EightTokensAfterALeadingPhrase) {
  ASSERT_TRUE(Parse("Under pressure... " + Tokens(8)));
  EXPECT_EQ(play.description.codes.size(), 9u);
  EXPECT_EQ(play.description.players.size(), 8u);
  play = CurrentPlay{};
  EXPECT_FALSE(Parse("Under pressure... " + Tokens(9)));
  EXPECT_EQ(Logged(), (std::vector{Entry(kNotUnderstood, "Under pressure... " + Tokens(9))}));
}

TEST_F(DescriptionTest, TokensUpTo35Bytes) {
  const std::string name(31, 'n');
  ASSERT_TRUE(Parse("#12 " + name + " tackled him.  "));
  EXPECT_EQ(Players(), (std::vector<std::string>{"12 " + name}));
  play = CurrentPlay{};
  const std::string longer = "#12 " + name + "m tackled him.  ";
  EXPECT_FALSE(Parse(longer));
  EXPECT_EQ(Logged(), (std::vector{Entry(kNotUnderstood, longer)}));
  EXPECT_EQ(std::ssize(league.players), 1);
}

// Eight segments of 57 bytes and a last one of 43 + extra bytes.
std::string LongDescription(std::size_t extra) {
  std::string line;
  for (int i = 0; i < 8; ++i) {
    line += "#" + std::to_string(10 + i) + " " + std::string(23, 'a') +
            "'s extra point was BLOCKED by ";
  }
  return line + "#99 " + std::string(24 + extra, 'b') + " tackled him.  ";
}

TEST_F(DescriptionTest, LinesUpTo499BytesOnly) {
  ASSERT_EQ(LongDescription(0).size(), 499u);
  ASSERT_TRUE(Parse(LongDescription(0)));
  EXPECT_EQ(play.description.players.size(), 9u);
  play = CurrentPlay{};
  EXPECT_FALSE(Parse(LongDescription(1)));
  EXPECT_EQ(Logged(), (std::vector{Entry(kNotUnderstood, LongDescription(1).substr(0, 499))}));
  EXPECT_EQ(play.description.codes.size(), 0u);
  EXPECT_EQ(std::ssize(league.players), 9);  // those of the first line only
}

TEST_F(DescriptionTest, RecordsWhatWasReadBeforeAFailure) {
  EXPECT_FALSE(Parse("#12 Joe's pass was caught by #80 Bob ran away"));
  EXPECT_EQ(Codes(), (std::vector<int>{118}));
  EXPECT_EQ(Players(), (std::vector<std::string>{"12 Joe"}));
}

}  // namespace
}  // namespace yl::transcript
