// The compile driver: files per mode, rejected transcripts, stopping, the
// order of a run and the releases between games.
#include "compile/compile_driver.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>

#include "compile/compile_run.h"
#include "run/error_log.h"
#include "support/fake_platform.h"
#include "support/newest_first.h"
#include "support/temp_dir.h"
#include "support/transcripts.h"

namespace yl::compile {
namespace {

struct DriverFixture : testing::Test {
  test::FakePlatform platform;
  options::OutputOptions options;
  test::TempDir dir;
  std::vector<run::TransRecord> transcripts;
  std::vector<run::TeamFileRecord> teams;

  DriverFixture() { options.lineEnds = options::LineEnds::kUnix; }

  void AddGame(const std::string& name, const std::string& text) {
    transcripts.push_back(run::MakeInputFileRecord(dir.Write(name + ".txt", text)));
  }
  void AddThreeGames() {
    AddGame("G1", test::SmallGame("Bears", "Lions"));
    AddGame("G2", test::SmallGame("Eagles", "Giants"));
    AddGame("G3", test::SmallGame("Rams", "Jets"));
  }
  // Runs with the reports in dir/out and the error log answered as dir/out/log.
  std::unique_ptr<CompileRun> Run() {
    ::mkdir(dir.File("out").c_str(), 0755);
    platform.saveAnswer = dir.File("out/log");
    auto run = std::make_unique<CompileRun>(platform, options);
    CompileStats(*run, transcripts, teams, run::MakePrefixReply(dir.File("out/week1")));
    return run;
  }
  std::vector<std::string> OutNames() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.File("out")))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
};

TEST_F(DriverFixture, GameModeOneFileHoldsEveryGame) {
  AddThreeGames();
  auto run = Run();
  EXPECT_EQ(OutNames(), std::vector<std::string>{"week1.GS"});
  // Each game: its name, an empty line, its reports, an empty line.
  EXPECT_EQ(test::ReadFileBytes(dir.File("out/week1.GS")),
            "G1\n\n" + test::SmallGameReport("Bears", "Lions") + "\n\nG2\n\n" +
                test::SmallGameReport("Eagles", "Giants") + "\n\nG3\n\n" +
                test::SmallGameReport("Rams", "Jets") + "\n\n");
  EXPECT_EQ(run->gamesCompiled, 3);
  EXPECT_EQ(run->gamesRejected, 0);
  EXPECT_EQ(run->errorLog.entries, 0);
  EXPECT_EQ(run->reportFiles, std::vector<std::string>{dir.File("out/week1.GS")});
  EXPECT_EQ(platform.saveQuestions, 0);
}

TEST_F(DriverFixture, PerPlayModeEchoesEveryPlay) {
  options.mode = options::ReportMode::kPerPlay;
  options.perPlayLayout = options::FileLayout::kOneFile;
  AddGame("G1", test::SmallGame("Bears", "Lions"));
  auto run = Run();
  EXPECT_EQ(OutNames(), std::vector<std::string>{"week1.SD"});
  EXPECT_EQ(test::ReadFileBytes(dir.File("out/week1.SD")),
            "G1\n\n"
            "\nWith the score 0 to 0 in the 1st quarter, 15:00 on the clock, and kicking-off from "
            "their own 35 yard line...\n"
            "\nThe kickoff was taken by #23-Morgan... #55-Hill took him down.  \n"
            "That was a 62 yard kick.\n"
            "\n---Kick Return Stats------------------------------\n"
            "Player Name            RET YDS   AVG TD LG FUM LST\n"
            "--------------------------------------------------\n"
            "#23-Morgan [DB-?????]    1  62 62.00  0 62   0   0\n"
            "\n---Special Teams Stats-----------\n"
            "Player Name          TK YDS   AVG\n"
            "---------------------------------\n"
            "#55-Hill [OL-?????]   1  62 62.00\n\n"
            "\nWith the score 0 to 0 in the 1st quarter, 14:52 on the clock, and 1st-and-10 to go "
            "from their own 25 yard line...\n"
            "\n#33-Carter took the hand-off... #91-Brooks took him down.  \n"
            "Gain of 4 yards on the play.  The ball is on the 29 yard line.  \n"
            "\nThe first quarter is over.\n"
            "\n---Rushing Stats------------------------------------------------------\n"
            "Player Name            ATT YDS  AVG TD LG 1ST 1ST% STF YDL BIG FUM LST\n"
            "----------------------------------------------------------------------\n"
            "#33-Carter [RB-?????]    1   4 4.00  0  4   0 0.00   0   0   0   0   0\n"
            "\n---Scoring Stats-------------------------------------------------\n"
            "Player Name            TDs  RushTDs  RecTDs  FGs  EPs  2PT  TOTAL\n"
            "-----------------------------------------------------------------\n"
            "#33-Carter [RB-?????]    0        0       0  0/0  0/0    0      0\n"
            "\n---Defensive Stats-------------------------------------------------------\n"
            "Player Name            TK YDS  AVG SAC SKYDS STF YDL TOTYL PD PTBLK FGBLK\n"
            "-------------------------------------------------------------------------\n"
            "#91-Brooks [DL-?????]   1   4 4.00   0     0   0   0     0  0     0     0\n\n"
            "\nWith the score 0 to 0 in the 2nd quarter, 15:00 on the clock, and 2nd-and-6 to go "
            "from their own 29 yard line...\n"
            "\n#7-Harris's pass was incomplete.  \n"
            "\nThe game is over.\n"
            "\n---Passing Stats----------------------------------------------------------\n"
            "Player Name           ATT COM YDS  PCT TD IN LG 1ST 1ST% BIG SAC YDL  RATE\n"
            "--------------------------------------------------------------------------\n"
            "#7-Harris [QB-?????]    1   0   0 0.00  0  0  0   0 0.00   0   0   0 39.58\n\n"
            "\n\n");
}

TEST_F(DriverFixture, ProgressIsStartedSteppedAndEnded) {
  AddThreeGames();
  Run();
  EXPECT_EQ(platform.calls, (std::vector<std::string>{"StartProgress G1 3", "StepProgress 1 25 G1",
                                                      "StepProgress 1 25 G2",
                                                      "StepProgress 1 25 G3", "EndProgress"}));
}

TEST_F(DriverFixture, SeparateFilesCarryTheTeamsAndLeaveNoEmptyFile) {
  options.gameLayout = options::FileLayout::kSeparateFiles;
  AddThreeGames();
  auto run = Run();
  EXPECT_EQ(OutNames(),
            (std::vector<std::string>{"week1.GS.Bea@Lio", "week1.GS.Eag@Gia", "week1.GS.Ram@Jet"}));
  EXPECT_EQ(test::ReadFileBytes(dir.File("out/week1.GS.Eag@Gia")),
            "G2\n\n" + test::SmallGameReport("Eagles", "Giants") + "\n\n");
  EXPECT_EQ(run->reportFiles.size(), 3u);
}

// The options choose the sinks: the reports of the mode, and the CSV tables
// when a folder is named for them. The run keeps their files, reports first.
struct SinkCase {
  const char* name;
  options::ReportMode mode;
  options::FileLayout layout;
  bool tables;
  std::vector<std::string> kept;
};

void PrintTo(const SinkCase& c, std::ostream* out) {
  *out << c.name;
}

class SinksTest : public DriverFixture, public testing::WithParamInterface<SinkCase> {};

TEST_P(SinksTest, TheRunKeepsTheFilesOfTheSinksItsOptionsChose) {
  const SinkCase& c = GetParam();
  options.mode = c.mode;
  options.gameLayout = c.layout;
  options.perPlayLayout = c.layout;
  AddGame("G1", test::SmallGame("Bears", "Lions"));
  AddGame("G2", test::SmallGame("Rams", "Jets"));
  ::mkdir(dir.File("out").c_str(), 0755);
  CompileRun run(platform, options);
  if (c.tables) run.tablesFolder = dir.File("out");
  CompileStats(run, transcripts, teams, run::MakePrefixReply(dir.File("out/week1")));
  std::vector<std::string> kept;
  for (const std::string& path : run.reportFiles)
    kept.push_back(std::filesystem::path(path).filename().string());
  EXPECT_EQ(kept, c.kept);
  std::vector<std::string> sorted = kept;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(OutNames(), sorted);
}

using options::FileLayout;
using options::ReportMode;

INSTANTIATE_TEST_SUITE_P(
    Modes, SinksTest,
    testing::Values(
        SinkCase{"GameOneFile", ReportMode::kGame, FileLayout::kOneFile, false, {"week1.GS"}},
        SinkCase{"GameSeparateWithTables",
                 ReportMode::kGame,
                 FileLayout::kSeparateFiles,
                 true,
                 {"week1.GS.Bea@Lio", "week1.GS.Ram@Jet", "players.csv", "teams.csv", "games.csv",
                  "scoring.csv"}},
        SinkCase{"PerPlayWithTables",
                 ReportMode::kPerPlay,
                 FileLayout::kOneFile,
                 true,
                 {"week1.SD", "plays.csv", "games.csv", "scoring.csv"}},
        SinkCase{"CumulativeWithTables",
                 ReportMode::kCumulative,
                 FileLayout::kOneFile,
                 true,
                 {"week1.CS", "players.csv", "teams.csv", "games.csv", "scoring.csv"}},
        SinkCase{"League", ReportMode::kLeague, FileLayout::kOneFile, false, {"week1.LL"}}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

TEST_F(DriverFixture, ARejectedTranscriptLeavesItsNameLineAndTheRunGoesOn) {
  AddGame("G1", test::SmallGame("Bears", "Lions"));
  AddGame("G2", "This is no first line\nWith the score...\n");
  AddGame("G3", test::SmallGame("Rams", "Jets"));
  auto run = Run();
  EXPECT_EQ(test::ReadFileBytes(dir.File("out/week1.GS")),
            "G1\n\n" + test::SmallGameReport("Bears", "Lions") + "\n\nG2\n\nG3\n\n" +
                test::SmallGameReport("Rams", "Jets") + "\n\n");
  EXPECT_EQ(run->gamesCompiled, 2);
  EXPECT_EQ(run->gamesRejected, 1);
  EXPECT_EQ(test::ReadFileBytes(dir.File("out/log")),
            "G2\nDon't understand first line of transcript\n\n");
}

TEST_F(DriverFixture, AGameOfATeamAgainstItselfIsRejectedNotFatal) {
  // The one team would be both home and visiting team: its game report
  // could not find the two teams.
  AddGame("G1", test::SmallGame("Bears", "bears"));
  AddGame("G2", test::SmallGame("Rams", "Jets"));
  auto run = Run();
  EXPECT_EQ(run->gamesCompiled, 1);
  EXPECT_EQ(run->gamesRejected, 1);
  EXPECT_EQ(test::ReadFileBytes(dir.File("out/log")),
            "G1\nDon't understand first line of transcript\n\n");
}

TEST_F(DriverFixture, LongTranscriptNamesAreCutTo63) {
  const std::string name(70, 'n');
  AddGame(name, "no first line here\n");
  AddGame("G2", test::SmallGame("Bears", "Lions"));  // a report, for the name to head
  auto run = Run();
  EXPECT_EQ(test::ReadFileBytes(dir.File("out/log")),
            std::string(63, 'n') + "\nDon't understand first line of transcript\n\n");
  EXPECT_EQ(test::ReadFileBytes(dir.File("out/week1.GS")).substr(0, 69),
            std::string(63, 'n') + "\n\nG2\n\n");
}

TEST_F(DriverFixture, AnEmptyTranscriptIsRejected) {
  AddGame("Empty", "");
  AddGame("G2", test::SmallGame("Bears", "Lions"));
  auto run = Run();
  EXPECT_EQ(run->gamesRejected, 1);
  EXPECT_EQ(run->gamesCompiled, 1);
}

// The second of three games is rejected: right after its first line, or
// after two plays have been read, when no header follows a line that is not
// understood.
class RejectedGameTest : public DriverFixture, public testing::WithParamInterface<bool> {};

TEST_P(RejectedGameTest, TeamsOfARejectedGameAreNotInTheNextGame) {
  std::string second = "Eagles (1-0) vs Giants (0-1)\n";
  if (GetParam()) {
    const std::string game = test::SmallGame("Eagles", "Giants");
    second = game.substr(0, game.find("The first quarter is over."));
  }
  AddGame("G1", test::SmallGame("Bears", "Lions"));
  AddGame("G2", second + "not a header\nnor this\nnor this\nnor this\n");
  AddGame("G3", test::SmallGame("Rams", "Jets"));
  ::mkdir(dir.File("out").c_str(), 0755);
  platform.saveAnswer = dir.File("out/log");
  CompileRun run(platform, options);
  CompileStats(run, transcripts, teams, run::MakePrefixReply(dir.File("out/week1")));
  EXPECT_EQ(run.gamesRejected, 1);
  // The third game's report names its own teams.
  EXPECT_EQ(test::ReadFileBytes(dir.File("out/week1.GS")),
            "G1\n\n" + test::SmallGameReport("Bears", "Lions") + "\n\nG2\n\nG3\n\n" +
                test::SmallGameReport("Rams", "Jets") + "\n\n");
}

INSTANTIATE_TEST_SUITE_P(AfterTheFirstLineOrAfterPlays, RejectedGameTest, testing::Bool());

TEST_F(DriverFixture, CumulativeModeWritesOneFileAfterAllTranscripts) {
  options.mode = options::ReportMode::kCumulative;
  AddThreeGames();
  AddGame("G4", test::SmallGame("Bears", "Rams"));
  std::ptrdiff_t teamsSeen = 0;
  CompileRun* current = nullptr;
  platform.onYield = [&] {
    if (current != nullptr) teamsSeen = std::ssize(current->league.teams);
  };
  ::mkdir(dir.File("out").c_str(), 0755);
  CompileRun run(platform, options);
  current = &run;
  CompileStats(run, transcripts, teams, run::MakePrefixReply(dir.File("out/season")));
  EXPECT_EQ(OutNames(), std::vector<std::string>{"season.CS"});
  // Nothing is released between games: the fourth game met two known teams.
  EXPECT_EQ(teamsSeen, 6);
  EXPECT_EQ(run.gamesCompiled, 4);
}

TEST_F(DriverFixture, TheRunReleasesTheLongestLists) {
  options.mode = options::ReportMode::kLeague;
  AddGame("G1", test::SmallGame("Bears", "Lions"));
  ::mkdir(dir.File("out").c_str(), 0755);
  CompileRun run(platform, options);
  league::PlayerRecord* player = league::AddPlayer(run.league, "Carter", 33);
  stats::EnterLongestRush(run.longest, options.leadersCount, player, 12);
  CompileStats(run, transcripts, teams, run::MakePrefixReply(dir.File("out/season")));
  EXPECT_EQ(run.longest.longestRushes, std::nullopt);
}

// A front end that asks for the results gets each compiled game in order,
// with its players' own figures in a game run, and a season run's league.
TEST_F(DriverFixture, TheResultsAreKeptForAFrontEndThatAsks) {
  struct Case {
    options::ReportMode mode;
    bool keep;
    std::size_t games;
    bool players;
  };
  for (const Case c : {Case{options::ReportMode::kGame, true, 2, true},
                       Case{options::ReportMode::kLeague, true, 2, false},
                       Case{options::ReportMode::kGame, false, 0, false}}) {
    SCOPED_TRACE(static_cast<int>(c.mode) * 10 + c.keep);
    test::TempDir folder;
    transcripts = {
        run::MakeInputFileRecord(folder.Write("G1.txt", test::SmallGame("Bears", "Lions"))),
        run::MakeInputFileRecord(folder.Write("G2.txt", "not a game\n")),
        run::MakeInputFileRecord(folder.Write("G3.txt", test::SmallGame("Rams", "Jets")))};
    options.mode = c.mode;
    platform.saveAnswer = folder.File("log");
    CompileRun run(platform, options);
    run.keepResults = c.keep;
    CompileStats(run, transcripts, teams, run::MakePrefixReply(folder.File("week1")));
    ASSERT_EQ(run.results.games.size(), c.games);
    // A season run keeps its league, and its leader tables point at it.
    const bool season = c.keep && c.mode == options::ReportMode::kLeague;
    EXPECT_EQ(run.results.teams.size(), season ? 4u : 0u);
    EXPECT_EQ(run.results.players.empty(), !season);
    EXPECT_EQ(run.leaders.empty(), !season);
    for (const reports::LeaderRanking& ranking : run.leaders)
      for (const reports::LeaderRow& row : ranking.rows)
        EXPECT_EQ(row.player, &run.results.players[row.player->index]);
    if (c.games == 0) continue;
    EXPECT_EQ(run.results.games[0].transcript, "G1");
    EXPECT_EQ(run.results.games[1].transcript, "G3");
    EXPECT_EQ(run.results.games[1].visiting, "Rams");
    EXPECT_EQ(run.results.games[1].home, "Jets");
    for (const GameResult& game : run.results.games) {
      EXPECT_EQ(game.players.empty(), !c.players);
      // (A player the game gave no team has none here either.)
      for (const league::PlayerRecord& player : game.players)
        EXPECT_TRUE(player.teamName.empty() || player.teamName == game.visiting ||
                    player.teamName == game.home)
            << player.name << " of " << player.teamName;
    }
  }
}

TEST_F(DriverFixture, GameModeStartsEveryGameFromAnEmptyModel) {
  AddThreeGames();
  std::vector<std::ptrdiff_t> teamCounts;
  CompileRun* current = nullptr;
  std::string lastGame;
  platform.onYield = [&] {
    if (current == nullptr || platform.progressName == lastGame) return;
    lastGame = platform.progressName;
    teamCounts.push_back(std::ssize(current->league.teams));
  };
  ::mkdir(dir.File("out").c_str(), 0755);
  CompileRun run(platform, options);
  current = &run;
  CompileStats(run, transcripts, teams, run::MakePrefixReply(dir.File("out/week1")));
  EXPECT_EQ(teamCounts, (std::vector<std::ptrdiff_t>{2, 2, 2}));
  EXPECT_EQ(std::ssize(run.league.players), 0);
  EXPECT_EQ(std::ssize(run.league.teams), 0);
}

TEST_F(DriverFixture, StopAfterTwoFinishedGamesDeletesTheRunsFiles) {
  options.gameLayout = options::FileLayout::kSeparateFiles;
  AddGame("G1", "bad first line\n");  // an entry in the error log
  AddGame("G2", test::SmallGame("Bears", "Lions"));
  AddGame("G3", test::SmallGame("Eagles", "Giants"));
  AddGame("G4", test::SmallGame("Rams", "Jets"));
  AddGame("G5", test::SmallGame("Colts", "Bills"));
  dir.Write("keep.txt", "user data");
  ::mkdir(dir.File("out").c_str(), 0755);
  dir.Write("out/week1.GS", "the user's own file");
  platform.saveAnswer = dir.File("out/log");
  CompileRun run(platform, options);
  // Force the log file into existence, then press Stop during G4.
  std::vector<std::string> beforeStop;
  platform.onYield = [&] {
    if (platform.progressName == "G2") run::WriteErrorBuffer(run.errorLog);
    if (platform.progressName == "G4" && !run.control.stopRequested) {
      beforeStop = OutNames();
      run.control.stopRequested = true;
    }
  };
  CompileStats(run, transcripts, teams, run::MakePrefixReply(dir.File("out/week1")));
  EXPECT_TRUE(run.control.stopRequested);
  // Before the stop: the finished games' files, and the log and the third
  // game's file still under their hidden names.
  ASSERT_EQ(beforeStop.size(), 5u);
  EXPECT_TRUE(beforeStop[0].starts_with(".log.yl-")) << beforeStop[0];
  EXPECT_TRUE(beforeStop[1].starts_with(".week1.GS.yl-")) << beforeStop[1];
  EXPECT_EQ(std::vector<std::string>(beforeStop.begin() + 2, beforeStop.end()),
            (std::vector<std::string>{"week1.GS", "week1.GS.Bea@Lio", "week1.GS.Eag@Gia"}));
  EXPECT_EQ(OutNames(), std::vector<std::string>{"week1.GS"});
  EXPECT_EQ(test::ReadFileBytes(dir.File("out/week1.GS")), "the user's own file");
  EXPECT_EQ(test::ReadFileBytes(dir.File("keep.txt")), "user data");
  EXPECT_TRUE(run.reportFiles.empty());
  EXPECT_EQ(platform.calls.back(), "EndProgress");
}

TEST_F(DriverFixture, ARunNumbersItsFilesAroundTheUsersFiles) {
  options.gameLayout = options::FileLayout::kSeparateFiles;
  AddGame("G1", test::SmallGame("Bears", "Lions"));
  AddGame("G2", test::SmallGame("Eagles", "Giants"));
  ::mkdir(dir.File("out").c_str(), 0755);
  dir.Write("out/week1.GS", "mine");
  dir.Write("out/week1.GS.Bea@Lio", "mine too");
  auto run = Run();
  EXPECT_EQ(OutNames(), (std::vector<std::string>{"week1.GS", "week1.GS.Bea@Lio",
                                                  "week1.GS.Bea@Lio.1", "week1.GS.Eag@Gia"}));
  EXPECT_EQ(test::ReadFileBytes(dir.File("out/week1.GS")), "mine");
  EXPECT_EQ(test::ReadFileBytes(dir.File("out/week1.GS.Bea@Lio")), "mine too");
  EXPECT_EQ(test::ReadFileBytes(dir.File("out/week1.GS.Bea@Lio.1")),
            "G1\n\n" + test::SmallGameReport("Bears", "Lions") + "\n\n");
  EXPECT_EQ(run->reportFiles, (std::vector<std::string>{dir.File("out/week1.GS.Bea@Lio.1"),
                                                        dir.File("out/week1.GS.Eag@Gia")}));
}

// The same file given twice (again by its name, or by a second link) is
// compiled once, and the log names each repetition.
TEST_F(DriverFixture, ATranscriptGivenTwiceIsCompiledOnce) {
  AddGame("G1", test::SmallGame("Bears", "Lions"));
  transcripts.push_back(transcripts[0]);
  ASSERT_EQ(::link(dir.File("G1.txt").c_str(), dir.File("Again.txt").c_str()), 0);
  transcripts.push_back(run::MakeInputFileRecord(dir.File("Again.txt")));
  auto run = Run();
  EXPECT_EQ(run->gamesCompiled, 1);
  EXPECT_EQ(run->gamesRejected, 0);
  EXPECT_EQ(test::ReadFileBytes(dir.File("out/log")),
            "G1\nSame transcript given twice; compiled once\n" + dir.File("G1.txt") +
                "\nAgain\nSame transcript given twice; compiled once\n" + dir.File("Again.txt") +
                "\n");
  EXPECT_EQ(test::ReadFileBytes(dir.File("out/week1.GS")),
            "G1\n\n" + test::SmallGameReport("Bears", "Lions") + "\n\n");
}

// In files of their own, a rejected game leaves no trace: its name does not
// head the next game's file, and rejected last games leave no file of names.
TEST_F(DriverFixture, SeparateFilesHoldOnlyTheirOwnGame) {
  options.gameLayout = options::FileLayout::kSeparateFiles;
  AddGame("G1", "no first line\n");
  AddGame("G2", test::SmallGame("Bears", "Lions"));
  AddGame("G3", "no first line either\n");
  AddGame("G4", test::SmallGame("Eagles", "Giants"));
  AddGame("G5", "nor here\n");
  AddGame("G6", "nor here\n");
  auto run = Run();
  EXPECT_EQ(OutNames(), (std::vector<std::string>{"log", "week1.GS.Bea@Lio", "week1.GS.Eag@Gia"}));
  EXPECT_EQ(test::ReadFileBytes(dir.File("out/week1.GS.Bea@Lio")),
            "G2\n\n" + test::SmallGameReport("Bears", "Lions") + "\n\n");
  EXPECT_EQ(test::ReadFileBytes(dir.File("out/week1.GS.Eag@Gia")),
            "G4\n\n" + test::SmallGameReport("Eagles", "Giants") + "\n\n");
}

// A team file of 2610 bytes whose entries 1 to 25 hold players named by one
// letter, numbered 1 to 25.
std::string LionsRoster() {
  std::string roster(2610, '\0');
  for (int i = 1; i <= 25; ++i) {
    const std::size_t at = static_cast<std::size_t>(i) * 58;
    roster[at + 4] = 1;
    roster[at + 5] = static_cast<char>('A' + i);
    roster[at + 41] = static_cast<char>(i);
  }
  return roster;
}

TEST_F(DriverFixture, TeamFilesAreLoadedBeforeTheFirstTranscript) {
  teams.push_back(run::MakeInputFileRecord(dir.Write("Lions.fbt", LionsRoster())));
  AddGame("G1", test::SmallGame("Bears", "Lions"));
  std::ptrdiff_t players = -1;
  std::ptrdiff_t teamsSeen = -1;
  CompileRun* current = nullptr;
  platform.onYield = [&] {
    if (current != nullptr && players < 0) {
      players = std::ssize(current->league.players);
      teamsSeen = std::ssize(current->league.teams);
    }
  };
  ::mkdir(dir.File("out").c_str(), 0755);
  CompileRun run(platform, options);
  current = &run;
  CompileStats(run, transcripts, teams, run::MakePrefixReply(dir.File("out/week1")));
  EXPECT_EQ(players, 30);
  EXPECT_EQ(teamsSeen, 2);  // Lions from the file is found again by the first line
}

// Between the games of a league run every player's team is opened again,
// those from team files too, so that the next game may give him another.
TEST_F(DriverFixture, LeagueModeReopensEveryPlayersTeamAfterEachGame) {
  options.mode = options::ReportMode::kLeague;
  teams.push_back(run::MakeInputFileRecord(dir.Write("Lions.fbt", LionsRoster())));
  AddGame("G1", test::SmallGame("Bears", "Lions"));
  AddGame("G2", test::SmallGame("Eagles", "Giants"));
  // Closed roster players at the first pause of each game.
  std::map<std::string, int> closed;
  CompileRun* current = nullptr;
  platform.onYield = [&] {
    if (current == nullptr || closed.count(platform.progressName) != 0) return;
    int count = 0;
    for (const league::PlayerRecord* p : test::NewestFirst(current->league.players))
      count += p->teamName == "Lions" && p->teamFixed;
    closed[platform.progressName] = count;
  };
  ::mkdir(dir.File("out").c_str(), 0755);
  CompileRun run(platform, options);
  current = &run;
  CompileStats(run, transcripts, teams, run::MakePrefixReply(dir.File("out/season")));
  EXPECT_EQ(closed, (std::map<std::string, int>{{"G1", 30}, {"G2", 0}}));
  EXPECT_EQ(OutNames(), std::vector<std::string>{"season.LL"});
}

}  // namespace
}  // namespace yl::compile
