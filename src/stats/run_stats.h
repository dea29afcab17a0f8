// The stats state a compile run keeps outside the players' records: the
// scoring summary of the current game and the six longest-play lists.
#pragma once

#include "stats/longest_lists.h"
#include "stats/scoring_summary.h"

namespace yl::stats {

struct RunStats {
  ScoringSummary scoring;
  LongestLists longest;
};

}  // namespace yl::stats
