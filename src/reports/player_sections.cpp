// The team player stat sections.
#include "reports/player_sections.h"

#include <utility>
#include <vector>

#include "reports/report_buffer.h"
#include "reports/report_text.h"
#include "reports/table_layout.h"
#include "stats/ranking.h"

namespace yl::reports {

namespace {

constexpr std::int32_t kNameMinimum = 13;
constexpr std::int32_t kNameGap = 2;
constexpr std::size_t kTeamCellWidth = 5;

// The name column counts every tag as five characters.
std::int64_t NameCellLength(const league::PlayerRecord& player) {
  return kNameMinimum +
         static_cast<std::int64_t>(IntegerText(player.number).size() + player.name.size());
}

bool Qualifies(const league::PlayerRecord& player, const PlayerSection& section,
               const league::TeamRecord* team) {
  if (!section.listed(player)) return false;
  return team == nullptr || player.teamName == team->name;
}

void SortForSection(stats::PlayerOrder& players, const options::OutputOptions& o,
                    const PlayerSection& section, stats::SortRanks* ranks) {
  if (o.mode == options::ReportMode::kGame) {
    stats::SortPlayersByStats(players, section.key, false, ranks);
  } else if (o.SeasonMode()) {
    stats::SortPlayersByStats(players, section.key, true, ranks);
  }
  // The per-play mode lists the players as they stand.
}

}  // namespace

std::string PositionTag(std::int16_t position, std::uint16_t side, PositionTags tags) {
  if (tags == PositionTags::kOffensive) side = league::kOffense;
  if (tags == PositionTags::kDefensive) side = league::kDefense;
  const std::string_view text = league::PositionText(position, side);
  if (text == "??") return " [~";
  return " [" + std::string(text) + "-";
}

std::string PlayerNameCell(const league::PlayerRecord& player, PositionTags tags) {
  std::string cell = "#" + IntegerText(player.number) + "-" + player.name;
  cell += PositionTag(player.position, player.side, tags);
  if (player.teamName.empty()) {
    cell += "?????";
  } else {
    std::string team = player.teamName.substr(0, kTeamCellWidth);
    team.resize(kTeamCellWidth, ' ');
    cell += team;
  }
  cell += "]";
  return cell;
}

void WritePlayerSection(ReportOutput& out, stats::PlayerOrder& players,
                        const options::OutputOptions& options, const PlayerSection& section,
                        const league::TeamRecord* team, stats::SortRanks* ranks) {
  std::vector<std::string_view> headers;
  for (const StatColumn& column : section.columns)
    headers.push_back(column.word);
  TableLayout layout("Player Name", kNameMinimum, kNameGap, std::move(headers), section.separator);

  bool any = false;
  for (const league::PlayerRecord* p : players) {
    if (!Qualifies(*p, section, team)) continue;
    any = true;
    layout.MeasureName(NameCellLength(*p));
    for (std::size_t i = 0; i < section.columns.size(); ++i)
      layout.MeasureValue(i, StatText(*section.columns[i].stat, *p));
  }
  if (!any) return;

  layout.WriteTitle(out, section.title);
  if (!section.groups.empty()) layout.WriteGroupLine(out, section.groups);
  layout.WriteHeader(out);
  SortForSection(players, options, section, ranks);
  for (const league::PlayerRecord* p : players) {
    if (!Qualifies(*p, section, team)) continue;
    layout.WriteName(out, PlayerNameCell(*p, section.tags));
    for (std::size_t i = 0; i < section.columns.size(); ++i)
      layout.WriteValue(out, i, StatText(*section.columns[i].stat, *p));
    EndLine(out);
  }
  EndLine(out);
}

void WritePlayerSections(ReportOutput& out, stats::PlayerOrder& players,
                         const options::OutputOptions& options, const league::TeamRecord* team,
                         stats::SortRanks* ranks) {
  for (const PlayerSection& section : PlayerSections()) {
    if (section.leftOutInGameMode && options.mode == options::ReportMode::kGame) continue;
    WritePlayerSection(out, players, options, section, team, ranks);
  }
}

}  // namespace yl::reports
