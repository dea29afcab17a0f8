// teams.csv.
#include "reports/teams_csv.h"

#include <algorithm>
#include <type_traits>
#include <vector>

#include "league/stat_fields.h"
#include "reports/csv_text.h"

namespace yl::reports {

namespace {

using league::TeamRecord;
using league::TeamTotals;

// A figure of the totals: a count, or an average the box gives as a real.
struct TotalField {
  std::string column;
  std::int32_t TeamTotals::*count;
  double TeamTotals::*average;
};

template <typename T>
constexpr std::int32_t TeamTotals::*CountOf(T TeamTotals::*field) {
  if constexpr (std::is_same_v<T, std::int32_t>)
    return field;
  else
    return nullptr;
}

template <typename T>
constexpr double TeamTotals::*AverageOf(T TeamTotals::*field) {
  if constexpr (std::is_same_v<T, double>)
    return field;
  else
    return nullptr;
}

// The field names are the code's own, so a column cannot drift from its field.
#define YL_TOTAL(field)                                                                   \
  TotalField {                                                                            \
    league::SnakeCase(#field), CountOf(&TeamTotals::field), AverageOf(&TeamTotals::field) \
  }

const std::vector<TotalField>& TotalFields() {
  static const std::vector<TotalField> kFields = {
      YL_TOTAL(rushingYards),
      YL_TOTAL(rushingPlays),
      YL_TOTAL(passingYards),
      YL_TOTAL(passingPlays),
      YL_TOTAL(completions),
      YL_TOTAL(attempts),
      YL_TOTAL(timesSacked),
      YL_TOTAL(intercepted),
      YL_TOTAL(fumbles),
      YL_TOTAL(fumblesLost),
      YL_TOTAL(firstDowns),
      YL_TOTAL(thirdDownEfficiency),
      YL_TOTAL(punts),
      YL_TOTAL(yardsPerPunt),
      YL_TOTAL(netYards),
      YL_TOTAL(yardsPerPuntReturn),
      YL_TOTAL(yardsPerKickReturn),
      YL_TOTAL(yardsPerTurnover),
      YL_TOTAL(touchdowns),
      YL_TOTAL(extraPoints),
      YL_TOTAL(fieldGoalsMade),
      YL_TOTAL(fieldGoalsAttempted),
      YL_TOTAL(yardsPerFieldGoal),
      YL_TOTAL(safeties),
      YL_TOTAL(penalties),
      YL_TOTAL(penaltyYards),
      YL_TOTAL(totalPlays),
      YL_TOTAL(timeMinutes),
      YL_TOTAL(timeSeconds),
      YL_TOTAL(totalYards),
      YL_TOTAL(points),
  };
  return kFields;
}

#undef YL_TOTAL

// The totals' figures, then points by quarter and in overtime (empty before
// an overtime has been played).
void AddTotals(CsvRow& row, const TeamTotals& totals) {
  for (const TotalField& field : TotalFields()) {
    if (field.count != nullptr)
      row.Integer(totals.*field.count);
    else
      row.Real(totals.*field.average);
  }
  for (const std::int32_t points : totals.quarterPoints)
    row.Integer(points);
  if (totals.overtimePoints < 0)
    row.Empty();
  else
    row.Integer(totals.overtimePoints);
}

void AddTotalsHeader(CsvRow& row, std::string_view prefix) {
  for (const TotalField& field : TotalFields())
    row.Text(std::string(prefix) + field.column);
  for (const char* quarter : {"q1_points", "q2_points", "q3_points", "q4_points", "ot_points"})
    row.Text(std::string(prefix) + quarter);
}

}  // namespace

std::string TeamsCsvHeader() {
  CsvRow row;
  for (const std::string_view column : {"game", "team", "games", "wins", "losses", "ties"})
    row.Text(column);
  AddTotalsHeader(row, "");
  AddTotalsHeader(row, "opponents_");
  return row.Finish();
}

std::string TeamsCsvRows(const league::League& league, std::string_view game,
                         std::span<const std::string> teams) {
  std::vector<const TeamRecord*> listed;
  for (const TeamRecord& t : league::NewestFirst(league.teams)) {
    if (teams.empty() || std::find(teams.begin(), teams.end(), t.name) != teams.end())
      listed.push_back(&t);
  }
  std::sort(listed.begin(), listed.end(),
            [](const TeamRecord* a, const TeamRecord* b) { return a->name < b->name; });
  std::string text;
  CsvRow row;
  for (const TeamRecord* t : listed) {
    row.MacRoman(game).MacRoman(t->name);
    row.Integer(t->gamesPlayed).Integer(t->wins).Integer(t->losses).Integer(t->ties);
    AddTotals(row, t->own);
    AddTotals(row, t->opponents);
    text += row.Finish();
  }
  return text;
}

}  // namespace yl::reports
