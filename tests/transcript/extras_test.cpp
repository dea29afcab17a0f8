// Extras lines: the game's table, cutting lines into phrases, numbers and
// players, what the phrases mean, fouler teams, and how bad lines are refused.
#include "transcript/extras.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "options/output_options.h"
#include "run/error_log.h"
#include "support/fake_platform.h"

namespace yl::transcript {
namespace {

class ExtrasTest : public ::testing::Test {
 protected:
  ExtrasTest() {
    run::InitErrorLog(errorLog);
    SetTeams("Bears", "Mud Hens");
  }

  void SetTeams(std::string_view homeName, std::string_view visitingName) {
    home = league::FindOrCreateTeam(league, homeName);
    visiting = league::FindOrCreateTeam(league, visitingName);
    PrepareExtrasPhrases(table, *home, *visiting);
    play = CurrentPlay{};
    play.groupAtSnap = 4;
  }

  // Reads the lines as the game loop does: parse, resolve, end the line.
  bool ReadExtras(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
      if (!ParseExtras(context, table, line, play)) return false;
      halvesOver += ResolveExtras(context, *home, *visiting, play);
      EndExtrasLine(play.extras);
    }
    return true;
  }

  std::vector<std::int16_t> Codes() const {
    return {play.extras.codes.begin(), play.extras.codes.end()};
  }
  league::PlayerRecord* ValuePlayer(std::size_t i) const { return play.extras.values[i].player; }
  std::string LogText() const { return std::string(errorLog.buffer.data(), errorLog.fill); }

  int halvesOver = 0;  // codes read that end the first half

  test::FakePlatform platform;
  league::League league;
  run::FileSystem files;
  run::ErrorLog errorLog{platform, files, options::LineEnds::kUnix};
  GamePlayers players;
  ReadContext context{league, players, errorLog, "Eagles at Bears"};
  league::TeamRecord* home = nullptr;
  league::TeamRecord* visiting = nullptr;
  ExtrasTable table;
  CurrentPlay play;
};

TEST(ExtrasPhrases, StoredByDecreasingLengthThenAscendingBytes) {
  ASSERT_EQ(kExtrasPhrases.size(), 55u);
  int teamTexts = 0;
  std::size_t longest = 0;
  for (std::size_t k = 0; k < kExtrasPhrases.size(); ++k) {
    EXPECT_EQ(kExtrasPhrases[k].code, static_cast<std::int16_t>(k));
    if (kExtrasPhrases[k].team != TeamText::kNone) ++teamTexts;
    longest = std::max(longest, kExtrasPhrases[k].text.size());
    if (k == 0) continue;
    const std::string_view a = kExtrasPhrases[k - 1].text;
    const std::string_view b = kExtrasPhrases[k].text;
    EXPECT_TRUE(b.size() < a.size() || (b.size() == a.size() && a <= b)) << k;
  }
  EXPECT_EQ(teamTexts, 14);
  EXPECT_EQ(longest, kLongestExtrasPhrase);
}

// Phrases match with the letter case of ASCII letters ignored, and only
// theirs (a team's name may hold Mac OS Roman letters): any byte of a line
// changed to any other value still reads when the two are the same letter,
// and only then.
TEST_F(ExtrasTest, OnlyAsciiLettersMatchInEitherCase) {
  SetTeams("Caf\xC9s", "Mud Hens");
  const std::string line = "Caf\xC9s accepted the penalty which was an automatic first down.";
  int read = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    for (int v = 1; v < 256; ++v) {
      std::string changed = line;
      changed[i] = static_cast<char>(v);
      CurrentPlay fresh;
      ParseContext parse;
      const bool sameLetter = FoldCase(changed[i]) == FoldCase(line[i]);
      ASSERT_EQ(ParseExtras(parse, table, changed, fresh), sameLetter)
          << "byte " << i << " as " << v;
      read += sameLetter ? 1 : 0;
    }
  }
  EXPECT_GT(read, static_cast<int>(line.size()));  // letters read in both cases
}

TEST_F(ExtrasTest, TeamTextsCarryTheGamesNames) {
  EXPECT_EQ(table.TextOfCode(1),
            "Penalty on the play.  Illegal Formation.  Fewer than seven men on the line on Bears.");
  EXPECT_EQ(table.TextOfCode(2),
            "Penalty on the play.  Illegal Formation.  Fewer than seven men on the line on Mud "
            "Hens.");
  EXPECT_EQ(table.TextOfCode(5),
            "Bears accepted the penalty which was automatic placement on the ");
  EXPECT_EQ(table.TextOfCode(10),
            "Mud Hens accepted the penalty which was an automatic first down.");
  EXPECT_EQ(table.TextOfCode(39), "Mud Hens declined the penalty which was ");
  EXPECT_EQ(table.TextOfCode(50), "Bears call time out.");
  EXPECT_EQ(table.TextOfCode(51), "Mud Hens call time out.");
  EXPECT_EQ(table.TextOfCode(54), ".");
}

TEST_F(ExtrasTest, TrialOrderIsLongestFirstStableByCode) {
  // Names of equal lengths tie the two teams' texts; names of many lengths
  // put them among the texts that name no team, before, after and level.
  for (const auto& [homeName, visitingName] : {std::pair{"Bears", "Mud Hens"},
                                               {"Cats", "Dogs"},
                                               {"X", "A Very Long Team Name Indeed"},
                                               {"Nighthawks", "Ox"},
                                               {"Penalty on the play", "Marauders of the North"}}) {
    SetTeams(homeName, visitingName);
    for (std::size_t position = 0; position < kExtrasPhraseCount; ++position) {
      const PhraseCode code = table.positionToCode[position];
      EXPECT_EQ(table.codeToPosition[code], position);
      if (position == 0) continue;
      const PhraseCode before = table.positionToCode[position - 1];
      const std::size_t a = table.TextOfCode(before).size();
      const std::size_t b = table.TextOfCode(code).size();
      EXPECT_TRUE(b < a || (b == a && before < code)) << homeName << " " << position;
    }
  }
  SetTeams("Bears", "Mud Hens");
  EXPECT_LT(table.codeToPosition[51], table.codeToPosition[50]);
  EXPECT_LT(table.codeToPosition[6], table.codeToPosition[5]);
}

TEST_F(ExtrasTest, EachGamesTableOwesNothingToTheLast) {
  SetTeams("A Very Long Team Name Indeed", "X");
  SetTeams("Bears", "Mud Hens");
  ExtrasTable fresh;
  PrepareExtrasPhrases(fresh, *home, *visiting);
  EXPECT_EQ(table.positionToCode, fresh.positionToCode);
  for (PhraseCode code = 0; code < kExtrasPhraseCount; ++code)
    EXPECT_EQ(table.TextOfCode(code), fresh.TextOfCode(code)) << int{code};
}

TEST_F(ExtrasTest, LongTeamNamesAreCutToWhatATeamNameHolds) {
  const std::string longName(80, 'Z');
  league::TeamRecord big;
  big.name = longName;  // longer than a team record takes from a transcript
  PrepareExtrasPhrases(table, big, big);
  EXPECT_EQ(table.TextOfCode(1).size(), 78u + league::kMaxTeamName + 1);
  EXPECT_EQ(table.TextOfCode(50), std::string(league::kMaxTeamName, 'Z') + " call time out.");
}

TEST_F(ExtrasTest, PenaltyAcceptedForYardsGivesTheFoulerTheOtherTeam) {
  ASSERT_TRUE(ReadExtras({"Penalty on the play.  Holding on #55-Smith.",
                          "Bears accepted the penalty which was 10 yards."}));
  EXPECT_EQ(Codes(), (std::vector<std::int16_t>{35, 54, 36, 53}));
  league::PlayerRecord* smith = ValuePlayer(0);
  ASSERT_NE(smith, nullptr);
  EXPECT_EQ(smith->name, "Smith");
  EXPECT_EQ(smith->number, 55);
  EXPECT_TRUE(play.penalty.called);
  EXPECT_EQ(play.penalty.kind, PenaltyKind::kHolding);
  EXPECT_EQ(play.penalty.fouler, smith);
  EXPECT_TRUE(play.penalty.accepted);
  EXPECT_EQ(play.penalty.yards, 10);
  EXPECT_EQ(players[*smith].otherGroup, 4);
  EXPECT_EQ(smith->side, league::kUndecided);  // holding names no side
  EXPECT_EQ(smith->teamName, "Mud Hens");
  EXPECT_FALSE(players[*smith].teamOpen);
  EXPECT_EQ(errorLog.entries, 0);
}

TEST_F(ExtrasTest, PenaltyDeclinedByTheVisitorsGivesTheFoulerTheHomeTeam) {
  ASSERT_TRUE(ReadExtras({"PENALTY ON THE PLAY.  DEFENSIVE PASS INTERFERENCE ON #21-Jones.",
                          "MUD HENS declined the penalty which was 15 yards."}));
  EXPECT_EQ(Codes(), (std::vector<std::int16_t>{11, 54, 39, 53}));
  league::PlayerRecord* jones = ValuePlayer(0);
  ASSERT_NE(jones, nullptr);
  EXPECT_EQ(play.penalty.kind, PenaltyKind::kDefensivePassInterference);
  EXPECT_EQ(jones->side, league::kDefense);
  EXPECT_FALSE(play.penalty.accepted);
  EXPECT_EQ(play.penalty.yards, 15);
  EXPECT_EQ(jones->teamName, "Bears");
}

constexpr std::optional<std::int16_t> kNone = std::nullopt;

struct DecisionCase {
  std::string line;
  std::int16_t code;
  bool accepted;
  std::optional<std::int16_t> placement;
  std::optional<std::int16_t> yards;
  bool automaticFirstDown;
  bool lossOfDown;
  std::optional<std::int16_t> assessedFrom;
  const char* foulerTeam;
};

std::ostream& operator<<(std::ostream& out, const DecisionCase& c) {
  return out << '"' << c.line << '"';
}

class ExtrasDecisions : public ExtrasTest, public ::testing::WithParamInterface<DecisionCase> {};

TEST_P(ExtrasDecisions, DecideThePenaltyAndTheFoulersTeam) {
  const DecisionCase& c = GetParam();
  ASSERT_TRUE(ReadExtras({"Penalty on the play.  False start on #70-Brown.", c.line})) << c.line;
  EXPECT_EQ(play.extras.codes[2], c.code);
  const Penalty& penalty = play.penalty;
  EXPECT_EQ(penalty.kind, PenaltyKind::kFalseStart);
  ASSERT_NE(penalty.fouler, nullptr);
  EXPECT_EQ(penalty.fouler->side, league::kOffense);
  EXPECT_EQ(penalty.accepted, c.accepted);
  EXPECT_EQ(penalty.placement, c.placement);
  EXPECT_EQ(penalty.yards, c.yards);
  EXPECT_EQ(penalty.automaticFirstDown, c.automaticFirstDown);
  EXPECT_EQ(penalty.lossOfDown, c.lossOfDown);
  EXPECT_EQ(penalty.assessedFrom, c.assessedFrom);
  EXPECT_EQ(penalty.fouler->teamName, c.foulerTeam);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Lines, ExtrasDecisions,
    ::testing::Values(
        DecisionCase{"Bears accepted the penalty which was automatic placement on the 20 yard line.",
                     5, true, 20, kNone, false, false, kNone, "Mud Hens"},
        DecisionCase{"Mud Hens accepted the penalty which was automatic placement on the 20 yard line.",
                     6, true, 20, kNone, false, false, kNone, "Bears"},
        DecisionCase{"bears declined the penalty which was automatic placement on the 20 yard line.",
                     7, false, 20, kNone, false, false, kNone, "Mud Hens"},
        DecisionCase{"Mud Hens declined the penalty which was automatic placement on the 20 yard line.",
                     8, false, 20, kNone, false, false, kNone, "Bears"},
        DecisionCase{"Bears accepted the penalty which was an automatic first down.",
                     9, true, kNone, kNone, true, false, kNone, "Mud Hens"},
        DecisionCase{"Mud Hens accepted the penalty which was an automatic first down.",
                     10, true, kNone, kNone, true, false, kNone, "Bears"},
        DecisionCase{"Bears accepted the penalty which was 15 yards and an automatic first down.",
                     36, true, kNone, 15, true, false, kNone, "Mud Hens"},
        DecisionCase{"Mud Hens accepted the penalty which was 5 yards and loss of down.",
                     37, true, kNone, 5, false, true, kNone, "Bears"},
        DecisionCase{"Bears declined the penalty which was 5 yards.",
                     38, false, kNone, 5, false, false, kNone, "Mud Hens"},
        // Assessed from the goal line: the spot is the 1.
        DecisionCase{"Bears accepted the penalty which was 5 assessed from the goal line.",
                     36, true, kNone, 5, false, false, 1, "Mud Hens"},
        DecisionCase{"Bears accepted the penalty which was 15 assessed from the 30 yard line.",
                     36, true, kNone, 15, false, false, 30, "Mud Hens"}));
// clang-format on

struct FoulCase {
  std::int16_t code;
  int penaltyKind;
  int side;  // -1: left undecided
};

std::ostream& operator<<(std::ostream& out, const FoulCase& c) {
  return out << "code " << c.code;
}

class ExtrasFouls : public ExtrasTest, public ::testing::WithParamInterface<FoulCase> {};

TEST_P(ExtrasFouls, KindAndSideOfEveryPenaltySentence) {
  const FoulCase& c = GetParam();
  const std::string line =
      std::string(kExtrasPhrases[static_cast<std::size_t>(c.code)].text) + "#33-Fouler Name.";
  ASSERT_TRUE(ReadExtras({line})) << line;
  EXPECT_EQ(Codes(), (std::vector<std::int16_t>{c.code, 54}));
  league::PlayerRecord* fouler = ValuePlayer(0);
  ASSERT_NE(fouler, nullptr);
  EXPECT_EQ(fouler->name, "Fouler Name");
  EXPECT_TRUE(play.penalty.called);
  EXPECT_EQ(CodeValue(play.penalty.kind), c.penaltyKind);
  EXPECT_EQ(play.penalty.fouler, fouler);
  EXPECT_EQ(fouler->side, c.side < 0 ? league::kUndecided : static_cast<std::uint16_t>(c.side));
}

INSTANTIATE_TEST_SUITE_P(
    Sentences, ExtrasFouls,
    ::testing::Values(FoulCase{0, 19, 0}, FoulCase{3, 1, 0}, FoulCase{4, 1, 0}, FoulCase{11, 5, 1},
                      FoulCase{12, 9, 0}, FoulCase{13, 7, -1}, FoulCase{14, 11, 0},
                      FoulCase{15, 10, -1}, FoulCase{16, 15, 0}, FoulCase{17, 2, -1},
                      FoulCase{18, 2, -1}, FoulCase{19, 17, 0}, FoulCase{20, 2, -1},
                      FoulCase{21, 20, 0}, FoulCase{22, 8, 0}, FoulCase{23, 16, 1},
                      FoulCase{26, 12, 0}, FoulCase{27, 4, -1}, FoulCase{28, 6, -1},
                      FoulCase{30, 18, 0}, FoulCase{32, 13, -1}, FoulCase{35, 0, -1},
                      FoulCase{40, 3, -1}));

TEST_F(ExtrasTest, FormationPenaltyNamesATeamAndNoPlayer) {
  ASSERT_TRUE(ReadExtras(
      {"Penalty on the play.  Illegal Formation.  Fewer than seven men on the line on mud hens.",
       "Bears accepted the penalty which was 5 yards."}));
  EXPECT_EQ(Codes(), (std::vector<std::int16_t>{2, 36, 53}));
  EXPECT_TRUE(play.penalty.called);
  EXPECT_EQ(play.penalty.kind, PenaltyKind::kFewerThanSevenOnTheLine);
  EXPECT_EQ(play.penalty.fouler, nullptr);
  EXPECT_EQ(play.penalty.yards, 5);
}

TEST_F(ExtrasTest, PenaltySentenceWithoutAPlayerNamesNobody) {
  ASSERT_TRUE(ReadExtras({"Penalty on the play.  Holding on "}));
  EXPECT_TRUE(play.penalty.called);
  EXPECT_EQ(play.penalty.fouler, nullptr);
  ASSERT_TRUE(ReadExtras({"Bears accepted the penalty which was 10 yards."}));
  EXPECT_EQ(play.penalty.yards, 10);
}

struct PeriodCase {
  std::string line;
  std::int16_t code;
  int periodBreak;
  int gameOver;
  bool endsFirstHalf;
};

std::ostream& operator<<(std::ostream& out, const PeriodCase& c) {
  return out << '"' << c.line << '"';
}

class ExtrasPeriods : public ExtrasTest, public ::testing::WithParamInterface<PeriodCase> {};

TEST_P(ExtrasPeriods, TimeOutsWarningsAndPeriodEnds) {
  const PeriodCase& c = GetParam();
  ASSERT_TRUE(ReadExtras({c.line})) << c.line;
  EXPECT_EQ(Codes(), std::vector<std::int16_t>{c.code});
  EXPECT_EQ(play.periodBreak, c.periodBreak != 0);
  EXPECT_EQ(play.gameOver, c.gameOver != 0);
  EXPECT_FALSE(play.penalty.called);
  EXPECT_EQ(halvesOver, c.endsFirstHalf ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ExtrasPeriods,
    ::testing::Values(PeriodCase{"Bears call time out.", 50, 0, 0, false},
                      PeriodCase{"MUD HENS CALL TIME OUT.", 51, 0, 0, false},
                      PeriodCase{"Two minutes left in the first half.", 33, 0, 0, false},
                      PeriodCase{"Two minutes left in the fourth quarter.", 29, 0, 0, false},
                      PeriodCase{"Two minutes left in the overtime period.", 24, 0, 0, false},
                      PeriodCase{"The first quarter is over.", 44, 0, 0, false},
                      PeriodCase{"The third quarter is over.", 45, 0, 0, false},
                      PeriodCase{"The fourth quarter is over.", 43, 0, 0, false},
                      PeriodCase{"The overtime period is over.", 42, 0, 0, false},
                      PeriodCase{"The first half is over.", 47, 1, 0, true},
                      PeriodCase{"An overtime period will be played.", 34, 1, 0, false},
                      PeriodCase{"Another overtime period will be played.", 25, 1, 0, false},
                      PeriodCase{"The game is over.", 49, 0, 1, false},
                      PeriodCase{"THE GAME IS OVER.", 49, 0, 1, false}));

TEST_F(ExtrasTest, TeamNamesThatArePrefixesOfEachOther) {
  for (const bool homeShort : {true, false}) {
    SetTeams(homeShort ? "Bear" : "Bears", homeShort ? "Bears" : "Bear");
    const std::int16_t bearsCode = homeShort ? 51 : 50;
    const std::int16_t bearCode = homeShort ? 50 : 51;
    ASSERT_TRUE(ReadExtras({"Bears call time out.", "bear call time out."}));
    EXPECT_EQ(Codes(), (std::vector<std::int16_t>{bearsCode, bearCode})) << homeShort;
  }
}

TEST_F(ExtrasTest, DecisionOfTheTeamWhoseNameIsTheLongerPrefix) {
  SetTeams("Bear", "Bears");
  ASSERT_TRUE(ReadExtras({"Penalty on the play.  Holding on #55-Smith.",
                          "BEARS accepted the penalty which was 10 yards."}));
  EXPECT_EQ(play.extras.codes[2], 37);  // the visiting Bears decide
  EXPECT_EQ(ValuePlayer(0)->teamName, "Bear");
}

struct TokenCase {
  std::string line;
  std::string name;
  int number;
  int side;
};

std::ostream& operator<<(std::ostream& out, const TokenCase& c) {
  return out << '"' << c.line << '"';
}

class ExtrasTokens : public ExtrasTest, public ::testing::WithParamInterface<TokenCase> {};

TEST_P(ExtrasTokens, TokenEndsWhereAPhraseFollows) {
  const TokenCase& c = GetParam();
  ASSERT_TRUE(ReadExtras({c.line})) << c.line;
  const league::PlayerRecord* player = ValuePlayer(0);
  ASSERT_NE(player, nullptr);
  EXPECT_EQ(player->name, c.name);
  EXPECT_EQ(player->number, c.number);
  EXPECT_EQ(player->side, c.side < 0 ? league::kUndecided : static_cast<std::uint16_t>(c.side));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ExtrasTokens,
    ::testing::Values(
        TokenCase{"Penalty on the play.  Holding on #55-Smith-Jones.", "Smith-Jones", 55, -1},
        TokenCase{"Penalty on the play.  Holding on #5-J.R. Smith.", "J.R. Smith", 5, -1},
        TokenCase{"Penalty on the play.  Piling on #5 Jean-Luc.", "Jean-Luc", 5, -1},
        // A marked token is an offense player.
        TokenCase{"Penalty on the play.  Holding on #64-Carter*.", "Carter", 64, 0},
        // The longest name a player holds.
        TokenCase{"Penalty on the play.  Holding on #64-" + std::string(31, 'n') + ".",
                  std::string(31, 'n'), 64, -1}));

TEST_F(ExtrasTest, SamePlayerFoundAgainAcrossLines) {
  ASSERT_TRUE(ReadExtras({"Penalty on the play.  Holding on #55-Smith.",
                          "Penalty on the play.  Personal foul on #55-Smith."}));
  EXPECT_EQ(ValuePlayer(0), ValuePlayer(2));
  EXPECT_EQ(play.penalty.fouler, ValuePlayer(0));
  EXPECT_EQ(play.penalty.kind, PenaltyKind::kPersonalFoul);
  EXPECT_EQ(std::ssize(league.players), 1);
}

// A number too large for its figure makes the line not understood; it never
// wraps around to a small one.
TEST_F(ExtrasTest, NumbersTooLargeAreRefused) {
  ASSERT_TRUE(ReadExtras({"Bears accepted the penalty which was 32767 yards."}));
  EXPECT_EQ(play.extras.values[0].number, 32767);
  CurrentPlay second;
  EXPECT_FALSE(
      ParseExtras(context, table, "Bears accepted the penalty which was 65541 yards.", second));
  EXPECT_EQ(errorLog.entries, 1);
}

// Phrases "." and numbers alternating: one code, then a value and a code per "1.".
std::string Alternating(int repeats) {
  std::string line = ".";
  for (int k = 0; k < repeats; ++k)
    line += "1.";
  return line;
}

TEST_F(ExtrasTest, TenPhrasesFitAnEleventhIsRefused) {
  ASSERT_TRUE(ParseExtras(context, table, Alternating(9), play));
  EXPECT_EQ(play.extras.codes.size(), 10u);
  EXPECT_EQ(play.extras.nextValue, 9u);

  CurrentPlay second;
  EXPECT_FALSE(ParseExtras(context, table, Alternating(10), second));
  EXPECT_EQ(second.extras.codes.size(), 10u);
  EXPECT_EQ(errorLog.entries, 1);
}

TEST_F(ExtrasTest, PhrasesCountOverAllLinesOfAPlay) {
  std::vector<std::string> lines(10, "The first quarter is over.");
  ASSERT_TRUE(ReadExtras(lines));
  EXPECT_EQ(play.extras.codes.size(), 10u);
  EXPECT_FALSE(ReadExtras({"Bears call time out."}));
  EXPECT_EQ(play.extras.codes.size(), 10u);
  EXPECT_EQ(errorLog.entries, 1);
}

TEST_F(ExtrasTest, ValuesAreRefusedPastTheTenthSlot) {
  // The game loop's one-slot step after every line leaves no room for more.
  ASSERT_TRUE(ReadExtras(std::vector<std::string>(9, "The first quarter is over.")));
  EndExtrasLine(play.extras);
  EXPECT_FALSE(ParseExtras(context, table, "Bears accepted the penalty which was 5 yards.", play));
  EXPECT_EQ(play.extras.nextValue, 10u);
}

TEST_F(ExtrasTest, LongestLineIsReadOneMoreIsRefused) {
  const std::string fits = "." + std::string(497, '0') + ".";
  ASSERT_EQ(fits.size(), 499u);
  EXPECT_TRUE(ParseExtras(context, table, fits, play));
  CurrentPlay second;
  EXPECT_FALSE(ParseExtras(context, table, "." + std::string(498, '0') + ".", second));
  EXPECT_EQ(errorLog.entries, 1);
}

class ExtrasRefused : public ExtrasTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(ExtrasRefused, LoggedWithTheLine) {
  context.transcriptName = "Week 3";
  EXPECT_FALSE(ParseExtras(context, table, GetParam(), play));
  EXPECT_EQ(errorLog.entries, 1);
  EXPECT_EQ(LogText(), "Week 3\nDon't understand play extras\n" + GetParam() + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    BadLines, ExtrasRefused,
    ::testing::Values("",                                               // shorter than every phrase
                      "x",                                              // no first phrase
                      "Lions call time out.",                           // not a team of this game
                      "Penalty on the play.  Holding on #55 Smith.",    // no "-" in the rest
                      "Penalty on the play.  Holding on #55-",          // ends right after the "-"
                      "Penalty on the play.  Holding on #55-Smith",     // no phrase after the token
                      "Penalty on the play.  Holding on #12-Jones#2.",  // names nobody
                      "Penalty on the play.  Holding on Smith.",        // neither digit nor "#"
                      "Bears accepted the penalty which was 10",        // ends in a number
                      "Bears accepted the penalty which was 10 feet.",
                      "The game is over.  Thanks for watching.",
                      // A token of 36 bytes: longer than the league model takes.
                      "Penalty on the play.  Piling on #5 Jean-" + std::string(28, 'x') + "."));

TEST_F(ExtrasTest, FoulerWithAnotherFixedTeamIsLoggedNotMoved) {
  ASSERT_TRUE(ReadExtras({"Penalty on the play.  Holding on #55-Smith."}));
  league::PlayerRecord* smith = ValuePlayer(0);
  smith->teamName = "Lions";
  players[*smith].teamOpen = false;
  context.transcriptName = "Week 3";
  ASSERT_TRUE(ReadExtras({"Bears accepted the penalty which was 10 yards."}));
  EXPECT_EQ(smith->teamName, "Lions");
  EXPECT_EQ(LogText(), "Week 3\nTried to change team name of player\nSmith\n");
  EXPECT_TRUE(play.penalty.accepted);  // the play stays understood
}

TEST_F(ExtrasTest, AssignFoulerTeamRules) {
  league::PlayerRecord* smith = league::AddPlayer(league, "Smith", 55);
  players.Name(*smith);

  // A player just named is open: he takes any team, and then keeps it.
  smith->teamName = "Lions";
  AssignFoulerTeam(context, *smith, *home);
  EXPECT_EQ(smith->teamName, "Bears");
  EXPECT_FALSE(players[*smith].teamOpen);

  // The same team in other letters is no conflict.
  league::TeamRecord shouting;
  shouting.name = "BEARS";
  AssignFoulerTeam(context, *smith, shouting);
  EXPECT_EQ(smith->teamName, "BEARS");
  EXPECT_EQ(errorLog.entries, 0);

  // A fixed player without a team yet takes one.
  smith->teamName.clear();
  AssignFoulerTeam(context, *smith, *visiting);
  EXPECT_EQ(smith->teamName, "Mud Hens");
  EXPECT_EQ(errorLog.entries, 0);
}

}  // namespace
}  // namespace yl::transcript
