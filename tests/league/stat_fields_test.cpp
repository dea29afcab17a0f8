// The list of stat fields and their column names.
#include "league/stat_fields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace yl::league {
namespace {

TEST(StatFields, ColumnsAreUniqueSnakeCaseAndReadTheirField) {
  std::set<std::string> columns;
  for (const StatField& field : PlayerStatFields()) {
    EXPECT_TRUE(columns.insert(field.column).second) << field.column;
    EXPECT_EQ(field.column.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789_"),
              std::string::npos)
        << field.column;
  }
  for (const char* column :
       {"rushing_attempts", "rushing_longest", "passing_sack_yards", "fg_kicking_made30to39",
        "punting_inside20", "def_special_teams_tackles", "penalty_yards"})
    EXPECT_EQ(columns.count(column), 1u) << column;

  // A player without records reads 0, and "no longest play" for a longest.
  PlayerRecord player;
  for (const StatField& field : PlayerStatFields())
    EXPECT_EQ(field.read(player), field.longest ? kNoLongest : 0) << field.column;
  EXPECT_EQ(std::count_if(PlayerStatFields().begin(), PlayerStatFields().end(),
                          [](const StatField& field) { return field.longest; }),
            6);
  // The two special-teams slots share a record type but not their values.
  player.specialTeams.emplace();
  player.defSpecialTeams.emplace();
  player.specialTeams->tackles = 4;
  player.defSpecialTeams->tackles = 9;
  player.fgKicking.emplace();
  player.fgKicking->made30to39 = 2;
  std::map<std::string, std::int64_t> read;
  for (const StatField& field : PlayerStatFields())
    read[field.column] = field.read(player);
  EXPECT_EQ(read["special_teams_tackles"], 4);
  EXPECT_EQ(read["def_special_teams_tackles"], 9);
  EXPECT_EQ(read["fg_kicking_made30to39"], 2);
  EXPECT_EQ(read["fg_kicking_longest"], kNoLongest);
  EXPECT_EQ(read["fg_kicking_made"], 0);
}

TEST(StatFields, InPlaceReadsAndWritesAgreeWithTheirFunctions) {
  // Every field written a value of its own (negative ones too, and the
  // widest a count holds), then read both ways.
  PlayerRecord player;
  const auto fields = PlayerStatFields();
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const std::int64_t value = fields[i].longest ? -static_cast<std::int64_t>(i) - 1
                               : i % 3 == 0      ? INT32_MAX - static_cast<std::int64_t>(i)
                                                 : static_cast<std::int64_t>(i) * 1000 + 7;
    fields[i].write(player, value);
  }
  for (const StatField& field : fields) {
    ASSERT_TRUE(field.has(player)) << field.column;
    EXPECT_EQ(ReadHeld(player, field), field.read(player)) << field.column;
  }
  // And written in place, last field first: each field gets its own value,
  // and a write too wide would spoil the field after it.
  for (std::size_t i = fields.size(); i-- > 0;)
    WriteHeld(
        player, fields[i],
        fields[i].longest ? 100 + static_cast<std::int64_t>(i) : -5 - static_cast<std::int64_t>(i));
  for (std::size_t i = 0; i < fields.size(); ++i)
    EXPECT_EQ(fields[i].read(player), fields[i].longest ? 100 + static_cast<std::int64_t>(i)
                                                        : -5 - static_cast<std::int64_t>(i))
        << fields[i].column;
}

TEST(StatFields, SnakeCaseKeepsDigitsWithTheirWord) {
  EXPECT_EQ(SnakeCase("fgKicking"), "fg_kicking");
  EXPECT_EQ(SnakeCase("made30to39"), "made30to39");
  EXPECT_EQ(SnakeCase("fieldGoalsBlocked"), "field_goals_blocked");
  EXPECT_EQ(SnakeCase("attempts50plus"), "attempts50plus");
}

}  // namespace
}  // namespace yl::league
