// The end-of-game team box.
#include "transcript/team_box.h"

#include <array>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace yl::transcript {

namespace {

using league::TeamRecord;
using league::TeamTotals;

// Totals add up over a run; they wrap instead of overflowing.
void Add(std::int32_t& total, std::int32_t value) {
  total = static_cast<std::int32_t>(static_cast<std::uint32_t>(total) +
                                    static_cast<std::uint32_t>(value));
}

enum class Row : std::uint8_t {
  kSkip,
  kPair,      // one count per team
  kQuad,      // two counts per team
  kAverages,  // one decimal per team, stored
  kTime,      // minutes and seconds per team
  kPoints,    // the game's points: added, and the result settled
  kHeading,   // the quarter table's heading: an "O" marks an overtime column
  kVisitingQuarters,
  kHomeQuarters,
};

struct BoxRow {
  Row kind;
  std::size_t start;
  std::int32_t TeamTotals::*first;
  std::int32_t TeamTotals::*second;
  double TeamTotals::*average;
};

constexpr BoxRow Skip() {
  return {Row::kSkip, 0, nullptr, nullptr, nullptr};
}
constexpr BoxRow Pair(std::int32_t TeamTotals::*field) {
  return {Row::kPair, 0, field, nullptr, nullptr};
}
constexpr BoxRow Quad(std::int32_t TeamTotals::*first, std::int32_t TeamTotals::*second) {
  return {Row::kQuad, 0, first, second, nullptr};
}
constexpr BoxRow Averages(double TeamTotals::*field, std::size_t start = 0) {
  return {Row::kAverages, start, nullptr, nullptr, field};
}
constexpr BoxRow Other(Row kind, std::size_t start = 0) {
  return {kind, start, nullptr, nullptr, nullptr};
}

// Start positions 10 and 11 pass over the label or team-name column, so that
// no digit or "-" in it is read.
constexpr std::array<BoxRow, kTeamBoxLines> kBoxRows = {{
    Skip(),                                                               // 1
    Skip(),                                                               // 2
    Pair(&TeamTotals::rushingYards),                                      // 3
    Pair(&TeamTotals::rushingPlays),                                      // 4
    Skip(),                                                               // 5
    Pair(&TeamTotals::passingYards),                                      // 6
    Pair(&TeamTotals::passingPlays),                                      // 7
    Skip(),                                                               // 8
    Quad(&TeamTotals::completions, &TeamTotals::attempts),                // 9
    Skip(),                                                               // 10
    Pair(&TeamTotals::timesSacked),                                       // 11
    Pair(&TeamTotals::intercepted),                                       // 12
    Quad(&TeamTotals::fumbles, &TeamTotals::fumblesLost),                 // 13
    Pair(&TeamTotals::firstDowns),                                        // 14
    Averages(&TeamTotals::thirdDownEfficiency, 10),                       // 15
    Pair(&TeamTotals::punts),                                             // 16
    Averages(&TeamTotals::yardsPerPunt),                                  // 17
    Pair(&TeamTotals::netYards),                                          // 18
    Averages(&TeamTotals::yardsPerPuntReturn),                            // 19
    Averages(&TeamTotals::yardsPerKickReturn),                            // 20
    Averages(&TeamTotals::yardsPerTurnover),                              // 21
    Pair(&TeamTotals::touchdowns),                                        // 22
    Pair(&TeamTotals::extraPoints),                                       // 23
    Quad(&TeamTotals::fieldGoalsMade, &TeamTotals::fieldGoalsAttempted),  // 24
    Averages(&TeamTotals::yardsPerFieldGoal),                             // 25
    Pair(&TeamTotals::safeties),                                          // 26
    Quad(&TeamTotals::penalties, &TeamTotals::penaltyYards),              // 27
    Pair(&TeamTotals::totalPlays),                                        // 28
    Other(Row::kTime),                                                    // 29
    Pair(&TeamTotals::totalYards),                                        // 30
    Other(Row::kPoints),                                                  // 31
    Skip(),                                                               // 32
    Other(Row::kHeading),                                                 // 33
    Other(Row::kVisitingQuarters, 11),                                    // 34
    Other(Row::kHomeQuarters, 11),                                        // 35
}};

// A team's own totals and the other team's opponent totals take the same
// figure.
void AddBoth(TeamRecord& team, TeamRecord& other, std::int32_t TeamTotals::*field,
             std::int32_t value) {
  Add(team.own.*field, value);
  Add(other.opponents.*field, value);
}

void CarryMinutes(TeamTotals& totals) {
  if (totals.timeSeconds >= 60) {
    Add(totals.timeMinutes, totals.timeSeconds / 60);
    totals.timeSeconds %= 60;
  }
}

void AddTime(TeamRecord& team, TeamRecord& other, std::int16_t minutes, std::int16_t seconds) {
  AddBoth(team, other, &TeamTotals::timeMinutes, minutes);
  AddBoth(team, other, &TeamTotals::timeSeconds, seconds);
  CarryMinutes(team.own);
  CarryMinutes(other.opponents);
}

void AddQuarters(std::string_view line, std::size_t position, bool overtime, TeamRecord& team,
                 TeamRecord& other, std::array<std::int16_t, 4>& quarters,
                 std::int16_t& overtimePoints) {
  for (std::size_t q = 0; q < team.own.quarterPoints.size(); ++q) {
    const std::int16_t points = ReadBoxInteger(line, position);
    quarters[q] = points;
    Add(team.own.quarterPoints[q], points);
    Add(other.opponents.quarterPoints[q], points);
  }
  if (!overtime) return;
  const std::int16_t points = ReadBoxInteger(line, position);
  overtimePoints = points;
  for (TeamTotals* totals : {&team.own, &other.opponents}) {
    if (totals->overtimePoints == -1) totals->overtimePoints = 0;
    Add(totals->overtimePoints, points);
  }
}

// The position of the first digit or "-" at or after `from`; the line's
// size (or `from`, past it) when none is. The labels before a box's numbers
// are passed over sixteen bytes at a time.
std::size_t NextDigitOrDash(std::string_view line, std::size_t from) {
  std::size_t i = from;
#if defined(__SSE2__)
  for (; i + 16 <= line.size(); i += 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(line.data() + i));
    const auto dashes =
        static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, _mm_set1_epi8('-'))));
    const unsigned found = DigitBits(line.data() + i) | dashes;
    if (found != 0) return i + static_cast<std::size_t>(__builtin_ctz(found));
  }
#endif
  while (i < line.size() && line[i] != '-' && !IsDigit(line[i]))
    ++i;
  return i;
}

void SettleResult(TeamRecord& home, TeamRecord& visiting, std::int16_t homePoints,
                  std::int16_t visitingPoints) {
  ++home.gamesPlayed;
  ++visiting.gamesPlayed;
  if (homePoints > visitingPoints) {
    ++home.wins;
    ++visiting.losses;
  } else if (visitingPoints > homePoints) {
    ++visiting.wins;
    ++home.losses;
  } else {
    ++home.ties;
    ++visiting.ties;
  }
}

}  // namespace

std::int16_t ReadBoxInteger(std::string_view line, std::size_t& position) {
  std::uint16_t value = 0;
  bool negative = false;
  bool digits = false;
  position = NextDigitOrDash(line, position);  // the bytes before are skipped
  while (position < line.size()) {
    const char c = line[position++];
    if (c == '-') {
      negative = true;
    } else if (IsDigit(c)) {
      value = static_cast<std::uint16_t>(value * 10u + static_cast<unsigned>(c - '0'));
      digits = true;
    } else if (digits) {
      break;
    }
  }
  if (negative) value = static_cast<std::uint16_t>(0u - value);
  return static_cast<std::int16_t>(value);
}

double ReadBoxReal(std::string_view line, std::size_t& position) {
  double value = 0;
  double scale = 1;
  bool negative = false;
  bool fraction = false;
  while (position < line.size()) {
    const char c = line[position++];
    if (c == '-') {
      negative = true;
    } else if (!fraction) {
      if (IsDigit(c)) {
        value = value * 10 + (c - '0');
      } else if (c == '.') {
        fraction = true;
      }
    } else if (IsDigit(c)) {
      scale *= 0.1;
      value += (c - '0') * scale;
    } else {
      break;
    }
  }
  return negative ? value * -1 : value;
}

std::optional<BoxFault> CheckTeamBox(TranscriptText& text) {
  const std::int32_t start = text.position;
  LineState state;
  std::optional<BoxFault> fault;
  for (int row = 0; row < kTeamBoxLines && !fault; ++row) {
    ReadLine(text, state);
    if (state.atEnd) {
      fault = BoxFault{run::ErrorKind::kGameCutShort, {}};
      break;
    }
    const std::string_view line = state.line.substr(0, kBoxLineLength);
    for (std::size_t p = NextDigit(line, 0); p < line.size(); p = NextDigit(line, p)) {
      if (!ReadNumber(line, p)) {
        fault = BoxFault{run::ErrorKind::kBoxNumber, state.line};
        break;
      }
    }
  }
  text.position = start;
  return fault;
}

GameScore ReadTeamBox(TranscriptText& text, TeamRecord& home, TeamRecord& visiting) {
  GameScore score;
  LineState state;
  bool overtime = false;
  for (const BoxRow& row : kBoxRows) {
    ReadLine(text, state);
    const std::string_view line = state.line.substr(0, kBoxLineLength);
    std::size_t position = row.start;
    switch (row.kind) {
      case Row::kSkip:
        break;
      case Row::kPair: {
        const std::int16_t v = ReadBoxInteger(line, position);
        const std::int16_t h = ReadBoxInteger(line, position);
        AddBoth(visiting, home, row.first, v);
        AddBoth(home, visiting, row.first, h);
        break;
      }
      case Row::kQuad: {
        const std::int16_t v1 = ReadBoxInteger(line, position);
        const std::int16_t v2 = ReadBoxInteger(line, position);
        const std::int16_t h1 = ReadBoxInteger(line, position);
        const std::int16_t h2 = ReadBoxInteger(line, position);
        AddBoth(visiting, home, row.first, v1);
        AddBoth(visiting, home, row.second, v2);
        AddBoth(home, visiting, row.first, h1);
        AddBoth(home, visiting, row.second, h2);
        break;
      }
      case Row::kAverages: {
        const double v = ReadBoxReal(line, position);
        const double h = ReadBoxReal(line, position);
        visiting.own.*row.average = v;
        home.opponents.*row.average = v;
        home.own.*row.average = h;
        visiting.opponents.*row.average = h;
        break;
      }
      case Row::kTime: {
        const std::int16_t vm = ReadBoxInteger(line, position);
        const std::int16_t vs = ReadBoxInteger(line, position);
        const std::int16_t hm = ReadBoxInteger(line, position);
        const std::int16_t hs = ReadBoxInteger(line, position);
        AddTime(visiting, home, vm, vs);
        AddTime(home, visiting, hm, hs);
        break;
      }
      case Row::kPoints: {
        const std::int16_t v = ReadBoxInteger(line, position);
        const std::int16_t h = ReadBoxInteger(line, position);
        AddBoth(visiting, home, &TeamTotals::points, v);
        AddBoth(home, visiting, &TeamTotals::points, h);
        SettleResult(home, visiting, h, v);
        score.visitingPoints = v;
        score.homePoints = h;
        break;
      }
      case Row::kHeading:
        overtime = line.find('O') != std::string_view::npos;
        score.overtime = overtime;
        break;
      case Row::kVisitingQuarters:
        AddQuarters(line, position, overtime, visiting, home, score.visitingQuarters,
                    score.visitingOvertime);
        break;
      case Row::kHomeQuarters:
        AddQuarters(line, position, overtime, home, visiting, score.homeQuarters,
                    score.homeOvertime);
        break;
    }
  }
  return score;
}

}  // namespace yl::transcript
