// yardledger-cli as a user runs it: the interface, usage errors, the error
// log, stored options and the exit status of a fatal alert.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <cstdio>
#include <cstdlib>

#include "cli/cli_app.h"
#include "support/temp_dir.h"
#include "support/transcripts.h"

namespace yl::cli {
namespace {

struct CliResult {
  int status = -1;
  std::string out;
  std::string err;
};

std::string Quote(const std::string& s) {
  std::string q = "'";
  for (char c : s)
    q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

struct CliFixture : testing::Test {
  test::TempDir dir;

  CliResult Run(const std::vector<std::string>& args) {
    std::string command = "cd " + Quote(dir.path()) +
                          " && XDG_CONFIG_HOME=" + Quote(dir.File("config")) + " " +
                          Quote(YL_CLI_PATH);
    for (const std::string& a : args)
      command += " " + Quote(a);
    command += " 2>" + Quote(dir.File("stderr.txt"));
    CliResult result;
    FILE* pipe = ::popen(command.c_str(), "r");
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
      result.out.append(buffer, got);
    const int status = ::pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.err = test::ReadFileBytes(dir.File("stderr.txt"));
    return result;
  }
};

TEST_F(CliFixture, HelpShowsTheInterface) {
  const CliResult r = Run({"--help"});
  EXPECT_EQ(r.status, 0);
  for (const char* word :
       {"-o,--prefix", "-t,--team", "-m,--mode", "--separate-files", "--format", "--leaders",
        "--no-player-stats", "--no-team-stats", "--no-leaders", "--per-play", "--error-log",
        "--save-options", "-q,--quiet", "--version", "TRANSCRIPT"}) {
    EXPECT_NE(r.out.find(word), std::string::npos) << word;
  }
  const CliResult v = Run({"--version"});
  EXPECT_EQ(v.status, 0);
  EXPECT_EQ(v.out, "yardledger-cli 1.2.8\n");
}

struct UsageCase {
  std::vector<std::string> args;
  const char* named;  // what the message must name
};

class CliUsageTest : public CliFixture, public testing::WithParamInterface<UsageCase> {};

TEST_P(CliUsageTest, IsAUsageError) {
  dir.Write("game.txt", test::SmallGame("Bears", "Lions"));
  ::mkdir(dir.File("config").c_str(), 0755);  // a folder is no transcript
  const CliResult r = Run(GetParam().args);
  EXPECT_EQ(r.status, 2) << r.err;
  EXPECT_NE(r.err.find(GetParam().named), std::string::npos) << r.err;
  EXPECT_EQ(r.out, "");
  EXPECT_FALSE(test::FileExists(dir.File("Yardledger.GS")));
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CliUsageTest,
    testing::Values(UsageCase{{}, "TRANSCRIPT"}, UsageCase{{"missing.txt"}, "missing.txt"},
                    UsageCase{{"-t", "none.fbt", "game.txt"}, "none.fbt"},
                    UsageCase{{"-m", "weekly", "game.txt"}, "weekly"},
                    UsageCase{{"--format", "dos", "game.txt"}, "dos"},
                    UsageCase{{"--leaders", "40000", "game.txt"}, "40000"},
                    UsageCase{{"--leaders", "-2", "game.txt"}, "-2"},
                    UsageCase{{"-o", "nofolder/x", "game.txt"}, "nofolder"},
                    UsageCase{{"--per-play", "-m", "league", "game.txt"}, "--per-play"},
                    UsageCase{{"--bogus", "game.txt"}, "--bogus"},
                    UsageCase{{"config"}, "config"}));

TEST_F(CliFixture, AnUnreadableFirstLineIsLoggedAndTheRunGoesOn) {
  dir.Write("bad.txt", "nothing to see here\r\n");
  dir.Write("good.txt", test::SmallGame("Bears", "Lions", "\r\n"));
  const CliResult r = Run({"-q", "--format", "unix", "-o", "out.txt", "bad.txt", "good.txt"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "out.GS\n");
  EXPECT_EQ(test::ReadFileBytes(dir.File("ErrorLog")),
            "bad\nDon't understand first line of transcript\n\n");
  EXPECT_EQ(test::ReadFileBytes(dir.File("out.GS")),
            "bad\n\ngood\n\n" + test::SmallGameReport("Bears", "Lions") + "\n\n");
  EXPECT_NE(r.err.find("1 game compiled, 1 rejected, 1 line not understood"), std::string::npos)
      << r.err;
  EXPECT_NE(r.err.find("ErrorLog"), std::string::npos);
}

TEST_F(CliFixture, TheDefaultErrorLogNeverReplacesAFile) {
  dir.Write("bad.txt", "nothing\n");
  dir.Write("ErrorLog", "mine");
  ASSERT_EQ(Run({"-q", "bad.txt"}).status, 0);
  EXPECT_EQ(test::ReadFileBytes(dir.File("ErrorLog")), "mine");
  EXPECT_EQ(test::ReadFileBytes(dir.File("ErrorLog.1")),
            "bad\r\nDon't understand first line of transcript\r\n\r\n");
  EXPECT_EQ(Run({"-q", "-o", "x", "--error-log", "mylog", "bad.txt"}).status, 0);
  EXPECT_TRUE(test::FileExists(dir.File("mylog")));
}

TEST_F(CliFixture, StoredOptionsApplyUntilTheCommandLineSaysOtherwise) {
  dir.Write("bad.txt", "nothing\n");
  ASSERT_EQ(Run({"-q", "--format", "mac", "--save-options", "--error-log", "a", "bad.txt"}).status,
            0);
  EXPECT_NE(test::ReadFileBytes(dir.File("config/Corbelton/yardledger.conf")).find("Options="),
            std::string::npos);
  ASSERT_EQ(Run({"-q", "--error-log", "b", "bad.txt"}).status, 0);
  EXPECT_EQ(test::ReadFileBytes(dir.File("b")),
            "bad\rDon't understand first line of transcript\r\r");
  ASSERT_EQ(Run({"-q", "--format", "unix", "--error-log", "c", "bad.txt"}).status, 0);
  EXPECT_EQ(test::ReadFileBytes(dir.File("c")),
            "bad\nDon't understand first line of transcript\n\n");
}

TEST_F(CliFixture, ModesAndSeparateFiles) {
  dir.Write("g1.txt", test::SmallGame("Bears", "Lions"));
  dir.Write("g2.txt", test::SmallGame("Eagles", "Giants"));
  CliResult r = Run({"-q", "-o", "w", "--separate-files", "g1.txt", "g2.txt"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "w.GS.Bea@Lio\nw.GS.Eag@Gia\n");
  r = Run({"-q", "-o", "w", "-m", "league", "g1.txt", "g2.txt"});
  EXPECT_EQ(r.out, "w.LL\n");
  r = Run({"-q", "-o", "w", "-m", "cumulative", "g1.txt"});
  EXPECT_EQ(r.out, "w.CS\n");
  r = Run({"-q", "-o", "w", "-m", "game", "g1.txt"});
  EXPECT_EQ(r.out, "w.GS\n");
  EXPECT_NE(r.err.find("1 game compiled, 0 rejected, 0 lines not understood\n"), std::string::npos);
  r = Run({"-q", "-o", "w", "--per-play", "--separate-files", "g1.txt", "g2.txt"});
  EXPECT_EQ(r.out, "w.SD.Bea@Lio\nw.SD.Eag@Gia\n");
  // Each game's name, then the echo of its first play.
  const std::string start = "g2\r\n\r\n\r\nWith the score 0 to 0 in the 1st quarter";
  EXPECT_EQ(test::ReadFileBytes(dir.File("w.SD.Eag@Gia")).substr(0, start.size()), start);
  r = Run({"-q", "-o", "w", "--per-play", "g1.txt", "g2.txt"});
  EXPECT_EQ(r.out, "w.SD\n");
}

TEST_F(CliFixture, EachTeamOptionTakesOneFile) {
  dir.Write("g1.txt", test::SmallGame("Bears", "Lions"));
  dir.Write("g2.txt", test::SmallGame("Eagles", "Giants"));
  dir.Write("Lions.fbt", std::string(2610, '\0'));
  dir.Write("Bears.fbt", std::string(2610, '\0'));
  const CliResult r =
      Run({"-q", "-o", "w", "-t", "Lions.fbt", "--team", "Bears.fbt", "g1.txt", "g2.txt"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("2 games compiled"), std::string::npos) << r.err;
}

// At the end of a run, and in the middle of a league run (the second of
// three transcripts fills the error log's buffer): the alert on standard
// error, no file list and no summary, status 1.
TEST_F(CliFixture, AFatalAlertEndsWithStatusOne) {
  dir.Write("bad.txt", "nothing\n");
  std::string noisy = "Bears (1-0) vs Lions (0-1)\n";
  for (int i = 0; i < 40; ++i)
    noisy += "Whatever happened next, nobody could tell what it was about...\n";
  dir.Write("g1.txt", test::SmallGame("Bears", "Lions"));
  dir.Write("g2.txt", noisy);
  dir.Write("g3.txt", test::SmallGame("Rams", "Jets"));
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"-q", "--error-log", "/dev/full", "bad.txt"},
        std::vector<std::string>{"-q", "-m", "league", "--error-log", "/dev/full", "g1.txt",
                                 "g2.txt", "g3.txt"}}) {
    const CliResult r = Run(args);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "yardledger-cli: FSWrite error: WriteErrorBuffer  Couldn't write to file.\n");
  }
}

// The golden season through the command line: league mode with its team
// files, and cumulative mode with the team tables alone.
TEST_F(CliFixture, CompilesTheGoldenSeasonInLeagueAndCumulativeMode) {
  const std::string season = std::string(YL_SOURCE_DIR) + "/tests/golden/season/";
  std::vector<std::string> inputs;
  for (const char* team : {"Bears", "Owls", "Rams", "Thunderbirds"}) {
    inputs.push_back("-t");
    inputs.push_back(season + team + ".fbt");
  }
  for (const char* game :
       {"1-Owls-at-Bears", "2-Thunderbirds-at-Owls", "3-Rams-at-Thunderbirds", "4-Owls-at-Rams"})
    inputs.push_back(season + game + ".txt");
  const auto run = [&](std::vector<std::string> args) {
    args.insert(args.end(), inputs.begin(), inputs.end());
    return Run(args);
  };
  const std::string tables = test::ReadFileBytes(season + "expected-team-tables.txt");
  const std::string owls = test::ReadFileBytes(season + "expected-Owls-season.txt");

  CliResult r = run({"-q", "-o", "s", "--format", "unix", "-m", "league", "--no-leaders"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "s.LL\n");
  EXPECT_NE(r.err.find("4 games compiled, 0 rejected, 0 lines not understood\n"), std::string::npos)
      << r.err;
  const std::string league = test::ReadFileBytes(dir.File("s.LL"));
  const std::size_t owlsAt = league.find("Owls      1-1-1      .333\n");
  ASSERT_NE(owlsAt, std::string::npos);
  EXPECT_EQ(league.substr(owlsAt, owls.size()), owls);
  EXPECT_EQ(league.compare(owlsAt + owls.size(), 27, "Rams      2-0-0      1.000\n"), 0);
  ASSERT_GT(league.size(), tables.size());
  EXPECT_EQ(league.substr(league.size() - tables.size()), tables);

  r = run({"-q", "-o", "s", "--format", "unix", "-m", "cumulative", "--no-player-stats"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "s.CS\n");
  EXPECT_EQ(test::ReadFileBytes(dir.File("s.CS")), tables);
}

TEST(ApplyRequest, LaysTheCommandLineOverTheStoredOptions) {
  options::OutputOptions stored;
  stored.oneFile = 0;
  stored.separateFiles = 1;
  stored.fileFormat = options::kMacintosh;
  CliRequest request;
  options::OutputOptions o = ApplyRequest(request, stored);
  EXPECT_EQ(o.separateFiles, 1);  // nothing given: the stored layout stands
  EXPECT_EQ(o.fileFormat, options::kMacintosh);
  request.mode = "game";
  o = ApplyRequest(request, stored);
  EXPECT_EQ(o.oneFile, 1);
  EXPECT_EQ(o.separateFiles, 0);
  request.mode = "league";
  request.noTeamStats = true;
  request.noLeaders = true;
  request.leaders = -1;
  o = ApplyRequest(request, stored);
  EXPECT_EQ(o.gameStats + o.cumulativeStats * 2 + o.leagueStats * 4, 4);
  EXPECT_EQ(o.leagueTeamStats, 0);
  EXPECT_EQ(o.cumulativeTeamStats, 0);
  EXPECT_EQ(o.leagueLeaders, 0);
  EXPECT_EQ(o.leadersCount, -1);
  request = CliRequest();
  request.perPlay = true;
  request.separateFiles = true;
  o = ApplyRequest(request, stored);
  EXPECT_EQ(o.perPlayStats, 1);
  EXPECT_EQ(o.gameStats, 0);
  EXPECT_EQ(o.perPlaySeparateFiles, 1);
  EXPECT_EQ(o.perPlayOneFile, 0);
}

}  // namespace
}  // namespace yl::cli
