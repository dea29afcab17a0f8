// The simulator's team files: 2610 bytes, every one of the 45 entries a
// player in big-endian fields, and the thirty used entries read back through
// the reader to the roster the games were played with.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>

#include "league/league.h"
#include "league/team_file.h"
#include "options/output_options.h"
#include "run/error_log.h"
#include "run/input_files.h"
#include "sim_support.h"
#include "support/fake_platform.h"
#include "support/newest_first.h"

namespace yl::simtest {
namespace {

bool IsName(const std::string& name, std::size_t shortest, std::size_t longest) {
  if (name.size() < shortest || name.size() > longest) return false;
  if (!std::isupper(static_cast<unsigned char>(name[0]))) return false;
  return std::all_of(name.begin() + 1, name.end(),
                     [](char c) { return std::islower(static_cast<unsigned char>(c)); });
}

// Jersey numbers customary for a position on its side.
bool NumberFits(int number, int position, bool defense) {
  const auto in = [&](int low, int high) { return number >= low && number <= high; };
  if (!defense) {
    switch (position) {
      case 8:
      case 9:
        return in(1, 19);
      case 6:
      case 7:
      case 11:
        return in(20, 49);
      case 1:
      case 2:
      case 3:
      case 10:
        return in(50, 79);
      case 4:
      case 5:
        return in(80, 89);
      default:
        return false;
    }
  }
  switch (position) {
    case 5:
    case 6:
    case 7:
    case 9:
      return in(20, 49);
    case 4:
      return in(50, 59) || in(90, 99);
    case 1:
    case 2:
    case 3:
    case 8:
      return in(60, 79) || in(90, 99);
    default:
      return false;
  }
}

class SimTeamFiles : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    sim::SeasonOptions options;
    options.seed = 21;
    options.teams = 6;
    options.games = 3;
    season_ = WriteSampleSeason(options).release();
  }
  static void TearDownTestSuite() {
    delete season_;
    season_ = nullptr;
  }
  static SampleSeason* season_;
};

SampleSeason* SimTeamFiles::season_ = nullptr;

TEST_F(SimTeamFiles, ReadBackThroughTheReaderToTheRosterPlayed) {
  for (const json& team : season_->truth.at("teams")) {
    const std::string path = season_->Path(team.at("file").get<std::string>());
    ASSERT_EQ(test::ReadFileBytes(path).size(), static_cast<std::size_t>(league::kTeamFileSize));
    test::FakePlatform platform;
    run::FileSystem files;
    run::ErrorLog log(platform, files, options::LineEnds::kUnix);
    league::League league;
    ASSERT_TRUE(league::ReadTeamFile(league, log, files, run::MakeInputFileRecord(path)));
    ASSERT_EQ(std::ssize(league.teams), 1);
    EXPECT_EQ(league.teams.back().name, team.at("name").get<std::string>());
    ASSERT_EQ(std::ssize(league.players), 30);
    std::map<std::string, const league::PlayerRecord*> read;
    for (const league::PlayerRecord* p : test::NewestFirst(league.players))
      read["#" + std::to_string(p->number) + "-" + p->name] = p;
    int matched = 0;
    for (const json& player : season_->truth.at("players")) {
      if (player.at("team").get<std::string>() != team.at("name").get<std::string>()) continue;
      const std::string token = "#" + std::to_string(player.at("number").get<int>()) + "-" +
                                player.at("name").get<std::string>();
      ASSERT_EQ(read.count(token), 1u) << token;
      const league::PlayerRecord& p = *read[token];
      const std::uint16_t side = player.at("side").get<std::string>() == "defense" ? 1 : 0;
      EXPECT_EQ(p.side, side) << token;
      EXPECT_EQ(league::PositionText(p.position, p.side), player.at("position").get<std::string>())
          << token;
      EXPECT_EQ(p.teamName, team.at("name").get<std::string>());
      EXPECT_TRUE(p.teamFixed);
      ++matched;
    }
    EXPECT_EQ(matched, 30);
  }
}

TEST_F(SimTeamFiles, EveryEntryHoldsAPlayerInBigEndianFields) {
  std::set<std::string> names;
  for (const json& team : season_->truth.at("teams")) {
    const std::string bytes =
        test::ReadFileBytes(season_->Path(team.at("file").get<std::string>()));
    ASSERT_EQ(bytes.size(), 2610u);
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    std::set<int> numbers;
    int offense = 0;
    int kickers = 0;
    for (int e = 0; e < league::kTeamFileEntries; ++e) {
      const unsigned char* raw = data + e * league::kTeamFileEntrySize;
      const league::TeamFileEntry entry = league::DecodeTeamFileEntry(raw);
      EXPECT_TRUE(IsName(entry.name, 3, 20)) << entry.name;
      EXPECT_TRUE(names.insert(entry.name).second) << entry.name << " twice in the league";
      EXPECT_EQ(raw[40], 0);  // numbers below 256: the high byte comes first
      EXPECT_EQ(raw[41], entry.number);
      EXPECT_EQ(raw[38], 0);
      EXPECT_TRUE(numbers.insert(entry.number).second) << "number " << entry.number << " twice";
      EXPECT_TRUE(entry.sideFlag == 0 || entry.sideFlag == 1);
      const bool defense = entry.sideFlag != 0;
      EXPECT_TRUE(NumberFits(entry.number, entry.position, defense))
          << entry.name << " #" << entry.number << " position " << entry.position;
      const bool used = std::find(league::kUsedEntries.begin(), league::kUsedEntries.end(), e) !=
                        league::kUsedEntries.end();
      if (used && !defense) {
        ++offense;
        kickers += entry.position == 8;
      }
    }
    EXPECT_EQ(offense, 16);
    EXPECT_EQ(kickers, 2);  // a place kicker and a punter
  }
}

TEST(SimTeams, NamesAreDistinctAcrossTheLargestLeague) {
  sim::Random random(99);
  const std::vector<sim::Team> teams = sim::MakeTeams(sim::MaxTeams(), random);
  std::set<std::string> prefixes;
  std::set<std::string> players;
  for (const sim::Team& team : teams) {
    EXPECT_TRUE(IsName(team.name, 3, 12)) << team.name;
    std::string prefix = team.name.substr(0, 3);
    for (char& c : prefix)
      c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_TRUE(prefixes.insert(prefix).second) << team.name;
    for (const sim::Player& player : team.entries) {
      EXPECT_TRUE(IsName(player.name, 3, 20)) << player.name;
      EXPECT_TRUE(players.insert(player.name).second) << player.name;
    }
  }
  EXPECT_EQ(players.size(), teams.size() * 45);
}

}  // namespace
}  // namespace yl::simtest
