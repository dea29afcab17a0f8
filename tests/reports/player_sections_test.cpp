// The team player stat sections: the name cell, whole sections checked byte
// for byte against hand-laid tables, and the team filter.
#include "reports/player_sections.h"

#include <gtest/gtest.h>

#include "reports/report_fixture.h"

namespace yl::reports {
namespace {

using league::kDefense;
using league::kOffense;
using league::kUndecided;

const PlayerSection& Section(SectionId id) {
  return PlayerSections()[static_cast<std::size_t>(id)];
}

struct CellCase {
  int number;
  const char* name;
  const char* team;
  int position;
  std::uint16_t side;
  PositionTags tags;
  const char* cell;
};

class NameCellTest : public testing::TestWithParam<CellCase> {};

TEST_P(NameCellTest, ShowsNumberNameTagAndFiveTeamCharacters) {
  const CellCase& c = GetParam();
  league::PlayerRecord p;
  p.number = static_cast<std::int16_t>(c.number);
  p.name = c.name;
  p.teamName = c.team;
  p.position = static_cast<std::int16_t>(c.position);
  p.side = c.side;
  EXPECT_EQ(PlayerNameCell(p, c.tags), c.cell);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NameCellTest,
    testing::Values(
        CellCase{12, "Smith", "Bears", 9, kOffense, PositionTags::kOffensive,
                 "#12-Smith [QB-Bears]"},
        CellCase{55, "Hill", "Mountaineers", 4, kOffense, PositionTags::kOffensive,
                 "#55-Hill [TE-Mount]"},
        CellCase{7, "Lee", "Jets", 1, kOffense, PositionTags::kDefensive, "#7-Lee [NT-Jets ]"},
        CellCase{7, "Lee", "", 0, kOffense, PositionTags::kOffensive, "#7-Lee [~?????]"},
        CellCase{91, "Brooks", "Giant", 10, kDefense, PositionTags::kDefensive,
                 "#91-Brooks [~Giant]"},
        CellCase{54, "Backer", "Bears", 4, kDefense, PositionTags::kBySide,
                 "#54-Backer [LB-Bears]"},
        CellCase{66, "Guard", "Bears", 2, kOffense, PositionTags::kBySide, "#66-Guard [OG-Bears]"},
        CellCase{99, "Odd", "Bears", 3, kUndecided, PositionTags::kBySide, "#99-Odd [~Bears]"}));

using PlayerSectionTest = test::ReportFixture;

TEST_F(PlayerSectionTest, SpecialTeamsInGameModeGroupsPlayersByTeam) {
  Player(55, "Hill", "Mountaineers", 4).specialTeams =
      league::SpecialTeamsRecord{.tackles = 3, .tackleYards = 45};
  Player(23, "Morgan", "Jets", 11).specialTeams =
      league::SpecialTeamsRecord{.tackles = 1, .tackleYards = -2};
  Player(7, "Lee", "", 0).specialTeams = league::SpecialTeamsRecord{};
  Player(90, "Nobody", "Jets", 1);  // no record: not listed
  WritePlayerSection(*out, Players(), options, Section(SectionId::kSpecialTeams), nullptr);
  EXPECT_EQ(Output(), test::Lines({
                          "---Special Teams Stats-------------",
                          "Player Name            TK YDS   AVG",
                          "-----------------------------------",
                          "#7-Lee [~?????]         0   0  0.00",
                          "#23-Morgan [RB-Jets ]   1  -2 -2.00",
                          "#55-Hill [TE-Mount]     3  45 15.00",
                          "",
                      }));
}

TEST_F(PlayerSectionTest, PassingWithoutAttemptsShowsZeroRatesAndLongest) {
  options.mode = options::ReportMode::kCumulative;
  Player(5, "Backup", "Bears", 0).passing = league::PassingRecord{.sacks = 1, .sackYards = 7};
  // Rating: a 1.625, b 1.59375, c 2.5 capped at 2.375, d 0.8125: 6.40625 / 6 * 100.
  Player(12, "Smith", "Bears", 9).passing = league::PassingRecord{.attempts = 16,
                                                                  .completions = 10,
                                                                  .yards = 150,
                                                                  .touchdowns = 2,
                                                                  .longest = 45,
                                                                  .firstDowns = 6,
                                                                  .bigPlays = 1,
                                                                  .interceptions = 1,
                                                                  .sacks = 2,
                                                                  .sackYards = 13};
  WritePlayerSection(*out, Players(), options, Section(SectionId::kPassing), nullptr);
  EXPECT_EQ(Output(),
            test::Lines({
                "---Passing Stats-------------------------------------------------------------",
                "Player Name           ATT COM YDS   PCT TD IN LG 1ST  1ST% BIG SAC YDL   RATE",
                "-----------------------------------------------------------------------------",
                "#12-Smith [QB-Bears]   16  10 150 62.50  2  1 45   6 37.50   1   2  13 106.77",
                "#5-Backup [~Bears]      0   0   0  0.00  0  0  0   0  0.00   0   1   7   0.00",
                "",
            }));
}

TEST_F(PlayerSectionTest, TwoPointConversionsCarryTheGroupLine) {
  Player(22, "Jones", "Bears", 6).twoPoint =
      league::TwoPointRecord{.rushAttempts = 1, .rushMade = 0};
  Player(12, "Smith", "Bears", 9).twoPoint =
      league::TwoPointRecord{.passAttempts = 2, .passMade = 1};
  Player(81, "Wide", "Bears", 5).twoPoint =
      league::TwoPointRecord{.receivingAttempts = 1, .receivingMade = 1};
  WritePlayerSection(*out, Players(), options, Section(SectionId::kTwoPoint), nullptr);
  EXPECT_EQ(Output(),
            test::Lines({
                "---2 Point Conversion Stats---------------------------------------------",
                "                       PASSING    RUSHING   RECEIVING        TOTAL",
                "Player Name           ATT  MADE  ATT  MADE  ATT  MADE  ATT  MADE     PCT",
                "------------------------------------------------------------------------",
                "#81-Wide [WR-Bears]     0     0    0     0    1     1    1     1  100.00",
                "#12-Smith [QB-Bears]    2     1    0     0    0     0    2     1   50.00",
                "#22-Jones [HB-Bears]    0     0    1     0    0     0    1     0    0.00",
                "",
            }));
}

TEST_F(PlayerSectionTest, ScoringCountsPointsWithTwoBlankSeparators) {
  options.mode = options::ReportMode::kCumulative;
  league::PlayerRecord& kicker = Player(3, "Kick", "Bears", 8);
  kicker.fgKicking = league::FGKickingRecord{.attempts = 3, .made = 2};
  kicker.epKicking = league::EPKickingRecord{.attempts = 3, .made = 3};
  league::PlayerRecord& back = Player(22, "Jones", "Bears", 6);
  back.rushing = league::RushingRecord{.touchdowns = 1};
  back.receiving = league::ReceivingRecord{.touchdowns = 1};
  back.twoPoint = league::TwoPointRecord{.rushAttempts = 1, .rushMade = 1};
  // A two-point pass scores nothing for the passer.
  Player(12, "Smith", "Bears", 9).twoPoint =
      league::TwoPointRecord{.passAttempts = 1, .passMade = 1};
  WritePlayerSection(*out, Players(), options, Section(SectionId::kScoring), nullptr);
  EXPECT_EQ(Output(), test::Lines({
                          "---Scoring Stats------------------------------------------------",
                          "Player Name           TDs  RushTDs  RecTDs  FGs  EPs  2PT  TOTAL",
                          "----------------------------------------------------------------",
                          "#22-Jones [HB-Bears]    2        1       1  0/0  0/0    1     14",
                          "#3-Kick [KK-Bears]      0        0       0  2/3  3/3    0      9",
                          "#12-Smith [QB-Bears]    0        0       0  0/0  0/0    0      0",
                          "",
                      }));
}

struct PenaltyFixture : test::ReportFixture {
  void SetUp() override {
    ReportFixture::SetUp();
    options.mode = options::ReportMode::kCumulative;
    Player(66, "Guard", "Jets", 2, kOffense).penalty =
        league::PenaltyRecord{.flagged = 3, .accepted = 2, .yards = 15};
    Player(54, "Backer", "Bears", 4, kDefense).penalty =
        league::PenaltyRecord{.flagged = 2, .accepted = 2, .yards = 25};
    Player(99, "Odd", "Bears", 3, kUndecided).penalty =
        league::PenaltyRecord{.flagged = 1, .accepted = 1, .yards = 5};
  }
};

TEST_F(PenaltyFixture, TagsFollowEachPlayersSide) {
  WritePlayerSection(*out, Players(), options, Section(SectionId::kPenalty), nullptr);
  EXPECT_EQ(Output(), test::Lines({
                          "---Penalty Stats-----------------------------",
                          "Player Name            FLAGGED ACCEPTED YARDS",
                          "---------------------------------------------",
                          "#54-Backer [LB-Bears]        2        2    25",
                          "#66-Guard [OG-Jets ]         3        2    15",
                          "#99-Odd [~Bears]             1        1     5",
                          "",
                      }));
}

TEST_F(PenaltyFixture, ATeamFilterListsOnlyThatTeamsPlayers) {
  league::TeamRecord& jets = Team("Jets");
  league::TeamRecord& giants = Team("Giants");
  WritePlayerSection(*out, Players(), options, Section(SectionId::kPenalty), &giants);
  EXPECT_EQ(Output(), "");  // not even the title
  WritePlayerSection(*out, Players(), options, Section(SectionId::kPenalty), &jets);
  EXPECT_EQ(Output(), test::Lines({
                          "---Penalty Stats----------------------------",
                          "Player Name           FLAGGED ACCEPTED YARDS",
                          "--------------------------------------------",
                          "#66-Guard [OG-Jets ]        3        2    15",
                          "",
                      }));
}

}  // namespace
}  // namespace yl::reports
