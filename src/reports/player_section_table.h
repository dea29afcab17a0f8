// The sixteen team player stat sections as data: per section its title, the
// record a player needs to be listed, the sort key, the position tags and the
// columns with their header words and statistics.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "league/league.h"
#include "reports/stat_columns.h"
#include "reports/table_layout.h"
#include "stats/ranking.h"

namespace yl::reports {

// Which position names the tag of the name cell shows.
enum class PositionTags : std::uint8_t { kOffensive, kDefensive, kBySide };

enum class SectionId : std::uint8_t {
  kPassing,
  kRushing,
  kReceiving,
  kFieldGoal,
  kExtraPoint,
  kTwoPoint,
  kScoring,
  kMiscOffensive,
  kPunting,
  kPuntReturn,
  kKickReturn,
  kSpecialTeams,
  kDefensive,
  kInterception,
  kRecovery,
  kPenalty,
};

constexpr std::size_t kSectionCount = 16;

struct PlayerSection {
  SectionId id;
  std::string_view title;
  stats::StatKey key;
  bool (*listed)(const league::PlayerRecord& player);  // has the section's record(s)
  PositionTags tags;
  std::span<const StatColumn> columns;
  std::int32_t separator = 1;                // blanks between value columns
  std::span<const ColumnGroup> groups = {};  // empty: no group line
  bool leftOutInGameMode = false;
};

// The sixteen sections in report order.
std::span<const PlayerSection> PlayerSections();

}  // namespace yl::reports
