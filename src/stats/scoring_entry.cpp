// Filling the scoring summary.
#include "stats/scoring_entry.h"

#include <string>

#include "run/errors.h"

namespace yl::stats {

namespace {

// The team of an event without a named player: a punt touchdown goes to the
// side that snapped the ball, a safety to the side that did not have it at
// the end, anything else to the side that had it at the end.
std::string TeamWithoutPlayer(const GameCredit& game, const CurrentPlay& play, ScoringKind kind) {
  if (kind == ScoringKind::kPuntTouchdown)
    return std::string(TeamNameOfGroup(game, play.groupAtSnap));
  if (kind == ScoringKind::kSafety) {
    const std::string home = game.read.home != nullptr ? game.read.home->name : std::string();
    if (home != TeamNameOfGroup(game, play.groupAfter)) return home;
    return game.read.visiting != nullptr ? game.read.visiting->name : std::string();
  }
  return std::string(TeamNameOfGroup(game, play.groupAfter));
}

}  // namespace

void AddScoringEntry(GameCredit& game, const CurrentPlay& play, ScoringKind kind,
                     PlayerRecord* player, bool append) {
  if (game.scoring == nullptr) return;
  ScoringSummary& summary = *game.scoring;
  if (summary.appendNext || summary.entries.empty()) {
    run::Allocating(run::ErrorKind::kScoringEntryMemory, [&] { summary.entries.emplace_back(); });
  }
  ScoringDriveRecord& entry = summary.entries.back();

  const transcript::Situation& situation = play.situation;
  if (situation.quarter) entry.quarter = *situation.quarter;
  const std::optional<std::int16_t> minutes = situation.minutes;
  const std::optional<std::int16_t> seconds = situation.seconds;
  if (minutes && seconds) {
    // Time elapsed in a 15-minute quarter.
    entry.minutes = static_cast<std::int16_t>(14 - *minutes);
    entry.seconds = static_cast<std::int16_t>(60 - *seconds);
    if (entry.seconds == 60) {
      entry.seconds = 0;
      ++entry.minutes;
    }
  }

  if (player != nullptr) {
    entry.team = player->teamName;
    if (entry.player1.empty()) {
      entry.player1 = player->name;
      entry.number1 = player->number;
    } else {
      entry.player2 = player->name;
      entry.number2 = player->number;
    }
  } else {
    entry.team = TeamWithoutPlayer(game, play, kind);
  }
  entry.yards = Yards(play);
  entry.kind = kind;

  summary.appendNext = append;
}

void CloseScoringEntry(GameCredit& game) {
  if (game.scoring != nullptr) game.scoring->appendNext = true;
}

}  // namespace yl::stats
