// Team files: big-endian entries, the thirty used entries, short and long
// files, and the same file twice.
#include "league/team_file.h"

#include <gtest/gtest.h>

#include "options/output_options.h"
#include "support/fake_platform.h"
#include "support/fatal_alert.h"
#include "support/newest_first.h"
#include "support/temp_dir.h"

namespace yl::league {
namespace {

void Put16(std::string& bytes, std::size_t at, std::uint16_t value) {
  bytes[at] = static_cast<char>(value >> 8);
  bytes[at + 1] = static_cast<char>(value & 0xFF);
}

// A team file whose entry i holds the name "P<i>", number i, position
// i % 12, and a defense flag for entries above 25.
std::string MakeTeamFile(std::size_t size = kTeamFileSize) {
  std::string bytes(std::max<std::size_t>(size, kTeamFileSize), '\x7f');
  for (int i = 0; i < kTeamFileEntries; ++i) {
    const std::size_t at = static_cast<std::size_t>(i) * kTeamFileEntrySize;
    const std::string name = "P" + std::to_string(i);
    Put16(bytes, at + 0, 0xBEEF);
    Put16(bytes, at + 2, i > 25 ? 0x0100 : 0);
    bytes[at + 4] = static_cast<char>(name.size());
    bytes.replace(at + 5, name.size(), name);
    Put16(bytes, at + 38, static_cast<std::uint16_t>(i % 12));
    Put16(bytes, at + 40, static_cast<std::uint16_t>(i));
  }
  bytes.resize(size);
  return bytes;
}

struct TeamFileFixture : testing::Test {
  test::FakePlatform platform;
  League league;
  run::FileSystem files;
  run::ErrorLog log{platform, files, options::LineEnds::kUnix};
  test::TempDir dir;

  TeamFileFixture() { run::InitErrorLog(log); }
  bool Read(const std::string& name, const std::string& bytes) {
    const std::string path = dir.Write(name + ".fbt", bytes);
    return ReadTeamFile(league, log, files, run::MakeInputFileRecord(path));
  }
  std::vector<PlayerRecord*> Players() { return test::NewestFirst(league.players); }
};

TEST_F(TeamFileFixture, ThirtyPlayersOfTheFileNamedTeam) {
  Read("Bears", MakeTeamFile());
  ASSERT_EQ(std::ssize(league.players), 30);
  ASSERT_EQ(std::ssize(league.teams), 1);
  EXPECT_EQ(league.teams.back().name, "Bears");
  const std::vector<PlayerRecord*> players = Players();
  // The list grows at the head: the last used entry (42) comes first.
  EXPECT_EQ(players.front()->name, "P42");
  EXPECT_EQ(players.back()->name, "P1");
  std::vector<int> numbers;
  for (PlayerRecord* p : players) {
    numbers.push_back(p->number);
    EXPECT_EQ(p->teamName, "Bears");
    EXPECT_TRUE(p->teamFixed);
    EXPECT_EQ(p->position, p->number % 12);
    EXPECT_EQ(p->side, p->number > 25 ? kDefense : kOffense) << p->number;
    EXPECT_EQ(p->name, "P" + std::to_string(p->number));
    EXPECT_EQ(FindPlayerInHash(league, p->number % 100, p->name), p);
  }
  std::vector<int> expected(kUsedEntries.rbegin(), kUsedEntries.rend());
  EXPECT_EQ(numbers, expected);
}

TEST_F(TeamFileFixture, SideFlagNamesAndLengthBytes) {
  std::string bytes = MakeTeamFile();
  const std::size_t entry1 = kTeamFileEntrySize;
  Put16(bytes, entry1 + 2, 0x0001);  // any non-zero flag is defense
  const std::size_t entry2 = 2 * kTeamFileEntrySize;
  bytes[entry2 + 4] = 0;  // an empty name
  const std::size_t entry3 = 3 * kTeamFileEntrySize;
  bytes[entry3 + 4] = static_cast<char>(200);  // read as 31
  bytes.replace(entry3 + 5, 31, std::string(31, 'L'));
  Read("Lions", bytes);
  EXPECT_EQ(FindPlayerInHash(league, 1, "P1")->side, kDefense);
  EXPECT_NE(FindPlayerInHash(league, 2, ""), nullptr);
  EXPECT_NE(FindPlayerInHash(league, 3, std::string(31, 'L')), nullptr);
}

TEST_F(TeamFileFixture, TheSameFileTwiceGivesTwoTeams) {
  const std::string bytes = MakeTeamFile();
  Read("Bears", bytes);
  PlayerRecord* first = FindPlayerInHash(league, 7, "P7");
  ReadTeamFile(league, log, files, run::MakeInputFileRecord(dir.File("Bears.fbt")));
  EXPECT_EQ(std::ssize(league.players), 60);
  EXPECT_EQ(std::ssize(league.teams), 2);
  EXPECT_EQ(league.teams[0].name, "Bears");
  EXPECT_EQ(league.teams[1].name, "Bears");
  // Lookups find the first-loaded player of a number and name.
  EXPECT_EQ(FindPlayerInHash(league, 7, "P7"), first);
  EXPECT_EQ(league.hash.size(), 30u);  // the second file's players are the first's again
}

TEST_F(TeamFileFixture, BytesAfterTheEntriesAreNotRead) {
  std::string bytes = MakeTeamFile();
  bytes += std::string(500, '\x01');
  Read("Long", bytes);
  EXPECT_EQ(std::ssize(league.players), 30);
}

TEST_F(TeamFileFixture, AShortFileGivesOnlyItsWholeEntries) {
  // Entries 0..20 are whole, entry 21 is cut in the middle.
  Read("Short", MakeTeamFile(21 * kTeamFileEntrySize + 30));
  EXPECT_EQ(std::ssize(league.players), 20);  // used entries 1..20
  EXPECT_EQ(std::ssize(league.teams), 1);
  EXPECT_EQ(FindPlayerInHash(league, 21, "P21"), nullptr);
  EXPECT_NE(FindPlayerInHash(league, 20, "P20"), nullptr);
  EXPECT_EQ(log.entries, 1);  // cut short
}

// Files from which no player entry can be read are no team files: each is
// logged with its path, and no team or player is made from it.
TEST_F(TeamFileFixture, AFileWithoutAPlausibleEntryIsNoTeamFile) {
  std::string random(10000, '\0');
  std::uint32_t seed = 12345;
  for (char& c : random) {
    seed = seed * 1103515245u + 12345u;
    c = static_cast<char>(seed >> 16);
  }
  std::string transcript;
  while (transcript.size() < kTeamFileSize)
    transcript += "With the score 0 to 0 in the 1st quarter, 15:00 on the clock...\r\n";
  std::string numbersOut = MakeTeamFile();
  std::string controlNames = MakeTeamFile();
  for (const int index : kUsedEntries) {
    const std::size_t at = static_cast<std::size_t>(index) * kTeamFileEntrySize;
    Put16(numbersOut, at + 40, 100);
    controlNames[at + 5] = '\t';
  }
  const std::pair<const char*, std::string> notTeamFiles[] = {
      {"Empty", ""},
      {"OneByte", "B"},
      {"Random", random},
      {"Game", transcript},
      {"Numbers", numbersOut},
      {"Names", controlNames},
      {"NoWholeEntry", MakeTeamFile(kTeamFileEntrySize + 57)}};
  std::string expected;
  for (const auto& [name, bytes] : notTeamFiles) {
    EXPECT_FALSE(Read(name, bytes)) << name;
    expected +=
        std::string(name) + "\nNot a team file\n" + dir.File(std::string(name) + ".fbt") + "\n";
  }
  EXPECT_EQ(std::ssize(league.teams), 0);
  EXPECT_EQ(std::ssize(league.players), 0);
  EXPECT_EQ(std::string(log.buffer.data(), log.fill), expected);
}

// Team files of every telling size: without a whole used entry a file is no
// team file; from the first used entries on, each whole entry is a player;
// a file cut inside an entry and bytes beyond the 45 entries are logged; a
// byte-order mark before a whole file is passed over.
TEST_F(TeamFileFixture, SizesGiveTheirWholeEntriesOrNoTeam) {
  const struct {
    std::size_t size;
    bool byteOrderMark;
    int players;         // -1: no team file
    const char* logged;  // the message of the entry it makes, if any
  } cases[] = {
      {0, false, -1, "Not a team file"},
      {57, false, -1, "Not a team file"},
      {58, false, -1, "Not a team file"},
      {2609, false, 30, "Team file cut short"},
      {2610, false, 30, nullptr},
      {5000, false, 30, "Team file has more than 45 players; the rest not read"},
      {2610, true, 30, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.size) + (c.byteOrderMark ? " after a byte-order mark" : ""));
    League sized;
    const std::size_t fillBefore = log.fill;
    std::string bytes = c.size > kTeamFileSize
                            ? MakeTeamFile() + std::string(c.size - kTeamFileSize, 'z')
                            : MakeTeamFile(c.size);
    if (c.byteOrderMark) bytes = "\xEF\xBB\xBF" + bytes;
    const std::string path = dir.Write("Size.fbt", bytes);
    EXPECT_EQ(ReadTeamFile(sized, log, files, run::MakeInputFileRecord(path)), c.players >= 0);
    EXPECT_EQ(std::ssize(sized.players), std::max(c.players, 0));
    EXPECT_EQ(std::ssize(sized.teams), c.players >= 0 ? 1 : 0);
    const std::string logged(log.buffer.data() + fillBefore, log.fill - fillBefore);
    if (c.logged == nullptr) {
      EXPECT_EQ(logged, "");
    } else {
      EXPECT_EQ(logged, "Size\n" + std::string(c.logged) + "\n" + path + "\n");
    }
  }
  // The mark changes no player.
  League marked;
  const std::string path = dir.Write("Marked.fbt", "\xEF\xBB\xBF" + MakeTeamFile());
  ASSERT_TRUE(ReadTeamFile(marked, log, files, run::MakeInputFileRecord(path)));
  EXPECT_NE(FindPlayerInHash(marked, 1, "P1"), nullptr);
}

TEST_F(TeamFileFixture, AMissingFileIsFatal) {
  EXPECT_EQ(test::FatalMessage([&] {
              ReadTeamFile(league, log, files, run::MakeInputFileRecord(dir.File("None.fbt")));
            }),
            "Team File FSpOpenDF() Error  " + dir.File("None.fbt") + ": No such file or directory");
}

TEST(DecodeTeamFileEntry, BigEndianSignedFields) {
  std::string bytes(kTeamFileEntrySize, '\0');
  Put16(bytes, 38, 0xFFFE);
  Put16(bytes, 40, 0x0102);
  const auto entry = DecodeTeamFileEntry(reinterpret_cast<const unsigned char*>(bytes.data()));
  EXPECT_EQ(entry.position, -2);
  EXPECT_EQ(entry.number, 258);
}

TEST_F(TeamFileFixture, NumbersOutsideTheHashKeepThePlayerOutOfIt) {
  std::string bytes = MakeTeamFile();
  Put16(bytes, kTeamFileEntrySize + 40, 258);
  Read("Odd", bytes);
  EXPECT_EQ(std::ssize(league.players), 30);
  EXPECT_EQ(FindPlayerInHash(league, 258, "P1"), nullptr);
}

}  // namespace
}  // namespace yl::league
