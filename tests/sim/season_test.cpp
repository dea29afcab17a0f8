// The season as a whole: the same seed gives the same bytes, the output forms
// change only the spelling, the command line writes what the library writes,
// the schedule is a round robin and the records follow the scores.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>

#include "schedule.h"
#include "sim_support.h"

namespace yl::simtest {
namespace {

// Every file under the folder, by its path relative to it.
std::map<std::string, std::string> FilesUnder(const std::string& root) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
    if (entry.is_regular_file())
      files[std::filesystem::relative(entry.path(), root).string()] =
          test::ReadFileBytes(entry.path().string());
  return files;
}

sim::SeasonOptions SmallSeason() {
  sim::SeasonOptions options;
  options.seed = 42;
  options.teams = 6;
  options.weeks = 3;
  return options;
}

TEST(SimSeason, SameSeedGivesTheSameBytes) {
  const auto first = WriteSampleSeason(SmallSeason());
  const auto second = WriteSampleSeason(SmallSeason());
  const auto a = FilesUnder(first->dir.path());
  const auto b = FilesUnder(second->dir.path());
  EXPECT_EQ(a.size(), 6u + 9u + 1u);  // team files, games, truth.json
  EXPECT_TRUE(a == b);

  sim::SeasonOptions other = SmallSeason();
  other.seed = 43;
  const auto third = WriteSampleSeason(other);
  const auto c = FilesUnder(third->dir.path());
  EXPECT_NE(a.at("truth.json"), c.at("truth.json"));
}

TEST(SimSeason, OutputFormsChangeOnlyTheSpelling) {
  const auto plain = WriteSampleSeason(SmallSeason());
  const auto plainFiles = FilesUnder(plain->dir.path());
  struct Form {
    sim::EllipsisForm ellipsis;
    sim::LineEnd eol;
  };
  for (const Form form : {Form{sim::EllipsisForm::kByte, sim::LineEnd::kCrLf},
                          Form{sim::EllipsisForm::kDots, sim::LineEnd::kCr},
                          Form{sim::EllipsisForm::kMixed, sim::LineEnd::kMixed}}) {
    sim::SeasonOptions options = SmallSeason();
    options.ellipsis = form.ellipsis;
    options.eol = form.eol;
    const auto season = WriteSampleSeason(options);
    const auto files = FilesUnder(season->dir.path());
    ASSERT_EQ(files.size(), plainFiles.size());
    std::set<std::string> ends;
    bool byte = false;
    bool dots = false;
    for (const auto& [name, bytes] : files) {
      if (name.rfind("games/", 0) != 0) continue;
      std::vector<std::string> lines;
      for (const std::string& line : SplitLines(bytes))
        lines.push_back(SpellOutEllipses(line));
      EXPECT_EQ(lines, SplitLines(plainFiles.at(name))) << name;
      for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r')
          ends.insert(i + 1 < bytes.size() && bytes[i + 1] == '\n' ? "crlf" : "cr");
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) ends.insert("lf");
      }
      byte = byte || bytes.find('\xC9') != std::string::npos;
      dots = dots || bytes.find("...") != std::string::npos;
    }
    EXPECT_EQ(byte, form.ellipsis != sim::EllipsisForm::kDots);
    EXPECT_EQ(dots, form.ellipsis != sim::EllipsisForm::kByte);
    const std::set<std::string> expected =
        form.eol == sim::LineEnd::kCrLf ? std::set<std::string>{"crlf"}
        : form.eol == sim::LineEnd::kCr ? std::set<std::string>{"cr"}
                                        : std::set<std::string>{"cr", "crlf", "lf"};
    EXPECT_EQ(ends, expected);
    // The teams and the truth of the games are the same.
    for (const auto& [name, bytes] : files) {
      if (name.rfind("teams/", 0) == 0) {
        EXPECT_EQ(bytes, plainFiles.at(name)) << name;
      }
    }
    EXPECT_EQ(season->truth.at("games").size(), plain->truth.at("games").size());
    const auto body = [](const std::string& truth) {
      return truth.substr(truth.find("\"teams\": ["));
    };
    EXPECT_TRUE(body(files.at("truth.json")) == body(plainFiles.at("truth.json")));
  }
}

TEST(SimSeason, CommandLineWritesWhatTheLibraryWrites) {
  sim::SeasonOptions options = SmallSeason();
  options.ellipsis = sim::EllipsisForm::kByte;
  options.eol = sim::LineEnd::kCrLf;
  options.game.penaltyRate = 0.2;
  const auto library = WriteSampleSeason(options);
  test::TempDir dir;
  const std::string command = std::string(YL_SIM_PATH) + " --out " + dir.path() +
                              " --seed 42 --teams 6 --weeks 3 --ellipsis byte --eol crlf"
                              " --penalty-rate 0.2 > /dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0);
  EXPECT_TRUE(FilesUnder(dir.path()) == FilesUnder(library->dir.path()));
}

// Every fault in the arguments is a usage error: status 2, nothing written.
TEST(SimSeason, CommandLineRefusesBadOptions) {
  test::TempDir dir;
  for (const char* arguments : {"--games 3 --weeks 2", "--teams 1", "--eol both", "--ellipsis none",
                                "--penalty-rate 2", ""}) {
    const std::string out = std::string(arguments).empty() ? "" : " --out " + dir.path();
    const std::string command =
        std::string(YL_SIM_PATH) + out + " " + arguments + " > /dev/null 2>&1";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << arguments << ": " << status;
  }
  EXPECT_TRUE(dir.Names().empty());
}

class SimSchedule : public ::testing::TestWithParam<int> {};

TEST_P(SimSchedule, OneCycleMeetsEveryPairOnceThenHomeAndAwaySwap) {
  const int teams = GetParam();
  const int rounds = teams % 2 == 0 ? teams - 1 : teams;
  const std::vector<sim::ScheduledGame> games = sim::MakeWeeks(teams, 2 * rounds);
  ASSERT_EQ(games.size(), static_cast<std::size_t>(rounds * (teams / 2) * 2));
  std::map<std::pair<int, int>, int> firstCycle;
  std::map<int, std::set<int>> playing;  // week -> teams
  for (std::size_t i = 0; i < games.size(); ++i) {
    const sim::ScheduledGame& game = games[i];
    EXPECT_NE(game.visiting, game.home);
    EXPECT_TRUE(playing[game.week].insert(game.visiting).second);
    EXPECT_TRUE(playing[game.week].insert(game.home).second);
    if (game.week <= rounds) {
      ++firstCycle[{std::min(game.visiting, game.home), std::max(game.visiting, game.home)}];
    } else {
      const sim::ScheduledGame& earlier = games[i - games.size() / 2];
      EXPECT_EQ(game.visiting, earlier.home);
      EXPECT_EQ(game.home, earlier.visiting);
    }
  }
  EXPECT_EQ(firstCycle.size(), static_cast<std::size_t>(teams * (teams - 1) / 2));
  for (const auto& pair : firstCycle)
    EXPECT_EQ(pair.second, 1);
  for (const auto& week : playing)
    EXPECT_EQ(week.second.size(), static_cast<std::size_t>(teams / 2 * 2));
}

INSTANTIATE_TEST_SUITE_P(TeamCounts, SimSchedule, ::testing::Values(2, 7, 8, 13));

TEST(SimScheduleGames, AreTheFirstGamesOfTheRoundRobin) {
  const std::vector<sim::ScheduledGame> weeks = sim::MakeWeeks(8, 3);
  const std::vector<sim::ScheduledGame> games = sim::MakeGames(8, 10);
  ASSERT_EQ(games.size(), 10u);
  for (std::size_t i = 0; i < games.size(); ++i) {
    EXPECT_EQ(games[i].week, weeks[i].week);
    EXPECT_EQ(games[i].visiting, weeks[i].visiting);
    EXPECT_EQ(games[i].home, weeks[i].home);
  }
}

TEST(SimSeason, RecordsFollowTheScores) {
  sim::SeasonOptions options;
  options.seed = 8;
  options.teams = 5;
  options.weeks = 10;
  const auto season = WriteSampleSeason(options);
  std::map<std::string, std::array<int, 3>> records;
  for (const json& game : season->truth.at("games")) {
    const std::string visiting = game.at("visiting").get<std::string>();
    const std::string home = game.at("home").get<std::string>();
    // The first line shows the records before the game.
    const auto text = [&](const std::string& team) {
      const auto& r = records[team];
      return "(" + std::to_string(r[0]) + "-" + std::to_string(r[1]) +
             (r[2] > 0 ? "-" + std::to_string(r[2]) : "") + ")";
    };
    EXPECT_EQ(season->Lines(game).at(0),
              visiting + " " + text(visiting) + " vs " + home + " " + text(home));
    const int v = game.at("visitingScore").get<int>();
    const int h = game.at("homeScore").get<int>();
    records[visiting][v > h ? 0 : v < h ? 1 : 2]++;
    records[home][h > v ? 0 : h < v ? 1 : 2]++;
  }
  for (const json& team : season->truth.at("teams")) {
    const auto& r = records[team.at("name").get<std::string>()];
    EXPECT_EQ(team.at("wins").get<int>(), r[0]);
    EXPECT_EQ(team.at("losses").get<int>(), r[1]);
    EXPECT_EQ(team.at("ties").get<int>(), r[2]);
    EXPECT_EQ(r[0] + r[1] + r[2], 8);  // five teams, ten weeks: two byes each
  }
}

}  // namespace
}  // namespace yl::simtest
