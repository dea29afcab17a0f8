// The statistics of the player tables and how their cells are written.
#include "reports/stat_columns.h"

#include <charconv>
#include <cstring>

#include "reports/report_text.h"
#include "stats/ranking.h"

namespace yl::reports {

namespace {

// Averages, percentages and the rating.
constexpr int kDecimals = 2;

}  // namespace

char* StatTextInto(char* dest, const Statistic& stat, const league::PlayerRecord& player) {
  static_assert(kStatTextRoom >= DecimalRoom(kDecimals) && kStatTextRoom >= 2 * 20 + 1);
  const auto integer = [&](std::int64_t value) {
    return std::to_chars(dest, dest + kStatTextRoom, value).ptr;
  };
  // A zero divisor is never divided by (RatioText).
  const auto ratio = [&](double numerator, std::int64_t divisor) {
    if (divisor != 0)
      return FormatDecimalInto(dest, numerator / static_cast<double>(divisor), kDecimals);
    std::memcpy(dest, "0.00", 4);
    return dest + 4;
  };
  const std::int64_t part = stat.part(player);
  switch (stat.shape) {
    case Shape::kCount:
      return integer(part);
    case Shape::kLongest:
      return integer(part == league::kNoLongest ? 0 : part);
    case Shape::kAverage:
      return ratio(static_cast<double>(part), stat.whole(player));
    case Shape::kPercent:
      return ratio(static_cast<double>(part) * 100.0, stat.whole(player));
    case Shape::kPair: {
      const std::int64_t whole = stat.whole(player);
      dest = integer(part);
      *dest++ = '/';
      return integer(whole);
    }
    case Shape::kRating: {
      if (!player.passing || part == 0) return ratio(0, 0);
      const league::PassingRecord& r = *player.passing;
      return FormatDecimalInto(
          dest,
          stats::PasserRating(r.completions, r.attempts, r.yards, r.touchdowns, r.interceptions),
          kDecimals);
    }
  }
  return dest;
}

std::string StatText(const Statistic& stat, const league::PlayerRecord& player) {
  char text[kStatTextRoom];
  return std::string(text, StatTextInto(text, stat, player));
}

}  // namespace yl::reports
