// The team player stat sections: one writer for the sixteen tables of
// per-player statistics, each sorted by its key and laid out by the shared
// table layout, for all players or for one team's.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "league/league.h"
#include "options/output_options.h"
#include "reports/player_section_table.h"
#include "reports/report_buffer.h"
#include "stats/ranking.h"

namespace yl::reports {

// " [QB-", " [LB-", ...: five characters by position code and table, or " [~"
// for a position the table has no name for.
std::string PositionTag(std::int16_t position, std::uint16_t side, PositionTags tags);

// "#12-Smith [QB-Bears]": number, name, position tag and the team name cut or
// padded to five characters ("?????" without a team).
std::string PlayerNameCell(const league::PlayerRecord& player, PositionTags tags);

// One section over the players that have its record, and, when a team is
// given, play for it, in the order the mode asks for (the players' order is
// sorted for it). Writes nothing when no player qualifies. `ranks`: what
// earlier sorts of a report with the same records found, if kept.
void WritePlayerSection(ReportOutput& out, stats::PlayerOrder& players,
                        const options::OutputOptions& options, const PlayerSection& section,
                        const league::TeamRecord* team, stats::SortRanks* ranks = nullptr);

// The sections in report order: offense (Passing to 2 Point Conversion, then
// Scoring and Misc Offensive unless in game mode, then Punting), returns and
// defense, then Recovery and Penalty.
void WritePlayerSections(ReportOutput& out, stats::PlayerOrder& players,
                         const options::OutputOptions& options, const league::TeamRecord* team,
                         stats::SortRanks* ranks = nullptr);

}  // namespace yl::reports
