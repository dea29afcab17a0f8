// The statistics of the player tables and how their cells are written.
#include "reports/stat_columns.h"

#include "reports/report_text.h"
#include "stats/ranking.h"

namespace yl::reports {

namespace {

// Averages, percentages and the rating.
constexpr int kDecimals = 2;

}  // namespace

std::string StatText(const Statistic& stat, const league::PlayerRecord& player) {
  const std::int64_t part = stat.part(player);
  switch (stat.shape) {
    case Shape::kCount:
      return IntegerText(part);
    case Shape::kLongest:
      return IntegerText(part == league::kNoLongest ? 0 : part);
    case Shape::kAverage:
      return RatioText(static_cast<double>(part), stat.whole(player), kDecimals);
    case Shape::kPercent:
      return PercentText(part, stat.whole(player));
    case Shape::kPair:
      return PairText(part, stat.whole(player));
    case Shape::kRating: {
      if (!player.passing || part == 0) return RatioText(0, 0, kDecimals);
      const league::PassingRecord& r = *player.passing;
      return FormatDecimal(
          stats::PasserRating(r.completions, r.attempts, r.yards, r.touchdowns, r.interceptions),
          kDecimals);
    }
  }
  return {};
}

}  // namespace yl::reports
