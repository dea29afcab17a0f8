// The game report.
#include "reports/game_report.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "reports/report_buffer.h"
#include "reports/report_text.h"
#include "run/alert.h"
#include "run/compile_run.h"

namespace yl::reports {

namespace {

using league::TeamRecord;
using league::TeamTotals;

struct GameTeams {
  const TeamRecord* visiting = nullptr;
  const TeamRecord* home = nullptr;
};

// The last team of the list flagged home and the last flagged visiting.
GameTeams FindGameTeams(run::CompileRun& run) {
  GameTeams teams;
  for (const TeamRecord* t = run.league.teams; t != nullptr; t = t->next) {
    if (t->homeFlag == 1) teams.home = t;
    if (t->homeFlag == 0) teams.visiting = t;
  }
  if (teams.home == nullptr || teams.visiting == nullptr)
    run::ErrorAlert("pWriteGameStats: Couldn't find visiting or home team");
  return teams;
}

std::int64_t Length(std::string_view text) {
  return static_cast<std::int64_t>(text.size());
}

void WriteTitleLine(run::CompileRun& run, const GameTeams& teams) {
  WriteString(run, teams.visiting->name);
  WriteString(run, " ");
  WriteString(run, IntegerText(teams.visiting->own.points));
  WriteString(run, " @ ");
  WriteString(run, teams.home->name);
  WriteString(run, " ");
  WriteString(run, IntegerText(teams.home->own.points));
  EndLine(run);
}

// ---- Quarter table ----

void WriteGameQuarterTable(run::CompileRun& run, const GameTeams& teams) {
  const std::int64_t nameWidth = std::max(Length(teams.visiting->name), Length(teams.home->name));
  WriteQuarterTable(
      run, nameWidth, teams.home->own.overtimePoints != -1,
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

void WriteSummaryHeading(run::CompileRun& run, int quarter) {
  static constexpr std::array<std::string_view, 6> kHeadings = {
      "", "First Quarter", "Second Quarter", "Third Quarter", "Fourth Quarter", "Overtime"};
  if (quarter > 1) EndLine(run);
  WriteString(run, kHeadings[quarter]);
  EndLine(run);
  WriteDashes(run, Length(kHeadings[quarter]));
  EndLine(run);
}

void WriteScoringLine(run::CompileRun& run, const stats::ScoringDriveRecord& entry) {
  WriteString(run, entry.team);
  WriteString(run, "--(");
  WriteString(run, IntegerText(entry.minutes));
  WriteString(run, ":");
  if (entry.seconds < 10) WriteString(run, "0");
  WriteString(run, IntegerText(entry.seconds));
  WriteString(run, ")--");
  WriteString(run, ScoringPhrase(entry));
  EndLine(run);
}

// One cursor walks the entries once, quarter by quarter; the overtime part is
// there only when the game went to overtime.
void WriteScoringSummary(run::CompileRun& run, const GameTeams& teams) {
  const stats::ScoringDriveRecord* cursor = run.stats.scoring.head;
  for (int quarter = 1; quarter <= 5; ++quarter) {
    if (quarter == 5 && teams.home->own.overtimePoints == -1) return;
    WriteSummaryHeading(run, quarter);
    if (cursor == nullptr || cursor->quarter != quarter) {
      WriteString(run, "No Scoring");
      EndLine(run);
      continue;
    }
    for (; cursor != nullptr && cursor->quarter == quarter; cursor = cursor->next)
      WriteScoringLine(run, *cursor);
  }
}

// ---- Comparison table ----

using TeamValue = std::string (*)(const TeamTotals& t);

struct ComparisonRow {
  std::string_view label;  // padded to 24 characters when written
  TeamValue value;
  bool emptyLineAfter;
};

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

void WriteComparisonTable(run::CompileRun& run, const GameTeams& teams) {
  const std::int64_t width =
      std::max({std::int64_t{10}, Length(teams.visiting->name), Length(teams.home->name)});
  WriteBlanks(run, kLabelWidth);
  WriteRightAligned(run, teams.visiting->name, width);
  WriteString(run, "   ");
  WriteRightAligned(run, teams.home->name, width);
  EndLineTwice(run);
  for (const ComparisonRow& row : kComparisonRows) {
    WriteLeftAligned(run, row.label, kLabelWidth);
    WriteRightAligned(run, row.value(teams.visiting->own), width);
    WriteString(run, "   ");
    WriteRightAligned(run, row.value(teams.home->own), width);
    if (row.emptyLineAfter) {
      EndLineTwice(run);
    } else {
      EndLine(run);
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

void WriteQuarterTable(run::CompileRun& run, std::int64_t nameWidth, bool overtime,
                       std::initializer_list<QuarterRow> rows) {
  const std::int64_t total = nameWidth + (overtime ? 38 : 32);
  WriteDashes(run, total);
  EndLine(run);
  WriteBlanks(run, nameWidth);
  WriteString(run, "   1st   2nd   3rd   4th");
  if (overtime) WriteString(run, "    OT");
  WriteString(run, "   Final");
  EndLine(run);
  for (const QuarterRow& row : rows) {
    WriteLeftAligned(run, row.name, nameWidth);
    for (const std::int32_t points : row.totals.quarterPoints)
      WriteRightAligned(run, IntegerText(points), 6);
    if (row.totals.overtimePoints != -1)
      WriteRightAligned(run, IntegerText(row.totals.overtimePoints), 6);
    WriteRightAligned(run, IntegerText(row.totals.points), 8);
    EndLine(run);
  }
  WriteDashes(run, total);
  EndLine(run);
}

void WriteGameStats(run::CompileRun& run) {
  const GameTeams teams = FindGameTeams(run);
  WriteTitleLine(run, teams);
  EndLine(run);
  WriteGameQuarterTable(run, teams);
  EndLine(run);
  WriteScoringSummary(run, teams);
  EndLine(run);
  WriteComparisonTable(run, teams);
  EndLine(run);
}

}  // namespace yl::reports
