// Hidden files of ended runs: the first file a run writes into a folder
// sweeps away those of dead processes and leaves everything else.
#include "run/staged_file.h"
#include "run/staged_folder.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace yl::run {
namespace {

struct LeftOver {
  const char* what;
  std::string name;
  bool folder = false;  // a folder of that name, not a file
  bool locked = false;  // this process holds its lock
  bool removed = false;
  bool site = false;  // the folder holds a site's marker
};

std::vector<LeftOver> LeftOvers() {
  const std::string mine = std::to_string(::getpid());
  const std::string parent = std::to_string(::getppid());
  return {
      {"a dead process's report", ".R.LL.yl-99999999-1", false, false, true},
      {"a dead process's table", ".players.csv.yl-99999999-3", false, false, true},
      {"a live process's file", ".R.LL.yl-" + parent + "-1"},
      {"this process's file in use", ".R.GS.yl-" + mine + "-7", false, true},
      {"an earlier process of this number", ".R.GS.yl-" + mine + "-8", false, false, true},
      {"a folder named like one", ".R.CS.yl-99999999-2", true},
      {"a dead process's site", ".site.yl-99999999-4", true, false, true, true},
      {"a user's hidden file", ".R.LL.yl-notes"},
      {"a user's file", "R.LL.yl-99999999-1"},
  };
}

TEST(StagedFileTest, TheFirstFileInAFolderSweepsOnlyDeadRunsFiles) {
  test::TempDir dir;
  std::vector<int> held;
  for (const LeftOver& left : LeftOvers()) {
    if (left.folder) {
      ASSERT_EQ(::mkdir(dir.File(left.name).c_str(), 0755), 0);
      if (left.site) dir.Write(left.name + "/" + std::string(kFolderMarker), "");
      continue;
    }
    dir.Write(left.name, "left");
    if (!left.locked) continue;
    const int fd = ::open(dir.File(left.name).c_str(), O_RDONLY);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
    held.push_back(fd);
  }
  FileSystem fileSystem;
  StagedFile staged;
  ASSERT_FALSE(staged.Create(fileSystem, dir.File("R.LL")));
  for (const LeftOver& left : LeftOvers())
    EXPECT_EQ(test::FileExists(dir.File(left.name)), !left.removed) << left.what;
  const std::string hidden = staged.HiddenPath();
  EXPECT_TRUE(test::FileExists(hidden));
  staged.Discard();
  EXPECT_FALSE(test::FileExists(hidden));
  for (const int fd : held)
    ::close(fd);
}

}  // namespace
}  // namespace yl::run
