// Parts the site's pages share: how a player and a team are named and
// linked, a game's figures as a record, and the tables of the player
// sections.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "league/league.h"
#include "reports/player_section_table.h"
#include "site/site_builder.h"

namespace yl::site {

// A team's winning percentage (a tie counts half), and as the reports write
// it (".750").
double Percentage(const league::TeamRecord& team);
std::string PercentageText(double percentage);
// The standings: by percentage, then point difference, then name.
void SortStandings(std::vector<const league::TeamRecord*>& teams);

// "#49-Stanalinwell", as the reports name a player (Mac OS Roman).
std::string PlayerLabel(const league::PlayerRecord& player);

// The player's figures in one game as a record of his (name, number, team
// and position as the league has them).
league::PlayerRecord GameRecord(const league::PlayerRecord& player, const SiteGame& game, Side side,
                                std::span<const Figure> figures);

// "Passing" for "---Passing Stats"; "passing" as a page's name.
std::string SectionName(const reports::PlayerSection& section);
std::string SectionFile(const reports::PlayerSection& section);

// The header of a section's table: a first column of `first` (the player
// or the game), a second of `second` unless it is empty (the team, a
// result), then the section's own.
std::vector<Column> SectionColumns(const reports::PlayerSection& section, std::string_view first,
                                   std::string_view second);

// One row of a section's table: the first cell as given (HTML), the second
// (HTML) when given, then the record's figures as the reports write them.
void SectionRow(std::string& out, const reports::PlayerSection& section, std::string_view first,
                const std::string* secondHtml, const league::PlayerRecord& record,
                std::string_view rowClass = {});

// An inline SVG bar chart: per label one bar of each series, side by side.
struct Series {
  std::string name;
  std::string cssClass;
  std::vector<std::int64_t> values;
};
std::string BarChart(std::string_view description, const std::vector<std::string_view>& labels,
                     const std::vector<Series>& series);

}  // namespace yl::site
