// Report files: written under a hidden name, published under the prefix's
// name (numbered when taken) or the teams' names of separate game files, and
// deleted when a run stops.
#include "run/output_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/fatal_alert.h"
#include "support/temp_dir.h"

namespace yl::run {
namespace {

struct FilesFixture : testing::Test {
  options::OutputOptions options;
  test::TempDir dir;
  FileSystem fileSystem;

  std::vector<std::string> OpenFiles(std::string_view typed, int count) {
    OutputFiles files(fileSystem);
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
      OpenNextStatFile(files, options.mode, MakePrefixReply(dir.File(typed)));
      CloseStatFile(files, options.mode);
      names.push_back(NameOf(files.paths.back()));
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

TEST_F(FilesFixture, SuffixFollowsTheMode) {
  options.mode = options::ReportMode::kLeague;
  EXPECT_EQ(OpenFiles("s", 1), std::vector<std::string>{"s.LL"});
  options.mode = options::ReportMode::kCumulative;
  EXPECT_EQ(OpenFiles("s", 1), std::vector<std::string>{"s.CS"});
  options.mode = options::ReportMode::kPerPlay;
  EXPECT_EQ(OpenFiles("s", 2), (std::vector<std::string>{"s.SD", "s.SD.1"}));
}

// A name is as long as the file system allows (255 bytes): a prefix is cut
// only to leave room for the suffix, number or teams.
TEST_F(FilesFixture, LongPrefixesAreCutToTheLongestName) {
  const std::string typed(300, 'p');
  const std::vector<std::string> names = OpenFiles(typed, 2);
  EXPECT_EQ(names[0], typed.substr(0, 252) + ".GS");
  EXPECT_EQ(names[1], typed.substr(0, 250) + ".GS.1");
  const std::string thirty = "abcdefghijklmnopqrstuvwxyz0123";
  EXPECT_EQ(OpenFiles(thirty, 1), std::vector<std::string>{thirty + ".GS"});
}

TEST_F(FilesFixture, ANameTakenByAFileOrAFolderIsNumberedNotReplaced) {
  dir.Write("mine.GS", "the user's own file");
  EXPECT_EQ(OpenFiles("mine", 1), std::vector<std::string>{"mine.GS.1"});
  EXPECT_EQ(test::ReadFileBytes(dir.File("mine.GS")), "the user's own file");
  std::filesystem::create_directory(dir.File("folder.GS"));
  EXPECT_EQ(OpenFiles("folder", 1), std::vector<std::string>{"folder.GS.1"});
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("folder.GS")));
}

TEST_F(FilesFixture, SeparateGameFilesCarryTheirTeams) {
  OutputFiles files(fileSystem);
  const PrefixReply reply = MakePrefixReply(dir.File("week1"));
  for (int game = 0; game < 2; ++game) {
    OpenNextStatFile(files, options.mode, reply);
    PublishGameFile(files, options.mode, "Bears", "Lions");
  }
  EXPECT_EQ(files.paths, (std::vector<std::string>{dir.File("week1.GS.Bea@Lio"),
                                                   dir.File("week1.GS.Bea@Lio.1")}));
  EXPECT_EQ(dir.Names(), (std::vector<std::string>{"week1.GS.Bea@Lio", "week1.GS.Bea@Lio.1"}));
}

TEST_F(FilesFixture, TeamNamesThatAreNoFileNames) {
  EXPECT_EQ(FileNameSafe("A/B"), "A_B");
  EXPECT_EQ(FileNameSafe(std::string("N\0x", 3)), "N_x");
  EXPECT_EQ(FileNameSafe(".."), "__");
  EXPECT_EQ(FileNameSafe("Ok\t"), "Ok_");
  OutputFiles files(fileSystem);
  OpenNextStatFile(files, options.mode, MakePrefixReply(dir.File("w")));
  PublishGameFile(files, options.mode, "../x", "Ye");
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"w.GS..._@Ye"});  // ".._" stays in the folder
}

TEST_F(FilesFixture, PublishingGivesUpAfterAThousandNumberedNames) {
  dir.Write("w.GS.Bea@Lio", "the user's");
  for (int n = 1; n <= kMaxRenameNumber; ++n)
    dir.Write("w.GS.Bea@Lio." + std::to_string(n), "the user's");
  const std::vector<std::string> users = dir.Names();
  OutputFiles files(fileSystem);
  OpenNextStatFile(files, options.mode, MakePrefixReply(dir.File("w")));
  EXPECT_EQ(test::FatalMessage([&] { PublishGameFile(files, options.mode, "Bears", "Lions"); }),
            "FSpRename error: RenameGameFile  Couldn't rename file.  " + dir.File("w.GS.Bea@Lio") +
                ": File exists");
  EXPECT_EQ(test::ReadFileBytes(dir.File("w.GS.Bea@Lio.1000")), "the user's");
  AbandonStatFiles(files);
  EXPECT_EQ(dir.Names(), users);
}

TEST_F(FilesFixture, ShortTeamNamesAndLongPrefixes) {
  OutputFiles files(fileSystem);
  const std::string typed(300, 'p');
  OpenNextStatFile(files, options.mode, MakePrefixReply(dir.File(typed)));
  PublishGameFile(files, options.mode, "NY", "LA");
  // 255 - (4 + 5) = 246 characters of the prefix are kept.
  EXPECT_EQ(NameOf(files.paths[0]), std::string(246, 'p') + ".GS.NY@LA");
}

TEST_F(FilesFixture, DeleteStatFilesRemovesEveryFileOfTheRun) {
  dir.Write("keep.txt", "user data");
  OutputFiles files(fileSystem);
  const PrefixReply reply = MakePrefixReply(dir.File("week1"));
  OpenNextStatFile(files, options.mode, reply);
  PublishGameFile(files, options.mode, "Bears", "Lions");
  OpenNextStatFile(files, options.mode, reply);
  PublishGameFile(files, options.mode, "Eagles", "Giants");
  OpenNextStatFile(files, options.mode, reply);  // still hidden
  EXPECT_EQ(dir.Names().size(), 4u);
  DeleteStatFiles(files);
  EXPECT_TRUE(files.paths.empty());
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"keep.txt"});
}

TEST_F(FilesFixture, AReportHasItsNameOnlyOnceComplete) {
  OutputFiles files(fileSystem);
  OpenNextStatFile(files, options.mode, MakePrefixReply(dir.File("week1")));
  ASSERT_FALSE(files.current.file().Write("the whole report"));
  const std::vector<std::string> writing = dir.Names();
  ASSERT_EQ(writing.size(), 1u);
  EXPECT_TRUE(writing[0].starts_with(".week1.GS.yl-")) << writing[0];
  CloseStatFile(files, options.mode);
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"week1.GS"});
  EXPECT_EQ(test::ReadFileBytes(dir.File("week1.GS")), "the whole report");
  // A discarded file leaves nothing.
  OpenNextStatFile(files, options.mode, MakePrefixReply(dir.File("week1")));
  DiscardStatFile(files);
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"week1.GS"});
}

TEST_F(FilesFixture, AnUncreatableFileIsFatal) {
  OutputFiles files(fileSystem);
  EXPECT_EQ(test::FatalMessage([&] {
              OpenNextStatFile(files, options.mode, MakePrefixReply(dir.File("no/such/week1")));
            }),
            "FSpCreate error: WriteGameStats  Couldn't create new file.  " +
                dir.File("no/such/week1.GS") + ": No such file or directory");
}

}  // namespace
}  // namespace yl::run
