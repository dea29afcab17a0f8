// Report file names: the prefix, numbering when a name is taken, the team
// names of separate game files, and deleting a stopped run's files.
#include "run/output_files.h"

#include <gtest/gtest.h>

#include "run/compile_run.h"
#include "support/fake_platform.h"
#include "support/fatal_alert.h"
#include "support/temp_dir.h"

namespace yl::run {
namespace {

struct FilesFixture : testing::Test {
  test::FakePlatform platform;
  options::OutputOptions options;
  test::TempDir dir;

  std::vector<std::string> OpenFiles(std::string_view typed, int count) {
    CompileRun run(platform, options);
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
      OpenNextStatFile(run, MakePrefixReply(dir.File(typed)));
      names.push_back(run.outputFiles.specs.back().name);
      CloseStatFile(run);
    }
    return names;
  }
};

TEST_F(FilesFixture, PlainNameThenNumbered) {
  EXPECT_EQ(OpenFiles("week1", 3),
            (std::vector<std::string>{"week1.GS", "week1.GS.1", "week1.GS.2"}));
  EXPECT_EQ(dir.Names(), (std::vector<std::string>{"week1.GS", "week1.GS.1", "week1.GS.2"}));
}

TEST_F(FilesFixture, TheTypedExtensionIsDropped) {
  EXPECT_EQ(OpenFiles("report.txt", 1), std::vector<std::string>{"report.GS"});
}

TEST_F(FilesFixture, SuffixFollowsTheFirstModeSet) {
  options.gameStats = 0;
  options.leagueStats = 1;
  EXPECT_EQ(OpenFiles("s", 1), std::vector<std::string>{"s.LL"});
  options.cumulativeStats = 1;
  EXPECT_EQ(OpenFiles("s", 1), std::vector<std::string>{"s.CS"});
  options.cumulativeStats = 0;
  options.leagueStats = 0;
  options.perPlayStats = 1;
  EXPECT_EQ(OpenFiles("s", 2), (std::vector<std::string>{"s.SD", "s.SD.1"}));
}

TEST_F(FilesFixture, LongPrefixesAreCut) {
  const std::string typed = "abcdefghijklmnopqrstuvwxyz0123";  // 30 characters
  const std::vector<std::string> names = OpenFiles(typed, 2);
  EXPECT_EQ(names[0], typed.substr(0, 28) + ".GS");
  EXPECT_EQ(names[1], typed.substr(0, 25) + ".GS.1");
}

TEST_F(FilesFixture, ANameTakenByAFolderIsNumberedNotReplaced) {
  dir.Write("mine.GS", "the user's own file");
  EXPECT_EQ(OpenFiles("mine", 1), std::vector<std::string>{"mine.GS.1"});
  EXPECT_EQ(test::ReadFileBytes(dir.File("mine.GS")), "the user's own file");
}

TEST_F(FilesFixture, SeparateGameFilesCarryTheirTeams) {
  CompileRun run(platform, options);
  const PrefixReply reply = MakePrefixReply(dir.File("week1"));
  for (int game = 0; game < 2; ++game) {
    OpenNextStatFile(run, reply);
    CloseStatFile(run);
    RenameGameFile(run, "Bears", "Lions");
  }
  ASSERT_EQ(run.outputFiles.specs.size(), 2u);
  EXPECT_EQ(run.outputFiles.specs[0].name, "week1.GS.Bea@Lio");
  EXPECT_EQ(run.outputFiles.specs[1].name, "week1.GS.Bea@Lio.1");
  EXPECT_EQ(run.outputFiles.specs[1].path, dir.File("week1.GS.Bea@Lio.1"));
  EXPECT_EQ(dir.Names(), (std::vector<std::string>{"week1.GS.Bea@Lio", "week1.GS.Bea@Lio.1"}));
}

TEST_F(FilesFixture, TeamNamesThatAreNoFileNames) {
  EXPECT_EQ(FileNameSafe("A/B"), "A_B");
  EXPECT_EQ(FileNameSafe(std::string("N\0x", 3)), "N_x");
  EXPECT_EQ(FileNameSafe(".."), "__");
  EXPECT_EQ(FileNameSafe("Ok\t"), "Ok_");
  CompileRun run(platform, options);
  OpenNextStatFile(run, MakePrefixReply(dir.File("w")));
  CloseStatFile(run);
  RenameGameFile(run, "../x", "Ye");
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"w.GS..._@Ye"});  // ".._" stays in the folder
}

TEST_F(FilesFixture, TheRenameGivesUpAfterAThousandNumberedNames) {
  dir.Write("w.GS.Bea@Lio", "the user's");
  for (int n = 1; n <= kMaxRenameNumber; ++n)
    dir.Write("w.GS.Bea@Lio." + std::to_string(n), "the user's");
  CompileRun run(platform, options);
  OpenNextStatFile(run, MakePrefixReply(dir.File("w")));
  CloseStatFile(run);
  EXPECT_EQ(test::FatalMessage([&] { RenameGameFile(run, "Bears", "Lions"); }),
            "FSpRename error: RenameGameFile  Couldn't rename file.");
  EXPECT_EQ(test::ReadFileBytes(dir.File("w.GS.Bea@Lio.1000")), "the user's");
  EXPECT_TRUE(test::FileExists(dir.File("w.GS")));
}

TEST_F(FilesFixture, ShortTeamNamesAndLongPrefixes) {
  CompileRun run(platform, options);
  const std::string typed(28, 'p');
  OpenNextStatFile(run, MakePrefixReply(dir.File(typed)));
  CloseStatFile(run);
  RenameGameFile(run, "NY", "LA");
  // 30 - (4 + 5) = 21 characters of the prefix are kept.
  EXPECT_EQ(run.outputFiles.specs[0].name, std::string(21, 'p') + ".GS.NY@LA");
}

TEST_F(FilesFixture, DeleteStatFilesRemovesEveryFileOfTheRun) {
  dir.Write("keep.txt", "user data");
  CompileRun run(platform, options);
  const PrefixReply reply = MakePrefixReply(dir.File("week1"));
  OpenNextStatFile(run, reply);
  CloseStatFile(run);
  RenameGameFile(run, "Bears", "Lions");
  OpenNextStatFile(run, reply);
  CloseStatFile(run);
  RenameGameFile(run, "Eagles", "Giants");
  OpenNextStatFile(run, reply);
  CloseStatFile(run);
  EXPECT_EQ(dir.Names().size(), 4u);
  DeleteStatFiles(run);
  EXPECT_TRUE(run.outputFiles.specs.empty());
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"keep.txt"});
}

TEST_F(FilesFixture, AnUncreatableFileIsFatal) {
  CompileRun run(platform, options);
  EXPECT_EQ(test::FatalMessage(
                [&] { OpenNextStatFile(run, MakePrefixReply(dir.File("no/such/week1"))); }),
            "FSpCreate error: WriteGameStats  Couldn't create new file.");
}

}  // namespace
}  // namespace yl::run
