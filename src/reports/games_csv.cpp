// games.csv.
#include "reports/games_csv.h"

#include "reports/csv_text.h"

namespace yl::reports {

std::string GamesCsvHeader() {
  CsvRow row;
  for (const std::string_view column :
       {"game", "visiting_team", "home_team", "visiting_q1", "visiting_q2", "visiting_q3",
        "visiting_q4", "visiting_ot", "home_q1", "home_q2", "home_q3", "home_q4", "home_ot",
        "visiting_points", "home_points"})
    row.Text(column);
  return row.Finish();
}

std::string GamesCsvRow(std::string_view game, std::string_view visiting, std::string_view home,
                        const transcript::GameScore& score) {
  CsvRow row;
  row.MacRoman(game).MacRoman(visiting).MacRoman(home);
  const auto side = [&](const std::array<std::int16_t, 4>& quarters, std::int16_t overtime) {
    for (const std::int16_t points : quarters)
      row.Integer(points);
    if (score.overtime)
      row.Integer(overtime);
    else
      row.Empty();
  };
  side(score.visitingQuarters, score.visitingOvertime);
  side(score.homeQuarters, score.homeOvertime);
  row.Integer(score.visitingPoints).Integer(score.homePoints);
  return row.Finish();
}

}  // namespace yl::reports
