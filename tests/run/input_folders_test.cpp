// Folders as input: which files a folder stands for, and in what
// order.
#include "run/input_folders.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>

#include "support/temp_dir.h"

namespace yl::run {
namespace {

TEST(NaturalLess, OrdersNamesAsAPersonReadsThem) {
  // Each list is in the expected order; every pair is checked both ways.
  const std::vector<std::vector<std::string>> orders = {
      {"Week 1.txt", "week 2.txt", "Week 9.txt", "Week 10.txt", "week 11.txt", "Week 100.txt"},
      {"a.txt", "B.txt", "c.txt"},
      {"Game 007", "Game 7", "game 07"},  // equal as numbers: byte order decides
      {"A.txt", "a.txt"},
      {"2", "10", "x"},
      {"g", "g0", "g1", "g1a", "g1b", "g2"},
      {"x 99999999999999999999", "x 100000000000000000000"},  // beyond any integer type
  };
  for (const auto& order : orders) {
    for (std::size_t i = 0; i < order.size(); ++i) {
      for (std::size_t j = 0; j < order.size(); ++j) {
        EXPECT_EQ(NaturalLess(order[i], order[j]), i < j) << order[i] << " vs " << order[j];
      }
    }
  }
}

TEST(AddInput, AFolderStandsForItsFilesOfTheKindInNaturalOrder) {
  test::TempDir dir;
  ::mkdir(dir.File("games").c_str(), 0755);
  ::mkdir(dir.File("games/old.txt").c_str(), 0755);  // a folder, not a file
  ::mkdir(dir.File("empty").c_str(), 0755);
  ::mkdir(dir.File("other").c_str(), 0755);
  for (const char* name :
       {"games/Week 10.txt", "games/week 2.TXT", "games/Week 1.txt", "games/.hidden.txt",
        "games/notes.md", "games/Lions.fbt", "other/notes.md", "single.txt"})
    dir.Write(name, "x");
  ::symlink(dir.File("single.txt").c_str(), dir.File("games/Week 3.txt").c_str());
  const std::string g = dir.File("games");

  struct Case {
    std::string argument;
    std::string extension;
    std::vector<std::string> files;
    std::string error;  // a part of the message, "" for none
  };
  const std::vector<Case> cases = {
      {g,
       ".txt",
       {g + "/Week 1.txt", g + "/week 2.TXT", g + "/Week 3.txt", g + "/Week 10.txt"},
       ""},
      {g + "/",
       ".txt",
       {g + "/Week 1.txt", g + "/week 2.TXT", g + "/Week 3.txt", g + "/Week 10.txt"},
       ""},
      {g, ".fbt", {g + "/Lions.fbt"}, ""},
      {dir.File("single.txt"), ".txt", {dir.File("single.txt")}, ""},
      {dir.File("empty"), ".txt", {}, "no *.txt file in the folder " + dir.File("empty")},
      {dir.File("other"), ".fbt", {}, "no *.fbt file in the folder " + dir.File("other")},
  };
  for (const Case& c : cases) {
    std::vector<std::string> files = {"before"};
    const std::string error = AddInput(c.argument, c.extension, files);
    std::vector<std::string> expected = {"before"};
    expected.insert(expected.end(), c.files.begin(), c.files.end());
    EXPECT_EQ(files, expected) << c.argument;
    if (c.error.empty())
      EXPECT_EQ(error, "") << c.argument;
    else
      EXPECT_NE(error.find(c.error), std::string::npos) << error;
  }
}

}  // namespace
}  // namespace yl::run
