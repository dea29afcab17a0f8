// The game report.
#include "reports/game_report.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "reports/report_buffer.h"
#include "reports/report_text.h"
#include "run/errors.h"

namespace yl::reports {

namespace {

using league::TeamRecord;
using league::TeamTotals;

std::int64_t Length(std::string_view text) {
  return static_cast<std::int64_t>(text.size());
}

void WriteTitleLine(ReportOutput& out, const GameTeams& teams) {
  WriteString(out, teams.visiting->name);
  WriteString(out, " ");
  WriteString(out, IntegerText(teams.visiting->own.points));
  WriteString(out, " @ ");
  WriteString(out, teams.home->name);
  WriteString(out, " ");
  WriteString(out, IntegerText(teams.home->own.points));
  EndLine(out);
}

// ---- Quarter table ----

void WriteGameQuarterTable(ReportOutput& out, const GameTeams& teams) {
  const std::int64_t nameWidth = std::max(Length(teams.visiting->name), Length(teams.home->name));
  WriteQuarterTable(
      out, nameWidth, teams.home->own.overtimePoints != -1,
      {{teams.visiting->name, teams.visiting->own}, {teams.home->name, teams.home->own}});
}

// ---- Scoring summary ----

// The phrase of a kind: the lead player, the yards when the kind has them,
// the fixed text, and the passer after it for passes.
enum class Lead : std::uint8_t { kNobody, kPlayer, kReceiver };
struct KindPhrase {
  Lead lead;
  bool yards;
  std::string_view text;
  bool passerAfter;
};

constexpr std::array<KindPhrase, 17> kKindPhrases = {{
    {Lead::kNobody, false, "", false},  // no kind 0
    {Lead::kNobody, false, "Magic Punt TD", false},
    {Lead::kNobody, false, "Safety", false},
    {Lead::kPlayer, false, " TWO POINT RUSH", false},
    {Lead::kPlayer, false, " TWO POINT RUSH FAILED", false},
    {Lead::kReceiver, false, " TWO POINT PASS from ", true},
    {Lead::kReceiver, false, " TWO POINT PASS FAILED from ", true},
    {Lead::kPlayer, false, " EXTRA POINT", false},
    {Lead::kPlayer, false, " EXTRA POINT FAILED", false},
    {Lead::kPlayer, true, " yard FIELD GOAL", false},
    {Lead::kPlayer, true, " yard FIELD GOAL FAILED", false},
    {Lead::kPlayer, true, " yard KICKOFF RETURN TD", false},
    {Lead::kPlayer, true, " yard PUNT RETURN TD", false},
    {Lead::kPlayer, true, " yard INTERCEPTION RETURN TD", false},
    {Lead::kPlayer, true, " yard RECOVERY RETURN TD", false},
    {Lead::kReceiver, true, " yard TD PASS from ", true},
    {Lead::kPlayer, true, " yard TD RUN", false},
}};

// A failed two-point pass that names no receiver.
constexpr KindPhrase kPassFailedWithoutReceiver = {Lead::kPlayer, false, " TWO POINT PASS FAILED",
                                                   false};

std::string PlayerText(std::int16_t number, const std::string& name) {
  return "#" + IntegerText(number) + " " + name;
}

void WriteSummaryHeading(ReportOutput& out, int quarter) {
  static constexpr std::array<std::string_view, 6> kHeadings = {
      "", "First Quarter", "Second Quarter", "Third Quarter", "Fourth Quarter", "Overtime"};
  if (quarter > 1) EndLine(out);
  WriteString(out, kHeadings[quarter]);
  EndLine(out);
  WriteDashes(out, Length(kHeadings[quarter]));
  EndLine(out);
}

void WriteScoringLine(ReportOutput& out, const stats::ScoringDriveRecord& entry) {
  WriteString(out, entry.team);
  WriteString(out, "--(");
  WriteString(out, IntegerText(entry.minutes));
  WriteString(out, ":");
  if (entry.seconds < 10) WriteString(out, "0");
  WriteString(out, IntegerText(entry.seconds));
  WriteString(out, ")--");
  WriteString(out, ScoringPhrase(entry));
  EndLine(out);
}

// One cursor walks the entries once, quarter by quarter; the overtime part is
// there only when the game went to overtime.
void WriteScoringSummary(ReportOutput& out, const GameTeams& teams,
                         const stats::ScoringSummary& scoring) {
  auto cursor = scoring.entries.begin();
  const auto end = scoring.entries.end();
  for (int quarter = 1; quarter <= 5; ++quarter) {
    if (quarter == 5 && teams.home->own.overtimePoints == -1) return;
    WriteSummaryHeading(out, quarter);
    if (cursor == end || cursor->quarter != quarter) {
      WriteString(out, "No Scoring");
      EndLine(out);
      continue;
    }
    for (; cursor != end && cursor->quarter == quarter; ++cursor)
      WriteScoringLine(out, *cursor);
  }
}

// ---- Comparison table ----

constexpr std::int64_t kLabelWidth = 24;

std::string TimeText(std::int32_t minutes, std::int32_t seconds) {
  return IntegerText(minutes) + ":" + (seconds < 10 ? "0" : "") + IntegerText(seconds);
}

constexpr ComparisonRow kComparisonRows[] = {
    {"Rushing Yards", [](const TeamTotals& t) { return IntegerText(t.rushingYards); }, false},
    {"Rushing Plays", [](const TeamTotals& t) { return IntegerText(t.rushingPlays); }, false},
    {"Yards Per Rush",
     [](const TeamTotals& t) { return RatioText(t.rushingYards, t.rushingPlays, 1); }, false},
    {"Passing Yards", [](const TeamTotals& t) { return IntegerText(t.passingYards); }, false},
    {"Passing Plays", [](const TeamTotals& t) { return IntegerText(t.passingPlays); }, false},
    {"Yards Per Pass",
     [](const TeamTotals& t) { return RatioText(t.passingYards, t.passingPlays, 1); }, false},
    {"Passes (Comp/Atts)", [](const TeamTotals& t) { return PairText(t.completions, t.attempts); },
     false},
    {"Completion Percentage",
     [](const TeamTotals& t) { return RatioText(t.completions, t.attempts, 2); }, false},
    {"Sacked", [](const TeamTotals& t) { return IntegerText(t.timesSacked); }, false},
    {"Intercepted", [](const TeamTotals& t) { return IntegerText(t.intercepted); }, false},
    {"Fumbles (No/Lost)", [](const TeamTotals& t) { return PairText(t.fumbles, t.fumblesLost); },
     false},
    {"First Downs", [](const TeamTotals& t) { return IntegerText(t.firstDowns); }, false},
    {"3rd Down Efficiency",
     [](const TeamTotals& t) { return FormatDecimal(t.thirdDownEfficiency, 2); }, false},
    {"Punts", [](const TeamTotals& t) { return IntegerText(t.punts); }, false},
    {"Yards Per Punt", [](const TeamTotals& t) { return FormatDecimal(t.yardsPerPunt, 1); }, false},
    {"Net Yards", [](const TeamTotals& t) { return IntegerText(t.netYards); }, true},
    {"Yards Per Punt Return",
     [](const TeamTotals& t) { return FormatDecimal(t.yardsPerPuntReturn, 1); }, false},
    {"Yards Per Kick Return",
     [](const TeamTotals& t) { return FormatDecimal(t.yardsPerKickReturn, 1); }, false},
    {"Yards Per Turnover", [](const TeamTotals& t) { return FormatDecimal(t.yardsPerTurnover, 1); },
     false},
    {"Touchdowns", [](const TeamTotals& t) { return IntegerText(t.touchdowns); }, false},
    {"Extra Points", [](const TeamTotals& t) { return IntegerText(t.extraPoints); }, false},
    {"Field Goals (No/Atts)",
     [](const TeamTotals& t) { return PairText(t.fieldGoalsMade, t.fieldGoalsAttempted); }, false},
    {"Yards Per Field Goal",
     [](const TeamTotals& t) { return FormatDecimal(t.yardsPerFieldGoal, 1); }, false},
    {"Safeties", [](const TeamTotals& t) { return IntegerText(t.safeties); }, false},
    {"Penalties (No/Yards)",
     [](const TeamTotals& t) { return PairText(t.penalties, t.penaltyYards); }, false},
    {"Total Plays", [](const TeamTotals& t) { return IntegerText(t.totalPlays); }, false},
    {"Total Time", [](const TeamTotals& t) { return TimeText(t.timeMinutes, t.timeSeconds); },
     true},
    {"Total Yards", [](const TeamTotals& t) { return IntegerText(t.totalYards); }, false},
};

}  // namespace

std::span<const ComparisonRow> TeamComparisonRows() {
  return kComparisonRows;
}

namespace {

void WriteComparisonTable(ReportOutput& out, const GameTeams& teams) {
  const std::int64_t width =
      std::max({std::int64_t{10}, Length(teams.visiting->name), Length(teams.home->name)});
  WriteBlanks(out, kLabelWidth);
  WriteRightAligned(out, teams.visiting->name, width);
  WriteString(out, "   ");
  WriteRightAligned(out, teams.home->name, width);
  EndLineTwice(out);
  for (const ComparisonRow& row : kComparisonRows) {
    WriteLeftAligned(out, row.label, kLabelWidth);
    WriteRightAligned(out, row.value(teams.visiting->own), width);
    WriteString(out, "   ");
    WriteRightAligned(out, row.value(teams.home->own), width);
    if (row.emptyLineAfter) {
      EndLineTwice(out);
    } else {
      EndLine(out);
    }
  }
}

}  // namespace

std::string ScoringPhrase(const stats::ScoringDriveRecord& entry) {
  const auto kind = static_cast<std::int16_t>(entry.kind);
  if (kind < 1 || kind >= static_cast<std::int16_t>(kKindPhrases.size())) return {};
  const KindPhrase* phrase = &kKindPhrases[static_cast<std::size_t>(kind)];
  if (entry.kind == stats::ScoringKind::kTwoPointPassFailed && entry.player2.empty())
    phrase = &kPassFailedWithoutReceiver;
  const std::string player = PlayerText(entry.number1, entry.player1);
  std::string text;
  if (phrase->lead == Lead::kPlayer) text += player;
  if (phrase->lead == Lead::kReceiver) text += PlayerText(entry.number2, entry.player2);
  if (phrase->yards) text += " " + IntegerText(entry.yards);
  text += phrase->text;
  if (phrase->passerAfter) text += player;
  return text;
}

void WriteQuarterTable(ReportOutput& out, std::int64_t nameWidth, bool overtime,
                       std::initializer_list<QuarterRow> rows) {
  const std::int64_t total = nameWidth + (overtime ? 38 : 32);
  WriteDashes(out, total);
  EndLine(out);
  WriteBlanks(out, nameWidth);
  WriteString(out, "   1st   2nd   3rd   4th");
  if (overtime) WriteString(out, "    OT");
  WriteString(out, "   Final");
  EndLine(out);
  for (const QuarterRow& row : rows) {
    WriteLeftAligned(out, row.name, nameWidth);
    for (const std::int32_t points : row.totals.quarterPoints)
      WriteRightAligned(out, IntegerText(points), 6);
    if (row.totals.overtimePoints != -1)
      WriteRightAligned(out, IntegerText(row.totals.overtimePoints), 6);
    WriteRightAligned(out, IntegerText(row.totals.points), 8);
    EndLine(out);
  }
  WriteDashes(out, total);
  EndLine(out);
}

void WriteGameStats(ReportOutput& out, const GameTeams& teams,
                    const stats::ScoringSummary& scoring) {
  if (teams.home == nullptr || teams.visiting == nullptr)
    run::Fail(run::ErrorKind::kGameTeamsMissing);
  WriteTitleLine(out, teams);
  EndLine(out);
  WriteGameQuarterTable(out, teams);
  EndLine(out);
  WriteScoringSummary(out, teams, scoring);
  EndLine(out);
  WriteComparisonTable(out, teams);
  EndLine(out);
}

}  // namespace yl::reports
