// The scoring summary of the current game.
#include "stats/scoring_summary.h"

#include <new>

#include "run/errors.h"

namespace yl::stats {

ScoringDriveRecord* CreateScoringDrive(ScoringSummary& summary) {
  return run::Allocating(run::ErrorKind::kScoringEntryMemory,
                         [&] { return &summary.entries.emplace_back(); });
}

void LinkScoringDrive(ScoringSummary& summary, ScoringDriveRecord* entry) {
  if (entry == nullptr || entry == summary.tail) return;
  entry->next = nullptr;
  if (summary.tail == nullptr) {
    summary.head = entry;
  } else {
    summary.tail->next = entry;
  }
  summary.tail = entry;
}

void ResetScoringSummary(ScoringSummary& summary) {
  // The entries of an earlier game can no longer be reached; they are freed
  // here rather than kept until the end of the run.
  DisposeScoringSummary(summary);
  summary.appendNext = true;
}

void DisposeScoringSummary(ScoringSummary& summary) {
  summary.head = nullptr;
  summary.tail = nullptr;
  summary.current = nullptr;
  summary.entries.clear();
}

}  // namespace yl::stats
