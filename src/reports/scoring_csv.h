// scoring.csv: one row per entry of a game's scoring summary.
#pragma once

#include <string>
#include <string_view>

#include "stats/scoring_summary.h"

namespace yl::reports {

// The header row; its names and order are a stable interface.
std::string ScoringCsvHeader();

// The name the table gives a kind of entry ("rushing_touchdown").
std::string_view ScoringKindName(stats::ScoringKind kind);

// The rows of the summary's entries in order; fields never filled are empty.
std::string ScoringCsvRows(std::string_view game, const stats::ScoringSummary& summary);

}  // namespace yl::reports
