// players.csv.
#include "reports/players_csv.h"

#include <algorithm>
#include <vector>

#include "league/stat_fields.h"
#include "reports/csv_text.h"
#include "reports/stat_columns.h"

namespace yl::reports {

namespace {

using league::PlayerRecord;
using namespace stat;

// The figures of the player tables that are not fields, written as the
// tables write them.
constexpr StatColumn kDerived[] = {
    {"passing_completion_pct", &kCompletionRate},
    {"passing_yards_per_attempt", &kPassYardsPerAttempt},
    {"passing_touchdown_pct", &kPassTouchdownRate},
    {"passing_interception_pct", &kInterceptionRate},
    {"passing_sack_pct", &kSackedRate},
    {"passing_first_down_pct", &kPassFirstDownRate},
    {"passer_rating", &kPasserRating},
    {"rushing_average", &kRushAverage},
    {"rushing_first_down_pct", &kRushFirstDownRate},
    {"rushing_stuff_pct", &kStuffedRate},
    {"receiving_average", &kCatchAverage},
    {"receiving_first_down_pct", &kCatchFirstDownRate},
    {"fg_kicking_pct", &kFieldGoalRate},
    {"ep_kicking_pct", &kExtraPointRate},
    {"punt_return_average", &kPuntReturnAverage},
    {"kick_return_average", &kKickReturnAverage},
    {"recovery_return_average", &kRecoveryAverage},
    {"defensive_tackle_average", &kTackleAverage},
    {"special_teams_tackle_average", &kSpecialTackleAverage},
    {"misc_off_tackle_average", &kMiscTackleAverage},
    {"touchdowns", &kTouchdowns},
    {"two_point_conversions", &kTwoPointConversions},
    {"points", &kPoints},
};

bool HasFigure(const PlayerRecord& player) {
  for (const league::StatField& field : league::PlayerStatFields()) {
    if (field.read(player) != (field.longest ? league::kNoLongest : 0)) return true;
  }
  return false;
}

std::string_view SideText(std::uint16_t side) {
  if (side == league::kOffense) return "offense";
  if (side == league::kDefense) return "defense";
  return "";
}

}  // namespace

std::string PlayersCsvHeader() {
  CsvRow row;
  for (const std::string_view column : {"game", "team", "number", "name", "position", "side"})
    row.Text(column);
  for (const league::StatField& field : league::PlayerStatFields())
    row.Text(field.column);
  for (const StatColumn& derived : kDerived)
    row.Text(derived.word);
  return row.Finish();
}

std::string PlayersCsvRows(const league::League& league, std::string_view game,
                           std::span<const std::string> teams) {
  const auto listed = [&teams](const std::string& team) {
    return teams.empty() || std::find(teams.begin(), teams.end(), team) != teams.end();
  };
  std::vector<const PlayerRecord*> players;
  for (const PlayerRecord& p : league::NewestFirst(league.players)) {
    if (p.teamName.empty() ? HasFigure(p) : listed(p.teamName)) players.push_back(&p);
  }
  std::sort(players.begin(), players.end(), [](const PlayerRecord* a, const PlayerRecord* b) {
    if (a->teamName != b->teamName) return a->teamName < b->teamName;
    if (a->number != b->number) return a->number < b->number;
    return a->name < b->name;
  });
  std::string text;
  CsvRow row;
  for (const PlayerRecord* p : players) {
    row.MacRoman(game).MacRoman(p->teamName).Integer(p->number).MacRoman(p->name);
    row.Text(p->position != 0 ? league::PositionText(p->position, p->side) : "");
    row.Text(SideText(p->side));
    for (const league::StatField& field : league::PlayerStatFields()) {
      const std::int64_t value = field.read(*p);
      // A longest play never made has no value, not 0.
      if (field.longest && value == league::kNoLongest)
        row.Empty();
      else
        row.Integer(value);
    }
    for (const StatColumn& derived : kDerived)
      row.Text(StatText(*derived.stat, *p));
    text += row.Finish();
  }
  return text;
}

}  // namespace yl::reports
