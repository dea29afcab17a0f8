// players.csv.
#include "reports/players_csv.h"

#include <algorithm>
#include <array>
#include <vector>

#include "league/stat_fields.h"
#include "reports/csv_text.h"
#include "reports/player_cells.h"

namespace yl::reports {

namespace {

using cells::Average;
using cells::Percent;
using league::PlayerRecord;
namespace slot = cells::slot;
using namespace league::records;

struct DerivedColumn {
  std::string_view column;
  std::string (*text)(const PlayerRecord&);
};

// The figures of the player tables that are not fields, by the tables' own
// cell functions, so that both show the same digits.
constexpr std::array kDerived = {
    DerivedColumn{"passing_completion_pct",
                  Percent<slot::passing, &PassingRecord::completions, &PassingRecord::attempts>},
    DerivedColumn{"passing_yards_per_attempt",
                  Average<slot::passing, &PassingRecord::yards, &PassingRecord::attempts>},
    DerivedColumn{"passing_touchdown_pct",
                  Percent<slot::passing, &PassingRecord::touchdowns, &PassingRecord::attempts>},
    DerivedColumn{"passing_interception_pct",
                  Percent<slot::passing, &PassingRecord::interceptions, &PassingRecord::attempts>},
    DerivedColumn{"passing_sack_pct",
                  Percent<slot::passing, &PassingRecord::sacks, &PassingRecord::attempts>},
    DerivedColumn{"passing_first_down_pct",
                  Percent<slot::passing, &PassingRecord::firstDowns, &PassingRecord::attempts>},
    DerivedColumn{"passer_rating", cells::PassingRate},
    DerivedColumn{"rushing_average",
                  Average<slot::rushing, &RushingRecord::yards, &RushingRecord::attempts>},
    DerivedColumn{"rushing_first_down_pct",
                  Percent<slot::rushing, &RushingRecord::firstDowns, &RushingRecord::attempts>},
    DerivedColumn{"rushing_stuff_pct",
                  Percent<slot::rushing, &RushingRecord::stuffs, &RushingRecord::attempts>},
    DerivedColumn{"receiving_average",
                  Average<slot::receiving, &ReceivingRecord::yards, &ReceivingRecord::receptions>},
    DerivedColumn{
        "receiving_first_down_pct",
        Percent<slot::receiving, &ReceivingRecord::firstDowns, &ReceivingRecord::receptions>},
    DerivedColumn{"fg_kicking_pct",
                  Percent<slot::fgKicking, &FGKickingRecord::made, &FGKickingRecord::attempts>},
    DerivedColumn{"ep_kicking_pct",
                  Percent<slot::epKicking, &EPKickingRecord::made, &EPKickingRecord::attempts>},
    DerivedColumn{"punt_return_average",
                  Average<slot::puntReturn, &PuntReturnRecord::yards, &PuntReturnRecord::returns>},
    DerivedColumn{"kick_return_average",
                  Average<slot::kickReturn, &KickReturnRecord::yards, &KickReturnRecord::returns>},
    DerivedColumn{
        "recovery_return_average",
        Average<slot::recovery, &RecoveryRecord::returnYards, &RecoveryRecord::recoveries>},
    DerivedColumn{
        "defensive_tackle_average",
        Average<slot::defensive, &DefensiveRecord::tackleYards, &DefensiveRecord::tackles>},
    DerivedColumn{"special_teams_tackle_average",
                  Average<slot::specialTeams, &SpecialTeamsRecord::tackleYards,
                          &SpecialTeamsRecord::tackles>},
    DerivedColumn{"misc_off_tackle_average",
                  Average<slot::miscOff, &MiscOffRecord::tackleYards, &MiscOffRecord::tackles>},
    DerivedColumn{"touchdowns", cells::TouchdownsText},
    DerivedColumn{"two_point_conversions", cells::TwoPointConversionsText},
    DerivedColumn{"points", cells::PointsText},
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
  for (const DerivedColumn& derived : kDerived)
    row.Text(derived.column);
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
    for (const DerivedColumn& derived : kDerived)
      row.Text(derived.text(*p));
    text += row.Finish();
  }
  return text;
}

}  // namespace yl::reports
