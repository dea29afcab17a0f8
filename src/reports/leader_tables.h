// The 57 league-leader tables: per table its title, the sort key, which
// players it lists (or which longest-play list it walks), the qualifying
// minimum of the rate tables, the position texts and the value columns; and
// the one writer that ranks the best leadersCount players of each.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "league/league.h"
#include "reports/player_section_table.h"
#include "reports/report_buffer.h"
#include "reports/stat_columns.h"
#include "stats/longest_lists.h"
#include "stats/ranking.h"

namespace yl::reports {

// A rate table lists the players whose count (attempts, carries, ...) is at
// least half the average count over the players that have its record.
struct LeaderMinimum {
  PlayerFigure count;
  std::string_view text;  // " Minimum Attempts", written after the minimum
};

struct LeaderTable {
  std::string_view title;
  stats::StatKey key;
  // Count tables: the players listed. Rate tables: the players that have the
  // record, over whom the widths and the minimum are measured.
  bool (*listed)(const league::PlayerRecord& player);
  const LeaderMinimum* minimum;  // none: a count table
  // The longest-play tables walk their list instead of the players; their
  // one column, without a statistic, holds each entry's yards.
  std::optional<stats::LongestList> stats::LongestLists::*longest;
  PositionTags positions;  // by side: defensive texts for defense-side players
  std::span<const StatColumn> columns;
};

constexpr std::size_t kLeaderTableCount = 57;

// The tables in report order: passing, rushing, receiving, scoring, fumbles
// and penalties, kicking and punting, returns, defense.
std::span<const LeaderTable> LeaderTables();

// "QB   ", "LB   ", ...: the position in five characters, "??   " for a code
// the list in use has no name for.
std::string LeaderPositionText(const league::PlayerRecord& player, PositionTags positions);

// One row of a ranked table: the player and, in a longest-play table, the
// yards of the entry.
struct LeaderRow {
  const league::PlayerRecord* player;
  std::int16_t yards;
};

// What a table shows: its rows in rank order, the minimum of a rate table,
// and whether any player had the table's record (none: the table is left out).
struct LeaderRanking {
  std::vector<LeaderRow> rows;
  std::optional<double> minimum;
  bool any = false;
};

// Ranks one table as its writer does: the players' order is sorted for it
// (left as it is when nobody has the record), at most leadersCount rows.
LeaderRanking RankLeaderTable(stats::PlayerOrder& players, const stats::LongestLists& longest,
                              std::int32_t leadersCount, const LeaderTable& table);

// A row's cell of value column `column`, as the table writes it.
std::string LeaderCellText(const LeaderTable& table, std::size_t column, const LeaderRow& row);

// One table ranked over leadersCount rows (none unless positive), from the
// players in their order (sorted for the table) or from its longest-play
// list; writes nothing when no player qualifies.
LeaderRanking WriteLeaderTable(ReportOutput& out, stats::PlayerOrder& players,
                               const stats::LongestLists& longest, std::int32_t leadersCount,
                               const LeaderTable& table);

// All 57 tables in order. A negative leadersCount lists every player. When
// `rankings` is given, each table's ranking is added to it, in order.
void WriteLeagueLeaders(ReportOutput& out, stats::PlayerOrder& players,
                        const stats::LongestLists& longest, std::int32_t leadersCount,
                        std::vector<LeaderRanking>* rankings = nullptr);

}  // namespace yl::reports
