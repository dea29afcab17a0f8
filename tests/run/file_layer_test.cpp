// The file layer: creation that never touches what exists, reading and
// writing, the system's reasons as error codes, renaming that never
// replaces, and the faults a test can put in between.
#include "run/file_layer.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/temp_dir.h"

namespace yl::run {
namespace {

// A file, a folder, a dangling link and an unreadable file each take a name.
TEST(FileSystem, CreationNeverTouchesAnythingThatExists) {
  test::TempDir dir;
  dir.Write("f", "the user's file");
  dir.Write("secret", "x");
  ASSERT_EQ(::chmod(dir.File("secret").c_str(), 0), 0);
  ASSERT_EQ(::mkdir(dir.File("folder").c_str(), 0755), 0);
  ASSERT_EQ(::symlink(dir.File("nowhere").c_str(), dir.File("link").c_str()), 0);
  FileSystem files;
  for (const char* name : {"f", "secret", "folder", "link"}) {
    File file;
    EXPECT_TRUE(PathTaken(dir.File(name))) << name;
    EXPECT_EQ(files.CreateNew(dir.File(name), file), std::errc::file_exists) << name;
    EXPECT_FALSE(file.IsOpen()) << name;
  }
  EXPECT_EQ(test::ReadFileBytes(dir.File("f")), "the user's file");
  EXPECT_FALSE(PathTaken(dir.File("nowhere")));
}

TEST(FileSystem, CreateWriteAndReadBack) {
  test::TempDir dir;
  FileSystem files;
  File file;
  ASSERT_FALSE(files.CreateNew(dir.File("f"), file));
  ASSERT_FALSE(file.Write("hello"));
  ASSERT_FALSE(file.Write("abc"));
  ASSERT_FALSE(file.Close());
  EXPECT_EQ(file.Close(), std::errc::bad_file_descriptor);  // closed already

  ASSERT_FALSE(files.OpenToRead(dir.File("f"), file));
  run::FileBytes bytes;
  ASSERT_FALSE(file.Read(bytes));
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "helloabc");
  ASSERT_FALSE(files.OpenToRead(dir.File("f"), file));
  ASSERT_FALSE(file.Read(bytes, 3));  // at most the limit
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "hel");
  EXPECT_EQ(file.Write("z"), std::errc::bad_file_descriptor);  // opened for reading only
}

// Every kind of file is read to its end: a pipe tells no size, a file of
// just the buffer's size needs a look past it, a limit stops early, and a
// file too large for a run is refused before it is read.
TEST(FileSystem, ReadsToTheEndOrTheLimit) {
  test::TempDir dir;
  FileSystem files;
  const std::string big(100000, 'x');
  struct Case {
    const char* what;
    std::string bytes;
    bool pipe;
    std::size_t limit;
    std::size_t expected;
  };
  const Case cases[] = {
      {"a regular file", big, false, kMaxFileSize, big.size()},
      {"an empty file", "", false, kMaxFileSize, 0},
      {"a pipe", big, true, kMaxFileSize, big.size()},
      {"a pipe with a limit", big, true, 70000, 70000},
      {"a file with a limit", big, false, 10, 10},
  };
  for (const Case& c : cases) {
    File file;
    if (c.pipe) {
      // A writer child fills the pipe after the read has begun to wait.
      int ends[2];
      ASSERT_EQ(::pipe(ends), 0);
      const pid_t child = ::fork();
      if (child == 0) {
        ::close(ends[0]);
        const ssize_t put = ::write(ends[1], c.bytes.data(), c.bytes.size());
        ::_exit(put == static_cast<ssize_t>(c.bytes.size()) ? 0 : 1);
      }
      ::close(ends[1]);
      ASSERT_FALSE(files.OpenToRead("/dev/fd/" + std::to_string(ends[0]), file)) << c.what;
      ::close(ends[0]);
      run::FileBytes bytes;
      EXPECT_FALSE(file.Read(bytes, c.limit)) << c.what;
      EXPECT_EQ(bytes.size(), c.expected) << c.what;
      file = File();
      ::waitpid(child, nullptr, 0);
      continue;
    }
    ASSERT_FALSE(files.OpenToRead(dir.Write("f", c.bytes), file)) << c.what;
    run::FileBytes bytes;
    EXPECT_FALSE(file.Read(bytes, c.limit)) << c.what;
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), c.bytes.substr(0, c.expected)) << c.what;
  }
  // A sparse file of 3 GiB: refused by its size, with its reason.
  const std::string huge = dir.Write("huge", "");
  ASSERT_EQ(::truncate(huge.c_str(), 3LL << 30), 0);
  File file;
  ASSERT_FALSE(files.OpenToRead(huge, file));
  run::FileBytes bytes;
  EXPECT_EQ(file.Read(bytes), std::errc::file_too_large);
}

TEST(FileSystem, FailuresCarryTheSystemsReason) {
  test::TempDir dir;
  FileSystem files;
  File file;
  EXPECT_EQ(files.OpenToRead(dir.File("missing"), file), std::errc::no_such_file_or_directory);
  EXPECT_EQ(files.OpenToRead(dir.path(), file), std::errc::is_a_directory);
  EXPECT_EQ(files.CreateNew(dir.File("no/such/folder"), file),
            std::errc::no_such_file_or_directory);
  EXPECT_EQ(files.Remove(dir.File("missing")), std::errc::no_such_file_or_directory);
  EXPECT_FALSE(file.IsOpen());
  run::FileBytes bytes;
  EXPECT_EQ(file.Read(bytes), std::errc::bad_file_descriptor);
  EXPECT_EQ(SystemReason("/x/y", std::make_error_code(std::errc::no_such_file_or_directory)),
            "/x/y: No such file or directory");
}

TEST(FileSystem, RenameNeverReplacesAnExistingFile) {
  test::TempDir dir;
  dir.Write("a", "mine");
  dir.Write("b", "theirs");
  FileSystem files;
  EXPECT_EQ(files.Rename(dir.File("a"), dir.File("b")), std::errc::file_exists);
  EXPECT_EQ(test::ReadFileBytes(dir.File("b")), "theirs");
  EXPECT_FALSE(files.Rename(dir.File("a"), dir.File("c")));
  EXPECT_EQ(dir.Names(), (std::vector<std::string>{"b", "c"}));
  // A new name cannot leave the folder.
  EXPECT_EQ(files.Rename(dir.File("c"), dir.File("../c")), std::errc::invalid_argument);
  EXPECT_EQ(files.Rename(dir.File("c"), dir.path() + "/"), std::errc::invalid_argument);
}

// The faults a test passes in answer for the system, operation by operation.
TEST(FileSystem, FaultsStandInForTheSystem) {
  struct Refuse : FileFaults {
    FileOp op;
    std::error_code Before(FileOp asking) override {
      return asking == op ? std::make_error_code(std::errc::io_error) : std::error_code();
    }
  };
  const FileOp ops[] = {FileOp::kCreate, FileOp::kOpen,  FileOp::kRead,   FileOp::kWrite,
                        FileOp::kSync,   FileOp::kClose, FileOp::kRename, FileOp::kDelete};
  test::TempDir dir;
  dir.Write("in", "x");
  for (const FileOp op : ops) {
    Refuse faults;
    faults.op = op;
    FileSystem files(&faults);
    File out;
    File in;
    run::FileBytes bytes;
    // In the order of `ops`.
    const std::error_code results[] = {
        files.CreateNew(dir.File("out"), out),
        files.OpenToRead(dir.File("in"), in),
        in.Read(bytes),
        out.Write("y"),
        out.Sync(),
        out.Close(),
        files.Rename(dir.File("out"), dir.File("moved")),
        files.Remove(dir.File("moved")),
    };
    for (std::size_t i = 0; i < std::size(ops); ++i)
      EXPECT_EQ(results[i] == std::errc::io_error, ops[i] == op)
          << static_cast<int>(op) << " " << i;
    ::unlink(dir.File("out").c_str());
    ::unlink(dir.File("moved").c_str());
  }
}

TEST(PathNames, FolderNameAndExtension) {
  EXPECT_EQ(FolderOf("/a/b/report.txt"), "/a/b/");
  EXPECT_EQ(FolderOf("report.txt"), "");
  EXPECT_EQ(NameOf("/a/b/report.txt"), "report.txt");
  EXPECT_EQ(NameWithoutExtension("/a/b/report.txt"), "report");
  EXPECT_EQ(NameWithoutExtension("/a/b.c/week1"), "week1");
  EXPECT_EQ(NameWithoutExtension("game.1.txt"), "game.1");
}

}  // namespace
}  // namespace yl::run
