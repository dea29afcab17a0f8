// yardledger-cli as a user runs it: the interface, usage errors, the error
// log, stored options and the exit status of a fatal alert.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <sstream>

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

// The help names every option with a plain value name, explains the report
// suffixes, gives examples, and fits a terminal of 80 columns.
TEST_F(CliFixture, HelpShowsTheInterface) {
  const CliResult r = Run({"--help"});
  EXPECT_EQ(r.status, 0);
  for (const char* word : {"-o,--prefix PREFIX",
                           "-t,--team FILE|DIR",
                           "-m,--mode MODE",
                           "--separate-files",
                           "--format FORMAT",
                           "--leaders N",
                           "--no-player-stats",
                           "--no-team-stats",
                           "--no-leaders",
                           "--per-play",
                           "--error-log PATH",
                           "--save-options",
                           "--show-options",
                           "-q,--quiet",
                           "--version",
                           "TRANSCRIPT|DIR...",
                           "  .GS ",
                           "  .CS ",
                           "  .LL ",
                           "  .SD ",
                           "Examples:"}) {
    EXPECT_NE(r.out.find(word), std::string::npos) << word;
  }
  for (const char* type : {"TEXT", "REQUIRED", ":FILE", "INT", "{game"})
    EXPECT_EQ(r.out.find(type), std::string::npos) << type;
  std::size_t start = 0;
  for (std::size_t end; (end = r.out.find('\n', start)) != std::string::npos; start = end + 1)
    EXPECT_LE(end - start, 80u) << r.out.substr(start, end - start);
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
  dir.Write("Lions.fbt", std::string(2610, '\0'));
  dir.Write("Bears.fbt", std::string(2610, '\0'));
  ::mkdir(dir.File("empty").c_str(), 0755);
  ::mkdir(dir.File("mine").c_str(), 0755);
  dir.Write("mine/notes.txt", "the user's");
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
                    UsageCase{{"empty"}, "no *.txt file in the folder empty"},
                    UsageCase{{"-t", "empty", "game.txt"}, "no *.fbt file in the folder empty"},
                    UsageCase{{"-o", "empty/", "game.txt"}, "empty/Name.GS"},
                    UsageCase{{"-o", "empty/.", "game.txt"}, "empty/Name.GS"},
                    UsageCase{{"-o", "", "game.txt"}, "is empty"},
                    UsageCase{{"--error-log", "empty", "game.txt"}, "names a folder"},
                    UsageCase{{"--error-log", "nofolder/log", "game.txt"}, "nofolder/"},
                    // A site is a season's, in a folder of its own.
                    UsageCase{{"--site", "web", "game.txt"}, "-m league"},
                    UsageCase{{"--per-play", "--site", "web", "game.txt"}, "-m league"},
                    UsageCase{{"-m", "league", "--site", "mine", "game.txt"}, "did not write"},
                    UsageCase{{"-m", "league", "--site", "game.txt", "game.txt"}, "not a folder"},
                    UsageCase{{"-m", "league", "--site", ".", "game.txt"}, "no folder of its own"},
                    UsageCase{{"-m", "league", "--site", "nofolder/web", "game.txt"}, "nofolder"},
                    UsageCase{{"-m", "league", "--csv", "empty", "--site", "empty", "game.txt"},
                              "the run's other files"},
                    // What a shell makes of -t teams/*.fbt.
                    UsageCase{{"-t", "Bears.fbt", "Lions.fbt", "game.txt"},
                              "Lions.fbt is a team file: team files go after -t (one per -t, or "
                              "their folder: -t DIR)"}));

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
  EXPECT_NE(r.err.find("1 game compiled, 1 rejected (bad), 1 line not understood"),
            std::string::npos)
      << r.err;
  EXPECT_NE(r.err.find("ErrorLog"), std::string::npos);
  // With no game left, the run fails and leaves its log, but no report.
  const CliResult none = Run({"-q", "--format", "unix", "-o", "none", "bad.txt"});
  EXPECT_EQ(none.status, 1) << none.err;
  EXPECT_EQ(none.out, "");
  EXPECT_NE(none.err.find("0 games compiled, 1 rejected (bad), 1 line not understood"),
            std::string::npos)
      << none.err;
  EXPECT_NE(none.err.find("yardledger-cli: no game compiled\n"), std::string::npos) << none.err;
  EXPECT_FALSE(test::FileExists(dir.File("none.GS")));
  EXPECT_TRUE(test::FileExists(dir.File("ErrorLog.1")));
}

TEST_F(CliFixture, TheErrorLogNeverReplacesAFile) {
  const std::string entry = "bad\r\nDon't understand first line of transcript\r\n\r\n";
  dir.Write("bad.txt", "nothing\n");
  dir.Write("ErrorLog", "mine");
  ASSERT_EQ(Run({"-q", "bad.txt"}).status, 1);
  EXPECT_EQ(test::ReadFileBytes(dir.File("ErrorLog")), "mine");
  EXPECT_EQ(test::ReadFileBytes(dir.File("ErrorLog.1")), entry);
  // A log named on the command line is numbered around a file as well, and
  // the summary names the file written.
  dir.Write("mylog", "mine too");
  const CliResult r = Run({"-q", "-o", "x", "--error-log", "mylog", "bad.txt"});
  EXPECT_EQ(r.status, 1);  // no game compiled
  EXPECT_EQ(test::ReadFileBytes(dir.File("mylog")), "mine too");
  EXPECT_EQ(test::ReadFileBytes(dir.File("mylog.1")), entry);
  EXPECT_NE(r.err.find("see mylog.1\n"), std::string::npos) << r.err;
  // A log in the place of an input file is a usage error: nothing is written.
  const std::vector<std::string> before = dir.Names();
  const CliResult input = Run({"-q", "-o", "y", "--error-log", "./bad.txt", "bad.txt"});
  EXPECT_EQ(input.status, 2);
  EXPECT_NE(input.err.find("--error-log: is an input file of the run: bad.txt"), std::string::npos)
      << input.err;
  EXPECT_EQ(dir.Names(), before);
  EXPECT_EQ(test::ReadFileBytes(dir.File("bad.txt")), "nothing\n");
}

// A transcript from a pipe (process substitution) tells no size: it is read
// to its end all the same.
TEST_F(CliFixture, ATranscriptFromAPipeIsReadToItsEnd) {
  dir.Write("g.txt", test::SmallGame("Bears", "Lions"));
  const std::string command = "cd " + Quote(dir.path()) +
                              " && XDG_CONFIG_HOME=" + Quote(dir.File("config")) + " " +
                              Quote(YL_CLI_PATH) + " -q --format unix -o R <(cat g.txt) 2>err.txt";
  ASSERT_EQ(std::system(("bash -c " + Quote(command)).c_str()), 0)
      << test::ReadFileBytes(dir.File("err.txt"));
  EXPECT_NE(test::ReadFileBytes(dir.File("R.GS")).find(test::SmallGameReport("Bears", "Lions")),
            std::string::npos);
  EXPECT_NE(test::ReadFileBytes(dir.File("err.txt")).find("1 game compiled, 0 rejected"),
            std::string::npos);
}

// A stream of the process as the error log is written where it stands: the
// log and then the summary in one redirected standard error.
TEST_F(CliFixture, TheErrorLogCanBeAStreamOfTheProcess) {
  dir.Write("g.txt", test::SmallGame("Bears", "Lions"));
  dir.Write("bad.txt", "nothing\n");
  // The machine may hold a /dev/stderr.1 from elsewhere: the run must neither
  // create nor touch it.
  const auto numbered = [] {
    struct stat s {};
    return ::stat("/dev/stderr.1", &s) == 0
               ? std::to_string(s.st_ino) + "/" + std::to_string(s.st_size) + "/" +
                     std::to_string(s.st_mtim.tv_sec) + "." + std::to_string(s.st_mtim.tv_nsec)
               : std::string("none");
  };
  const std::string before = numbered();
  const CliResult r =
      Run({"-q", "--format", "unix", "--error-log", "/dev/stderr", "g.txt", "bad.txt"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err.find("bad\nDon't understand first line of transcript\n\n"), 0u) << r.err;
  EXPECT_NE(r.err.find("1 game compiled, 1 rejected (bad)"), std::string::npos) << r.err;
  EXPECT_EQ(numbered(), before);
}

// The list of report files is the run's answer: losing it is a failure.
TEST_F(CliFixture, AStandardOutputThatCannotBeWrittenFails) {
  dir.Write("g.txt", test::SmallGame("Bears", "Lions"));
  const std::string command =
      "cd " + Quote(dir.path()) + " && XDG_CONFIG_HOME=" + Quote(dir.File("config")) + " " +
      Quote(YL_CLI_PATH) + " -q g.txt >/dev/full 2>" + Quote(dir.File("err.txt"));
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1);
  EXPECT_EQ(test::ReadFileBytes(dir.File("err.txt")),
            "yardledger-cli: could not write the list of report files: No space left on "
            "device\n");
}

// A long game, and one whose every play is a line the log takes.
std::string LongGame(bool badLines) {
  std::string game = "Bears (1-0) vs Lions (0-1)\n";
  for (int i = 0; i < 20000; ++i) {
    game +=
        "With the score 0 to 0 in the 1st quarter, 14:52 on the clock, and 1st-and-10 to go from "
        "their own 25 yard line...\n#33-Carter took the hand-off... #91-Brooks took him down.  \n";
    game += badLines ? "Gain of many yards on the play.\n"
                     : "Gain of 4 yards on the play.  The ball is on the 29 yard line.  \n";
  }
  return game + "The game is over.\n" + test::TeamBox("Bears", "Lions", "\n");
}

// Whether a hidden file of a run, named after `name`, holds bytes yet.
bool Writing(const test::TempDir& dir, const std::string& name) {
  for (const std::string& entry : dir.Names()) {
    struct stat info {};
    if (entry.starts_with("." + name + ".yl-") && ::stat(dir.File(entry).c_str(), &info) == 0 &&
        info.st_size > 0)
      return true;
  }
  return false;
}

struct SignalCase {
  const char* name;
  std::vector<const char*> args;
  const char* writing;       // the output whose first bytes show the run under way
  std::vector<int> signals;  // sent one after the other, at once
  int status;
  const char* said;           // in standard error
  long fileLimit = 0;         // RLIMIT_FSIZE in bytes, 0 for none
  bool fifoLog = false;       // the error log is a FIFO nobody reads
  bool closedOutput = false;  // standard output is a pipe nobody reads any more
  bool intIgnored = false;    // started with SIGINT ignored, as a background job is
};

const SignalCase kSignalCases[] = {
    {"Term", {"--per-play", "-o", "L", "long.txt"}, "L.SD", {SIGTERM}, 143, "stopped by SIGTERM"},
    {"Int", {"--per-play", "-o", "L", "long.txt"}, "L.SD", {SIGINT}, 130, "stopped by SIGINT"},
    {"Hup", {"--per-play", "-o", "L", "long.txt"}, "L.SD", {SIGHUP}, 129, "stopped by SIGHUP"},
    {"TermTwice",
     {"--per-play", "-o", "L", "long.txt"},
     "L.SD",
     {SIGTERM, SIGTERM},
     143,
     "stopped by SIGTERM"},
    {"IntOnABlockedLog",
     {"-m", "league", "-o", "L", "--error-log", "fifo", "bad.txt"},
     nullptr,
     {SIGINT},
     130,
     "stopped by SIGINT",
     0,
     true},
    {"FileTooLarge",
     {"--per-play", "-o", "L", "long.txt"},
     nullptr,
     {},
     1,
     "File too large",
     200 * 1024},
    // A background job's ignored SIGINT stays ignored: the run completes.
    {"IgnoredInt",
     {"--per-play", "-o", "L", "long.txt"},
     "L.SD",
     {SIGINT},
     0,
     "",
     0,
     false,
     false,
     true},
    // The run is done; only its list is lost, and that is said.
    {"ClosedPipe",
     {"-o", "L", "long.txt"},
     nullptr,
     {},
     1,
     "list of report files: Broken pipe",
     0,
     false,
     true},
};

class SignalTest : public CliFixture, public testing::WithParamInterface<SignalCase> {};

// Stop signals in the middle of a run stop it as Stop does, also while it is
// blocked on a FIFO, and an over-large file is an ordinary failure: the
// status tells which, and nothing of the run is left.
TEST_P(SignalTest, TheRunEndsAsPromisedAndLeavesNothing) {
  const SignalCase& c = GetParam();
  dir.Write("long.txt", LongGame(false));
  dir.Write("bad.txt", LongGame(true));
  dir.Write("keep.txt", "mine");
  if (c.fifoLog) {
    ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0600), 0);
  }
  const std::vector<std::string> before = dir.Names();
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::chdir(dir.path().c_str()) != 0) ::_exit(126);
    ::setenv("XDG_CONFIG_HOME", dir.File("config").c_str(), 1);
    if (c.intIgnored) ::signal(SIGINT, SIG_IGN);
    if (c.fileLimit > 0) {
      const rlimit limit{static_cast<rlim_t>(c.fileLimit), static_cast<rlim_t>(c.fileLimit)};
      ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ::freopen("/dev/null", "w", stdout);
    if (c.closedOutput) {
      int ends[2];
      if (::pipe(ends) != 0 || ::dup2(ends[1], STDOUT_FILENO) < 0) ::_exit(126);
      ::close(ends[0]);
    }
    ::freopen("err.txt", "w", stderr);
    std::vector<const char*> argv = {"yardledger-cli", "-q"};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    argv.push_back(nullptr);
    ::execv(YL_CLI_PATH, const_cast<char* const*>(argv.data()));
    ::_exit(127);
  }
  if (c.writing != nullptr) {
    for (int wait = 0; wait < 2000 && !Writing(dir, c.writing); ++wait)
      ::usleep(10000);
    ASSERT_TRUE(Writing(dir, c.writing));
  } else if (c.fifoLog) {
    ::usleep(500000);  // time to fill the FIFO and block
  }
  for (const int signal : c.signals)
    ::kill(child, signal);
  int result = 0;
  ASSERT_EQ(::waitpid(child, &result, 0), child);
  ASSERT_TRUE(WIFEXITED(result)) << "ended by signal " << WTERMSIG(result);
  EXPECT_EQ(WEXITSTATUS(result), c.status);
  const std::string err = test::ReadFileBytes(dir.File("err.txt"));
  EXPECT_NE(err.find(c.said), std::string::npos) << err;
  std::vector<std::string> after = dir.Names();
  std::erase(after, "err.txt");
  if (c.closedOutput) std::erase(after, "L.GS");
  if (c.intIgnored) std::erase(after, "L.SD");
  EXPECT_EQ(after, before);
}

INSTANTIATE_TEST_SUITE_P(Signals, SignalTest, testing::ValuesIn(kSignalCases),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

// Twelve runs started at once into one prefix: each creates a file of its
// own, and each file holds one whole report.
TEST_F(CliFixture, RunsAtOnceNeverShareAFile) {
  dir.Write("g.txt", test::SmallGame("Bears", "Lions"));
  std::string command = "cd " + Quote(dir.path()) + " && for i in 1 2 3 4 5 6 7 8 9 10 11 12; do " +
                        "XDG_CONFIG_HOME=" + Quote(dir.File("config")) + " " + Quote(YL_CLI_PATH) +
                        " -q -m game --format unix -o R g.txt >out.$i 2>&1 & done; wait";
  ASSERT_EQ(std::system(command.c_str()), 0);
  std::set<std::string> files;
  for (int i = 1; i <= 12; ++i) {
    std::string out = test::ReadFileBytes(dir.File("out." + std::to_string(i)));
    ASSERT_FALSE(out.empty());
    files.insert(out.substr(0, out.find('\n')));
  }
  EXPECT_EQ(files.size(), 12u);
  for (const std::string& file : files)
    EXPECT_EQ(test::ReadFileBytes(dir.File(file)),
              "g\n\n" + test::SmallGameReport("Bears", "Lions") + "\n\n")
        << file;
}

// A run not asked to store options leaves the settings file as it is, even
// with a value it cannot use; one that is asked rewrites it in its mode.
TEST_F(CliFixture, OnlyASavingRunWritesTheSettingsFileAndKeepsItsMode) {
  dir.Write("bad.txt", "nothing\n");
  ::mkdir(dir.File("config").c_str(), 0755);
  ::mkdir(dir.File("config/Corbelton").c_str(), 0755);
  const std::string settings = "[Other]\nkey=1\n[Settings]\nOptions=00zz\n";
  const std::string path = dir.Write("config/Corbelton/yardledger.conf", settings);
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  ASSERT_EQ(Run({"-q", "--error-log", "a", "bad.txt"}).status, 1);
  EXPECT_EQ(test::ReadFileBytes(path), settings);
  ASSERT_EQ(Run({"-q", "--error-log", "b", "--save-options", "bad.txt"}).status, 1);
  const std::string saved = test::ReadFileBytes(path);
  EXPECT_NE(saved.find("[Other]\nkey=1\n"), std::string::npos) << saved;
  EXPECT_EQ(saved.find("00zz"), std::string::npos) << saved;
  struct stat info;
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
}

struct SettingsCase {
  const char* name;
  void (*make)(const test::TempDir& dir, const std::string& path);  // the settings file
  int saveStatus;
  const char* said;  // in standard error of the saving run
};

const std::string kSettings = "[Other]\nkey=1\n[Settings]\nOptions=00zz\n";

const SettingsCase kSettingsCases[] = {
    // A file that cannot be read (a folder in its place, which no user can
    // read): refused, and a plain run says so instead of "nothing stored".
    {"Unreadable",
     [](const test::TempDir&, const std::string& path) { ::mkdir(path.c_str(), 0755); }, 1,
     "cannot be read"},
    {"ReadOnly",
     [](const test::TempDir& dir, const std::string& path) {
       dir.Write("config/Corbelton/yardledger.conf", kSettings);
       ::chmod(path.c_str(), 0444);
     },
     1, "is read-only"},
    {"HardLink",
     [](const test::TempDir& dir, const std::string& path) {
       dir.Write("config/Corbelton/yardledger.conf", kSettings);
       ::link(path.c_str(), dir.File("second.conf").c_str());
     },
     1, "has other hard links"},
    // Through a symbolic link the target is written, and the link stays.
    {"Symlink",
     [](const test::TempDir& dir, const std::string& path) {
       dir.Write("target.conf", kSettings);
       ::symlink(dir.File("target.conf").c_str(), path.c_str());
     },
     0, ""},
};

class SettingsFileTest : public CliFixture, public testing::WithParamInterface<SettingsCase> {};

TEST_P(SettingsFileTest, ASavingRunNeverLosesOrBreaksTheFile) {
  const SettingsCase& c = GetParam();
  dir.Write("g.txt", test::SmallGame("Bears", "Lions"));
  ::mkdir(dir.File("config").c_str(), 0755);
  ::mkdir(dir.File("config/Corbelton").c_str(), 0755);
  const std::string path = dir.File("config/Corbelton/yardledger.conf");
  c.make(dir, path);
  const CliResult plain = Run({"-q", "-o", "a", "g.txt"});
  EXPECT_EQ(plain.status, 0) << plain.err;
  const CliResult saving = Run({"-q", "-o", "b", "--save-options", "g.txt"});
  EXPECT_EQ(saving.status, c.saveStatus) << saving.err;
  EXPECT_NE(saving.err.find(c.said), std::string::npos) << saving.err;
  const std::string name = c.name;
  if (name == "Unreadable") {
    EXPECT_NE(plain.err.find("the settings file cannot be read"), std::string::npos) << plain.err;
  } else if (name == "Symlink") {
    struct stat info;
    ASSERT_EQ(::lstat(path.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    const std::string saved = test::ReadFileBytes(dir.File("target.conf"));
    EXPECT_NE(saved.find("[Other]\nkey=1\n"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("00zz"), std::string::npos) << saved;
  } else {
    EXPECT_EQ(test::ReadFileBytes(path), kSettings);
  }
}

INSTANTIATE_TEST_SUITE_P(Settings, SettingsFileTest, testing::ValuesIn(kSettingsCases),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

TEST_F(CliFixture, StoredOptionsApplyUntilTheCommandLineSaysOtherwise) {
  dir.Write("bad.txt", "nothing\n");
  ASSERT_EQ(Run({"-q", "--format", "mac", "--save-options", "--error-log", "a", "bad.txt"}).status,
            1);
  EXPECT_NE(test::ReadFileBytes(dir.File("config/Corbelton/yardledger.conf")).find("Options="),
            std::string::npos);
  ASSERT_EQ(Run({"-q", "--error-log", "b", "bad.txt"}).status, 1);
  EXPECT_EQ(test::ReadFileBytes(dir.File("b")),
            "bad\rDon't understand first line of transcript\r\r");
  ASSERT_EQ(Run({"-q", "--format", "unix", "--error-log", "c", "bad.txt"}).status, 1);
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

// Folders stand for their files: transcripts in name order (numbers as
// numbers), team files read as if named one by one.
TEST_F(CliFixture, FoldersStandForTheirFiles) {
  ::mkdir(dir.File("games").c_str(), 0755);
  ::mkdir(dir.File("teams").c_str(), 0755);
  dir.Write("games/Week 10.txt", test::SmallGame("Eagles", "Giants"));
  dir.Write("games/Week 2.txt", test::SmallGame("Bears", "Lions"));
  dir.Write("teams/Lions.fbt", std::string(2610, '\0'));
  ::mkdir(dir.File("loose").c_str(), 0755);
  dir.Write("loose/Week 2.txt", test::SmallGame("Bears", "Lions"));
  dir.Write("loose/Week 10.txt", test::SmallGame("Eagles", "Giants"));
  const CliResult folders =
      Run({"-q", "-m", "game", "-o", "f", "-t", "teams", "--separate-files", "games"});
  EXPECT_EQ(folders.status, 0) << folders.err;
  EXPECT_EQ(folders.out, "f.GS.Bea@Lio\nf.GS.Eag@Gia\n");
  const CliResult files = Run({"-q", "-m", "game", "-o", "n", "-t", "teams/Lions.fbt",
                               "--separate-files", "loose/Week 2.txt", "loose/Week 10.txt"});
  EXPECT_EQ(files.out, "n.GS.Bea@Lio\nn.GS.Eag@Gia\n");
  EXPECT_EQ(test::ReadFileBytes(dir.File("f.GS.Bea@Lio")),
            test::ReadFileBytes(dir.File("n.GS.Bea@Lio")));
  EXPECT_EQ(test::ReadFileBytes(dir.File("f.GS.Eag@Gia")),
            test::ReadFileBytes(dir.File("n.GS.Eag@Gia")));
}

// --csv: the tables beside the reports, under the report files' rules.
TEST_F(CliFixture, CsvTablesAreNewFilesListedWithTheReports) {
  ::mkdir(dir.File("csv").c_str(), 0755);
  dir.Write("csv/players.csv", "the user's own table");
  // Games with plays: every player of them has a row.
  const std::string season = std::string(YL_SOURCE_DIR) + "/tests/golden/season/";
  dir.Write("Week 1.txt", test::ReadFileBytes(season + "1-Owls-at-Bears.txt"));
  dir.Write("Week 2.txt", test::ReadFileBytes(season + "3-Rams-at-Thunderbirds.txt"));
  const CliResult game =
      Run({"-q", "-m", "game", "-o", "g", "--csv", "csv", "Week 1.txt", "Week 2.txt"});
  EXPECT_EQ(game.status, 0) << game.err;
  EXPECT_EQ(game.out, "g.GS\ncsv/players-1.csv\ncsv/teams.csv\ncsv/games.csv\ncsv/scoring.csv\n");
  EXPECT_EQ(test::ReadFileBytes(dir.File("csv/players.csv")), "the user's own table");
  // In game mode each game gives the rows of its own two teams.
  const std::string table = test::ReadFileBytes(dir.File("csv/players-1.csv"));
  EXPECT_EQ(table.rfind("game,team,number,name,", 0), 0u);
  std::map<std::string, std::set<std::string>> teamsByGame;
  std::istringstream lines(table.substr(table.find("\r\n") + 2));
  for (std::string line; std::getline(lines, line);) {
    const auto comma = line.find(',');
    teamsByGame[line.substr(0, comma)].insert(
        line.substr(comma + 1, line.find(',', comma + 1) - comma - 1));
  }
  EXPECT_EQ(teamsByGame, (std::map<std::string, std::set<std::string>>{
                             {"Week 1", {"Bears", "Owls"}}, {"Week 2", {"Rams", "Thunderbirds"}}}))
      << table;

  const CliResult league = Run({"-q", "-m", "league", "-o", "l", "--csv", "csv", "Week 1.txt"});
  EXPECT_EQ(league.out,
            "l.LL\ncsv/players-2.csv\ncsv/teams-1.csv\ncsv/games-1.csv\ncsv/scoring-1.csv\n");
  // The scoring summary is kept for the table in league mode too.
  EXPECT_EQ(test::ReadFileBytes(dir.File("csv/scoring.csv")).substr(0, 300),
            test::ReadFileBytes(dir.File("csv/scoring-1.csv")).substr(0, 300));
  EXPECT_NE(test::ReadFileBytes(dir.File("csv/scoring-1.csv")).find("\r\nWeek 1,1,"),
            std::string::npos);
  // One row a game, whatever the mode: the score of its box.
  const std::string games = test::ReadFileBytes(dir.File("csv/games.csv"));
  EXPECT_EQ(std::count(games.begin(), games.end(), '\n'), 3) << games;
  EXPECT_NE(games.find("\r\nWeek 1,Owls,Bears,"), std::string::npos) << games;
  EXPECT_EQ(Run({"--csv", "missing", "Week 1.txt"}).status, 2);
  // A per-play run writes its plays instead of its players and teams.
  const CliResult perPlay = Run({"-q", "--per-play", "-o", "p", "--csv", "csv", "Week 1.txt"});
  EXPECT_EQ(perPlay.status, 0) << perPlay.err;
  EXPECT_EQ(perPlay.out, "p.SD\ncsv/plays.csv\ncsv/games-2.csv\ncsv/scoring-2.csv\n");
  const std::string plays = test::ReadFileBytes(dir.File("csv/plays.csv"));
  EXPECT_EQ(plays.rfind("game,quarter,clock,down,distance,ball_on,kind,result,yards,", 0), 0u);
  EXPECT_NE(plays.find("\r\nWeek 1,1,15:00,"), std::string::npos) << plays.substr(0, 600);
}

// --show-options: the options in words, with the command line's changes,
// and nothing run or written.
TEST_F(CliFixture, ShowOptionsDescribesTheOptionsAndRunsNothing) {
  const std::string conf = dir.File("config/Corbelton/yardledger.conf");
  const CliResult defaults = Run({"--show-options"});
  EXPECT_EQ(defaults.status, 0);
  EXPECT_EQ(defaults.out,
            "Default options (nothing stored in " + conf +
                "):\n"
                "  mode            game\n"
                "  report files    ./Yardledger.GS\n"
                "  game mode       one file\n"
                "  per-play mode   one file per game\n"
                "  cumulative      player tables, team tables\n"
                "  league          team season reports, team tables, leader tables of 20 players\n"
                "  line endings    windows (CR LF)\n");
  ASSERT_EQ(Run({"--save-options", "-m", "league", "--no-team-stats", "--leaders", "-1", "--format",
                 "unix", "--show-options"})
                .status,
            0);
  const CliResult stored = Run({"--show-options", "-o", "Season.txt"});
  EXPECT_NE(stored.out.find("Stored options (" + conf +
                            "):\n  mode            league\n"
                            "  report files    Season.LL\n"),
            std::string::npos)
      << stored.out;
  EXPECT_NE(stored.out.find("  league          leader tables of every player\n"
                            "  line endings    unix (LF)\n"),
            std::string::npos)
      << stored.out;
  dir.Write("game.txt", test::SmallGame("Bears", "Lions"));
  const CliResult changed = Run({"--show-options", "--per-play", "--separate-files", "game.txt"});
  EXPECT_NE(changed.out.find("with the command line's changes:\n  mode            per-play\n"
                             "  report files    ./Yardledger.SD.Vis@Hom, one per game"),
            std::string::npos)
      << changed.out;
  EXPECT_FALSE(test::FileExists(dir.File("Yardledger.SD")));
  EXPECT_NE(Run({"--show-options"}).out.find("mode            league"), std::string::npos);
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
    EXPECT_EQ(r.err,
              "yardledger-cli: FSWrite error: WriteErrorBuffer  Couldn't write to file.  "
              "/dev/full: No space left on device\n");
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
  stored.gameLayout = options::FileLayout::kSeparateFiles;
  stored.lineEnds = options::LineEnds::kMacintosh;
  CliRequest request;
  options::OutputOptions o = ApplyRequest(request, stored);
  EXPECT_EQ(o, stored);  // nothing given: the stored options stand
  request.mode = "game";
  o = ApplyRequest(request, stored);
  EXPECT_EQ(o.gameLayout, options::FileLayout::kOneFile);
  request.mode = "league";
  request.noTeamStats = true;
  request.noLeaders = true;
  request.leaders = -1;
  o = ApplyRequest(request, stored);
  EXPECT_EQ(o.mode, options::ReportMode::kLeague);
  EXPECT_FALSE(o.leagueTeamTables);
  EXPECT_FALSE(o.cumulativeTeamTables);
  EXPECT_FALSE(o.leagueLeaders);
  EXPECT_EQ(o.leadersCount, options::kEveryPlayer);
  EXPECT_EQ(o.lineEnds, options::LineEnds::kMacintosh);
  request = CliRequest();
  request.perPlay = true;
  request.separateFiles = true;
  o = ApplyRequest(request, stored);
  EXPECT_EQ(o.mode, options::ReportMode::kPerPlay);
  EXPECT_EQ(o.perPlayLayout, options::FileLayout::kSeparateFiles);
  EXPECT_EQ(o.gameLayout, stored.gameLayout);
}

}  // namespace
}  // namespace yl::cli
