// The file layer: result codes, existence, creation, renaming that never
// replaces, and length-prefixed texts.
#include "run/file_layer.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "support/fake_platform.h"
#include "support/temp_dir.h"

namespace yl::run {
namespace {

TEST(FSMakeFSSpec, JoinsTheFolderOfThePathWithTheName) {
  test::TempDir dir;
  FSSpec spec;
  EXPECT_EQ(FSMakeFSSpec(0, dir.File("prefix.txt"), "week1.GS", spec), fnfErr);
  EXPECT_EQ(spec.path, dir.File("week1.GS"));
  EXPECT_EQ(spec.name, "week1.GS");
  dir.Write("week1.GS", "x");
  EXPECT_EQ(FSMakeFSSpec(0, dir.File("prefix.txt"), "week1.GS", spec), noErr);
  FSMakeFSSpec(0, "bare", "name", spec);
  EXPECT_EQ(spec.path, "name");
}

TEST(FSMakeFSSpec, AnyKindOfFileTakesTheName) {
  test::TempDir dir;
  FSSpec spec;
  ASSERT_EQ(::mkdir(dir.File("folder").c_str(), 0755), 0);
  EXPECT_EQ(FSMakeFSSpec(0, dir.File("x"), "folder", spec), noErr);
  dir.Write("secret", "x");
  ASSERT_EQ(::chmod(dir.File("secret").c_str(), 0), 0);
  EXPECT_EQ(FSMakeFSSpec(0, dir.File("x"), "secret", spec), noErr);
}

// Creation never touches what exists: a file, a folder, a dangling link.
TEST(FSpCreate, NeverTouchesAnythingThatExists) {
  test::TempDir dir;
  dir.Write("f", "the user's file");
  ASSERT_EQ(::mkdir(dir.File("folder").c_str(), 0755), 0);
  ASSERT_EQ(::symlink(dir.File("nowhere").c_str(), dir.File("link").c_str()), 0);
  for (const char* name : {"f", "folder", "link"})
    EXPECT_EQ(FSpCreate(FSSpec{dir.File(name), name}), dupFNErr) << name;
  EXPECT_EQ(test::ReadFileBytes(dir.File("f")), "the user's file");
  EXPECT_FALSE(test::FileExists(dir.File("nowhere")));
}

TEST(FileLayer, CreateWriteReadAndLength) {
  test::TempDir dir;
  const FSSpec spec{dir.File("f"), "f"};
  ASSERT_EQ(FSpCreate(spec), noErr);
  EXPECT_EQ(test::ReadFileBytes(spec.path), "");
  OpenFile file;
  ASSERT_EQ(FSpOpenDF(spec, fsRdWrPerm, file), noErr);
  ASSERT_EQ(FSWrite(file, 5, "hello"), noErr);
  ASSERT_EQ(FSWrite(file, 3, "abc"), noErr);
  std::int32_t length = 0;
  ASSERT_EQ(GetEOF(file, length), noErr);
  EXPECT_EQ(length, 8);
  ASSERT_EQ(FSClose(file), noErr);
  EXPECT_EQ(FSClose(file), ioErr);  // already closed

  ASSERT_EQ(FSpOpenDF(spec, fsRdPerm, file), noErr);
  char buffer[16] = "XXXXXXXXXXXXXXX";
  // A short read at the end is not reported; bytes beyond the end stay.
  EXPECT_EQ(FSRead(file, 12, buffer), noErr);
  EXPECT_EQ(std::string(buffer, 12), "helloabcXXXX");
  EXPECT_EQ(FSWrite(file, 1, "z"), ioErr);  // opened for reading only
}

TEST(FileLayer, FailuresAreResultCodes) {
  test::TempDir dir;
  OpenFile file;
  EXPECT_EQ(FSpOpenDF(FSSpec{dir.File("missing"), "missing"}, fsRdPerm, file), ioErr);
  EXPECT_FALSE(file.IsOpen());
  EXPECT_EQ(FSpOpenDF(FSSpec{dir.path(), "dir"}, fsRdPerm, file), ioErr);  // a folder
  EXPECT_EQ(FSpCreate(FSSpec{dir.File("no/such/folder"), "folder"}), ioErr);
  EXPECT_EQ(FSpDelete(FSSpec{dir.File("missing"), "missing"}), ioErr);
  std::int32_t length = 0;
  EXPECT_EQ(GetEOF(file, length), ioErr);
  EXPECT_EQ(FSRead(file, 1, &length), ioErr);
}

TEST(FSpRename, NeverReplacesAnExistingFile) {
  test::TempDir dir;
  dir.Write("a", "mine");
  dir.Write("b", "theirs");
  const FSSpec a{dir.File("a"), "a"};
  EXPECT_EQ(FSpRename(a, "b"), ioErr);
  EXPECT_EQ(test::ReadFileBytes(dir.File("b")), "theirs");
  EXPECT_EQ(test::ReadFileBytes(dir.File("a")), "mine");
  EXPECT_EQ(FSpRename(a, "c"), noErr);
  EXPECT_EQ(dir.Names(), (std::vector<std::string>{"b", "c"}));
  // A new name cannot leave the folder.
  EXPECT_EQ(FSpRename(FSSpec{dir.File("c"), "c"}, "../c"), ioErr);
  EXPECT_EQ(FSpRename(FSSpec{dir.File("c"), "c"}, ""), ioErr);
}

TEST(PtoCStr, MovesTheCharactersAndTerminates) {
  unsigned char text[8] = {5, 'S', 'm', 'i', 't', 'h', 'Q', 'Q'};
  PtoCStr(text);
  EXPECT_STREQ(reinterpret_cast<char*>(text), "Smith");
  unsigned char empty[3] = {0, 'x', 'y'};
  PtoCStr(empty);
  EXPECT_EQ(empty[0], 0);
}

TEST(PathNames, FolderNameAndExtension) {
  EXPECT_EQ(FolderOf("/a/b/report.txt"), "/a/b/");
  EXPECT_EQ(FolderOf("report.txt"), "");
  EXPECT_EQ(NameOf("/a/b/report.txt"), "report.txt");
  EXPECT_EQ(NameWithoutExtension("/a/b/report.txt"), "report");
  EXPECT_EQ(NameWithoutExtension("/a/b.c/week1"), "week1");
  EXPECT_EQ(NameWithoutExtension("game.1.txt"), "game.1");
}

TEST(AskSaveFile, ShowsTheTextsWithoutTheirHiddenCharacter) {
  test::FakePlatform platform;
  platform.saveAnswer = "/tmp/log";
  SaveFileReply reply;
  AskSaveFile(platform, "pSave Error Log As:", "pErrorLog", reply);
  EXPECT_EQ(platform.lastSaveTitle, "Save Error Log As ");
  EXPECT_EQ(platform.lastSaveProposal, "ErrorLog");
  EXPECT_TRUE(reply.good);
  EXPECT_FALSE(reply.replacing);
  EXPECT_EQ(reply.spec.path, "/tmp/log");
  platform.saveAnswer.clear();
  AskSaveFile(platform, "pSave Error Log As:", "pErrorLog", reply);
  EXPECT_FALSE(reply.good);
}

}  // namespace
}  // namespace yl::run
