// Every file operation failing at its first, second and third call, in every
// mode: the fatal alert names the operation, the file and the system's
// reason, and once the front end has abandoned the run nothing of it is left
// in the report folder, whose other files keep their bytes.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "compile/compile_driver.h"
#include "compile/compile_run.h"
#include "run/file_layer.h"
#include "support/allocation_failure.h"
#include "support/fake_platform.h"
#include "support/fatal_alert.h"
#include "support/temp_dir.h"
#include "support/transcripts.h"

namespace yl::compile {
namespace {

struct OpCase {
  run::FileOp op;
  int error;
  const char* name;  // in the alert's first text
};

const OpCase kOps[] = {
    {run::FileOp::kCreate, EACCES, "FSpCreate"}, {run::FileOp::kOpen, EIO, "FSpOpenDF"},
    {run::FileOp::kRead, EIO, "FSRead"},         {run::FileOp::kWrite, ENOSPC, "FSWrite"},
    {run::FileOp::kSync, EIO, "FSWrite"},        {run::FileOp::kClose, EIO, "FSClose"},
    {run::FileOp::kRename, EACCES, "FSpRename"}, {run::FileOp::kDelete, EBUSY, "FSpDelete"},
};

struct ModeCase {
  const char* name;
  void (*set)(options::OutputOptions&);
  bool tables = false;  // CSV tables written into the report folder too
  bool site = false;    // a web site written over the one in out/site
};

const ModeCase kModes[] = {
    {"GameOneFile", [](options::OutputOptions&) {}},
    {"GameSeparateFiles",
     [](options::OutputOptions& o) { o.gameLayout = options::FileLayout::kSeparateFiles; }},
    {"Cumulative", [](options::OutputOptions& o) { o.mode = options::ReportMode::kCumulative; }},
    {"League", [](options::OutputOptions& o) { o.mode = options::ReportMode::kLeague; }},
    {"PerPlay",
     [](options::OutputOptions& o) {
       o.mode = options::ReportMode::kPerPlay;
       o.perPlayLayout = options::FileLayout::kOneFile;
     }},
    {"GameWithTables", [](options::OutputOptions&) {}, true},
    {"LeagueWithTables", [](options::OutputOptions& o) { o.mode = options::ReportMode::kLeague; },
     true},
    {"PerPlayWithTables", [](options::OutputOptions& o) { o.mode = options::ReportMode::kPerPlay; },
     true},
    {"LeagueWithSite", [](options::OutputOptions& o) { o.mode = options::ReportMode::kLeague; },
     false, true},
    {"CumulativeWithSite",
     [](options::OutputOptions& o) { o.mode = options::ReportMode::kCumulative; }, true, true},
};

// The files of a folder and of the folders in it, with their bytes.
std::map<std::string, std::string> Contents(const test::TempDir& dir, const std::string& folder) {
  std::map<std::string, std::string> files;
  const std::filesystem::path top = dir.File(folder);
  for (const auto& entry : std::filesystem::recursive_directory_iterator(top)) {
    const std::string name = entry.path().lexically_relative(top).string();
    files[name] = entry.is_directory() ? "(folder)" : test::ReadFileBytes(entry.path().string());
  }
  return files;
}

std::size_t TopLevelCount(const test::TempDir& dir, const std::string& folder) {
  std::size_t count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.File(folder)))
    ++count;
  return count;
}

// The nth call of one operation fails as the system's call would.
class NthCallFails : public run::FileFaults {
 public:
  NthCallFails(run::FileOp op, int nth, int error) : op_(op), nth_(nth), error_(error) {}
  std::error_code Before(run::FileOp op) override {
    if (op != op_ || ++calls_ != nth_) return {};
    return {error_, std::generic_category()};
  }
  bool Fired() const { return calls_ >= nth_; }

 private:
  run::FileOp op_;
  int nth_;
  int error_;
  int calls_ = 0;
};

class FaultTest : public testing::TestWithParam<ModeCase> {};

TEST_P(FaultTest, EveryOperationFailingLeavesNothingOfTheRun) {
  for (const OpCase& op : kOps) {
    for (int nth = 1; nth <= 3; ++nth) {
      SCOPED_TRACE(std::string(op.name) + " call " + std::to_string(nth));
      test::TempDir dir;
      ::mkdir(dir.File("in").c_str(), 0755);
      ::mkdir(dir.File("out").c_str(), 0755);
      const std::vector<run::TransRecord> games = {
          run::MakeInputFileRecord(dir.Write("in/G1.txt", test::SmallGame("Bears", "Lions"))),
          run::MakeInputFileRecord(dir.Write("in/G2.txt", "no first line\n")),
          run::MakeInputFileRecord(dir.Write("in/G3.txt", test::SmallGame("Rams", "Jets")))};
      const std::vector<run::TeamFileRecord> teams = {
          run::MakeInputFileRecord(dir.Write("in/Lions.fbt", std::string(2610, '\0')))};
      for (const char* mine : {"out/R.GS", "out/R.CS", "out/R.LL", "out/R.SD", "out/ErrorLog"})
        dir.Write(mine, std::string("the user's ") + mine);
      // The site an earlier run wrote: it stays whole unless a new one replaces it.
      ::mkdir(dir.File("out/site").c_str(), 0755);
      dir.Write("out/site/.yardledger-site", "marker");
      dir.Write("out/site/index.html", "last week's site");
      const auto before = Contents(dir, "out");
      const std::size_t topLevel = TopLevelCount(dir, "out");
      const auto inputs = Contents(dir, "in");

      test::FakePlatform platform;
      platform.saveAnswer = dir.File("out/ErrorLog");
      options::OutputOptions options;
      options.lineEnds = options::LineEnds::kUnix;
      GetParam().set(options);
      NthCallFails fault(op.op, nth, op.error);
      CompileRun run(platform, options, &fault);
      if (GetParam().tables) run.tablesFolder = dir.File("out");
      if (GetParam().site) run.siteFolder = dir.File("out/site");
      // Deletions happen only when a run is stopped.
      if (op.op == run::FileOp::kDelete) {
        platform.onYield = [&] {
          if (platform.progressName == "G3") run.control.stopRequested = true;
        };
      }
      const auto message = test::FatalMessage(
          [&] { CompileStats(run, games, teams, run::MakePrefixReply(dir.File("out/R"))); });

      if (fault.Fired()) {
        ASSERT_TRUE(message.has_value());
        EXPECT_NE(message->find(op.name), std::string::npos) << *message;
        const std::string reason = std::string(": ") + std::strerror(op.error);
        EXPECT_TRUE(message->ends_with(reason)) << *message;
        EXPECT_NE(message->find(dir.path()), std::string::npos) << *message;
        AbandonRun(run);
        EXPECT_EQ(Contents(dir, "out"), before);
      } else {
        EXPECT_FALSE(message.has_value()) << *message;
        // The reports and the log of G2's entry; a stopped run deletes its
        // reports but still writes the entries it holds.
        // A new site takes the old one's place.
        const std::size_t made =
            run.control.stopRequested ? 1 : run.reportFiles.size() + 1 - (GetParam().site ? 1 : 0);
        EXPECT_EQ(TopLevelCount(dir, "out"), topLevel + made);
        const std::string site = test::ReadFileBytes(dir.File("out/site/index.html"));
        EXPECT_EQ(site == "last week's site", !GetParam().site || run.control.stopRequested);
        for (const auto& [name, bytes] : Contents(dir, "out"))
          EXPECT_EQ(name.find(".yl-"), std::string::npos) << name;
      }
      EXPECT_EQ(Contents(dir, "in"), inputs);
    }
  }
}

// Memory running out at any moment of a run: one fatal alert that says the
// run is out of memory (never another exception, never an abort), and once
// the front end has abandoned the run nothing of it is left.
TEST_P(FaultTest, MemoryRunningOutAnywhereLeavesNothing) {
  // Every 7th allocation of the run, until one gets through whole.
  for (long passing = 0;; passing += 7) {
    SCOPED_TRACE("after " + std::to_string(passing) + " allocations");
    test::TempDir dir;
    ::mkdir(dir.File("out").c_str(), 0755);
    const std::vector<run::TransRecord> games = {
        run::MakeInputFileRecord(dir.Write("G1.txt", test::SmallGame("Bears", "Lions"))),
        run::MakeInputFileRecord(dir.Write("G2.txt", "no first line\n")),
        run::MakeInputFileRecord(dir.Write("G3.txt", test::SmallGame("Rams", "Jets")))};
    test::FakePlatform platform;
    platform.saveAnswer = dir.File("out/ErrorLog");
    options::OutputOptions options;
    GetParam().set(options);
    CompileRun run(platform, options);
    if (GetParam().tables) run.tablesFolder = dir.File("out");
    if (GetParam().site) run.siteFolder = dir.File("out/site");
    std::optional<std::string> message;
    test::FailAllocationAfter(passing);
    try {
      message = test::FatalMessage(
          [&] { CompileStats(run, games, {}, run::MakePrefixReply(dir.File("out/R"))); });
    } catch (const std::bad_alloc&) {
      // What escapes the engine is its front end's to catch, as the out-of-memory alert.
      message = run::FatalAlert(run::ErrorKind::kOutOfMemory, {}).Message();
    }
    const bool failed = !test::AllocationFailurePending();
    test::CancelAllocationFailure();
    if (!failed) break;  // the run needed fewer allocations
    ASSERT_TRUE(message.has_value());
    EXPECT_NE(message->find("out of memory"), std::string::npos) << *message;
    AbandonRun(run);
    std::string left;
    for (const auto& [name, bytes] : Contents(dir, "out"))
      left += name + " ";
    EXPECT_EQ(left, "") << *message;
  }
}

INSTANTIATE_TEST_SUITE_P(Modes, FaultTest, testing::ValuesIn(kModes),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

}  // namespace
}  // namespace yl::compile
