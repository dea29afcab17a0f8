// Transcripts read ahead on worker threads: a season compiled with four
// threads gives the bytes one thread gives, every time, error log included,
// and a stop or a failure in the middle of such a run leaves nothing of it.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <regex>

#include "compile/compile_driver.h"
#include "compile/compile_run.h"
#include "run/errors.h"
#include "run/file_layer.h"
#include "sim_support.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"

namespace yl::simtest {
namespace {

namespace fs = std::filesystem;

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The nth read of the run fails, whichever thread makes it.
class NthReadFails : public run::FileFaults {
 public:
  explicit NthReadFails(int n) : left_(n) {}
  std::error_code Before(run::FileOp op) override {
    if (op == run::FileOp::kRead && left_.fetch_sub(1) == 1)
      return std::make_error_code(std::errc::io_error);
    return {};
  }

 private:
  std::atomic<int> left_;
};

class ReadAheadTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    sim::SeasonOptions options;
    options.seed = 23;
    options.teams = 8;
    season_ = WriteSampleSeason(options).release();
    // Every third game has lines nobody can read, so that the error log has
    // entries of many games, made while later games are parsed.
    int n = 0;
    for (const auto& entry : fs::directory_iterator(season_->Path("games"))) {
      const std::string path = entry.path().string();
      if (n++ % 3 == 0) {
        const std::string text = test::ReadFileBytes(path);
        const std::string damaged =
            std::regex_replace(text, std::regex("took the hand-off"), "took the handoff");
        WriteBytes(path, damaged);
      }
      transcripts_.push_back(run::MakeInputFileRecord(path));
    }
    std::sort(transcripts_.begin(), transcripts_.end(),
              [](const auto& a, const auto& b) { return a.path < b.path; });
    for (const auto& entry : fs::directory_iterator(season_->Path("teams")))
      teams_.push_back(run::MakeInputFileRecord(entry.path().string()));
  }
  static void TearDownTestSuite() {
    delete season_;
    transcripts_.clear();
    teams_.clear();
  }

  ReadAheadTest() {
    options_.mode = options::ReportMode::kLeague;
    options_.lineEnds = options::LineEnds::kUnix;
    fs::create_directory(Out());
    WriteBytes(Out() + "/mine.txt", "the user's own file");
  }
  std::string Out() const { return dir_.File("out"); }

  std::unique_ptr<compile::CompileRun> MakeRun(int jobs, run::FileFaults* faults = nullptr) {
    auto run = std::make_unique<compile::CompileRun>(platform_, options_, faults);
    run->jobs = jobs;
    run->tablesFolder = Out();
    platform_.saveAnswer = Out() + "/log";
    return run;
  }
  void Compile(compile::CompileRun& run, const std::vector<run::TransRecord>& transcripts) {
    compile::CompileStats(run, transcripts, teams_, run::MakePrefixReply(Out() + "/season"));
  }
  // Every file in the folder with its bytes; the folder is emptied but for
  // the user's file.
  std::map<std::string, std::string> TakeOutputs() {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(Out())) {
      const std::string name = entry.path().filename().string();
      if (name == "mine.txt") continue;
      files[name] = test::ReadFileBytes(entry.path().string());
      fs::remove(entry.path());
    }
    return files;
  }
  std::vector<std::string> OutNames() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(Out()))
      names.push_back(entry.path().filename().string());
    return names;
  }

  static inline SampleSeason* season_ = nullptr;
  static inline std::vector<run::TransRecord> transcripts_;
  static inline std::vector<run::TeamFileRecord> teams_;
  test::TempDir dir_;
  test::FakePlatform platform_;
  options::OutputOptions options_;
};

TEST_F(ReadAheadTest, FourThreadsGiveTheBytesOfOneEveryTime) {
  const auto one = MakeRun(1);
  Compile(*one, transcripts_);
  const std::map<std::string, std::string> expected = TakeOutputs();
  ASSERT_GT(one->errorLog.entries, 3);
  ASSERT_TRUE(expected.count("log") && expected.count("season.LL") &&
              expected.count("players.csv"));
  for (int round = 0; round < 20; ++round) {
    const auto four = MakeRun(4);
    Compile(*four, transcripts_);
    ASSERT_EQ(TakeOutputs(), expected) << "round " << round;
    ASSERT_EQ(four->gamesCompiled, one->gamesCompiled);
  }
}

TEST_F(ReadAheadTest, AStopInTheMiddleLeavesNothing) {
  const auto run = MakeRun(4);
  platform_.onYield = [&] {
    if (platform_.yields == 200) run->control.stopRequested = true;
  };
  Compile(*run, transcripts_);
  EXPECT_TRUE(run->control.stopRequested);
  EXPECT_GT(run->gamesCompiled, 0);
  EXPECT_LT(run->gamesCompiled, static_cast<int>(transcripts_.size()));
  EXPECT_EQ(OutNames(), std::vector<std::string>{"mine.txt"});
}

struct Failure {
  const char* name;
  bool gone;        // a transcript in the middle is no longer there
  int failingRead;  // else: the run's nth read fails, on whichever thread
};

class ReadAheadFailureTest : public ReadAheadTest, public testing::WithParamInterface<Failure> {};

TEST_P(ReadAheadFailureTest, LeavesNothingOfTheRun) {
  std::vector<run::TransRecord> transcripts = transcripts_;
  const std::size_t middle = transcripts.size() / 2;
  if (GetParam().gone) transcripts[middle].path = dir_.File("gone.txt");
  NthReadFails faults(GetParam().failingRead);
  const auto run = MakeRun(4, GetParam().gone ? nullptr : &faults);
  try {
    Compile(*run, transcripts);
    FAIL() << "the run went on";
  } catch (const run::FatalAlert& alert) {
    if (GetParam().gone) {
      EXPECT_NE(std::string(alert.what()).find("gone.txt"), std::string::npos);
    }
    compile::AbandonRun(*run);
  }
  EXPECT_LT(run->gamesCompiled, static_cast<int>(transcripts.size()));
  EXPECT_EQ(OutNames(), std::vector<std::string>{"mine.txt"});
}

INSTANTIATE_TEST_SUITE_P(Failures, ReadAheadFailureTest,
                         testing::Values(Failure{"TranscriptGone", true, 0},
                                         Failure{"ReadFails", false, 20}),
                         [](const testing::TestParamInfo<Failure>& failure) {
                           return std::string(failure.param.name);
                         });

}  // namespace
}  // namespace yl::simtest
