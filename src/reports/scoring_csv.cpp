// scoring.csv.
#include "reports/scoring_csv.h"

#include <cstdio>

#include "reports/csv_text.h"

namespace yl::reports {

namespace {

using stats::kNotSet;
using stats::ScoringKind;

void NumberOrEmpty(CsvRow& row, std::int16_t value) {
  if (value == kNotSet)
    row.Empty();
  else
    row.Integer(value);
}

}  // namespace

std::string ScoringCsvHeader() {
  CsvRow row;
  for (const std::string_view column :
       {"game", "quarter", "time_elapsed", "team", "kind", "player1_number", "player1",
        "player2_number", "player2", "yards"})
    row.Text(column);
  return row.Finish();
}

std::string_view ScoringKindName(ScoringKind kind) {
  switch (kind) {
    case ScoringKind::kPuntTouchdown:
      return "punt_touchdown";
    case ScoringKind::kSafety:
      return "safety";
    case ScoringKind::kTwoPointRunGood:
      return "two_point_run_good";
    case ScoringKind::kTwoPointRunFailed:
      return "two_point_run_failed";
    case ScoringKind::kTwoPointPassGood:
      return "two_point_pass_good";
    case ScoringKind::kTwoPointPassFailed:
      return "two_point_pass_failed";
    case ScoringKind::kExtraPointGood:
      return "extra_point_good";
    case ScoringKind::kExtraPointFailed:
      return "extra_point_failed";
    case ScoringKind::kFieldGoalGood:
      return "field_goal_good";
    case ScoringKind::kFieldGoalMissed:
      return "field_goal_missed";
    case ScoringKind::kKickoffReturnTouchdown:
      return "kickoff_return_touchdown";
    case ScoringKind::kPuntReturnTouchdown:
      return "punt_return_touchdown";
    case ScoringKind::kInterceptionReturnTouchdown:
      return "interception_return_touchdown";
    case ScoringKind::kFumbleRecoveryTouchdown:
      return "fumble_recovery_touchdown";
    case ScoringKind::kPassingTouchdown:
      return "passing_touchdown";
    case ScoringKind::kRushingTouchdown:
      return "rushing_touchdown";
    case ScoringKind::kNone:
      break;
  }
  return "";
}

std::string ScoringCsvRows(std::string_view game, const stats::ScoringSummary& summary) {
  std::string text;
  CsvRow row;
  for (const stats::ScoringDriveRecord& entry : summary.entries) {
    const stats::ScoringDriveRecord* e = &entry;
    row.MacRoman(game);
    NumberOrEmpty(row, e->quarter);
    if (e->minutes == kNotSet || e->seconds == kNotSet) {
      row.Empty();
    } else {
      char time[16];
      std::snprintf(time, sizeof time, "%d:%02d", e->minutes, e->seconds);
      row.Text(time);
    }
    row.MacRoman(e->team).Text(ScoringKindName(e->kind));
    NumberOrEmpty(row, e->number1);
    row.MacRoman(e->player1);
    NumberOrEmpty(row, e->number2);
    row.MacRoman(e->player2);
    NumberOrEmpty(row, e->yards);
    text += row.Finish();
  }
  return text;
}

}  // namespace yl::reports
