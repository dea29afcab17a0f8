// Possession groups: the label operations, the carrying of possession from
// play to play, and the naming of the groups at the end of a game.
#include "transcript/possession.h"

#include <algorithm>
#include <utility>

#include "run/error_log.h"
#include "transcript/extras.h"
#include "transcript/game_reader.h"

namespace yl::transcript {

namespace {

std::int16_t Negate(std::int16_t label) {
  return static_cast<std::int16_t>(-label);
}

std::int16_t Magnitude(std::int16_t label) {
  return static_cast<std::int16_t>(label < 0 ? -label : label);
}

// Names the side that scored (label) and its opponents.
void AssignScore(ReadContext& context, GameState& game, std::int16_t label,
                 const league::TeamRecord* scorer, const league::TeamRecord* other) {
  if (scorer != nullptr) AssignTeamToGroup(context, game, label, scorer->name);
  if (other != nullptr) AssignTeamToGroup(context, game, Negate(label), other->name);
}

}  // namespace

std::int16_t NewLabel(GameState& game) {
  if (game.labelCounter < kMaxLabel) ++game.labelCounter;
  return game.labelCounter;
}

std::int16_t JoinGroup(GameState& game, std::int16_t label, league::PlayerRecord* player) {
  if (player == nullptr) return label;
  std::int16_t& teamGroup = game.players[*player].teamGroup;
  const std::int16_t group = teamGroup;
  if (group == Negate(label)) {
    // He is known to play against this side: the label cannot be his.
    teamGroup = NewLabel(game);
    return teamGroup;
  }
  if (group == label) return label;
  if (group == 0) {
    teamGroup = label;
    return label;
  }
  MergeGroups(game, label, group);
  MergeGroups(game, Negate(label), Negate(group));
  return game.players[*player].teamGroup;
}

std::int16_t JoinOpposingGroup(GameState& game, const CurrentPlay& play,
                               league::PlayerRecord* tackler, league::PlayerRecord* carrier,
                               std::int16_t label) {
  if (tackler == nullptr) return label;
  std::int16_t& tacklerGroup = game.players[*tackler].teamGroup;
  if (play.Player(Role::kBlocker) != nullptr && play.recoverers[0] == nullptr &&
      play.Player(Role::kInterceptor) == nullptr) {
    // A blocked kick: the tackler's side follows from whether it was returned.
    tacklerGroup = play.gain.returnSpot ? play.groupAtSnap : Negate(play.groupAtSnap);
    return label;
  }
  if (carrier == nullptr) {
    tacklerGroup = Negate(play.groupAtSnap);
    return label;
  }
  const std::int16_t a = tacklerGroup;
  const std::int16_t b = game.players[*carrier].teamGroup;
  if (a == b) {
    // A tackler already on the carrier's side: he gets a label of his own.
    game.players[*tackler].teamGroup = NewLabel(game);
    return game.players[*tackler].teamGroup;
  }
  if (a == Negate(b)) return b;
  if (a == 0) {
    game.players[*tackler].teamGroup = Negate(b);
    return b;
  }
  MergeGroups(game, Negate(b), a);
  MergeGroups(game, b, Negate(game.players[*tackler].teamGroup));
  return game.players[*carrier].teamGroup;
}

void MergeGroups(GameState& game, std::int16_t a, std::int16_t b) {
  // Label 0 is no group: merging into it would strip a whole side of its
  // label, merging it away would give a label to every ungrouped player.
  if (a == 0 || b == 0) return;
  const std::int16_t keep = Magnitude(a) < Magnitude(b) ? a : b;
  const std::int16_t drop = keep == a ? b : a;
  game.groupMap.Merge(drop, keep);
  game.players.ForEachNamed([drop, keep](const league::PlayerRecord&, InGame& inGame) {
    if (inGame.teamGroup == drop) {
      inGame.teamGroup = keep;
    } else if (inGame.otherGroup == drop) {
      inGame.otherGroup = keep;
    }
  });
}

bool AssignTeamToGroup(ReadContext& context, GameState& game, std::int16_t label,
                       std::string_view teamName) {
  const std::int16_t group = game.groupMap[label];
  if (group == 0) return true;  // would name every player not yet in a group
  bool everyone = true;
  const std::string_view name = teamName.substr(0, league::kMaxTeamName);
  const bool whole = name.size() == teamName.size();
  game.players.ForEachNamed([&](league::PlayerRecord& p, InGame& inGame) {
    if (inGame.teamGroup != group) return;
    // Most players of the group already carry the name.
    const bool same = p.teamName == teamName;
    if (same && whole) {
      inGame.teamOpen = false;
      return;
    }
    if (p.teamName.empty() || inGame.teamOpen || same ||
        league::CompareText(p.teamName, teamName, false, true)) {
      if (p.teamName != name) p.teamName.assign(name);
      inGame.teamOpen = false;
    } else {
      LogNotUnderstood(context, run::ErrorKind::kTeamNameChange, p.name);
      everyone = false;
    }
  });
  return everyone;
}

std::string_view TeamOfGroup(const league::League& league, const GamePlayers& players,
                             std::int16_t group, GroupNamer namer) {
  const auto names = [&](const league::PlayerRecord& p) {
    return players.Of(p).teamGroup == group &&
           (namer == GroupNamer::kFirstPlayer || !p.teamName.empty());
  };
  if (group == 0) {
    // Every player outside the game's groups is in "group" 0.
    for (const league::PlayerRecord& p : league::NewestFirst(league.players)) {
      if (names(p)) return p.teamName;
    }
    return {};
  }
  for (const league::PlayerRecord* p : players.Named()) {
    if (names(*p)) return p->teamName;
  }
  return {};
}

void CarryPossession(ReadContext& context, GameState& game, const CurrentPlay& play,
                     const CurrentPlay* previous) {
  if (previous == nullptr) return;
  const bool safety = previous->result == PlayResult::kSafety;
  const std::int16_t scorer = safety ? Negate(previous->groupAfter) : previous->groupAfter;
  const auto changed = [](std::optional<std::int16_t> now, std::optional<std::int16_t> before) {
    return now && before && *now != *before;
  };
  if (changed(play.situation.visitingScore, previous->situation.visitingScore)) {
    AssignScore(context, game, scorer, game.visiting, game.home);
  } else if (changed(play.situation.homeScore, previous->situation.homeScore)) {
    AssignScore(context, game, scorer, game.home, game.visiting);
  }
}

void CarryFumble(GameState& game, CurrentPlay& play, const CurrentPlay* previous) {
  if (previous == nullptr || !previous->fumble || !play.situation.down ||
      *play.situation.down <= 1) {
    return;
  }
  MergeGroups(game, play.groupAtSnap, previous->groupAtSnap);
  MergeGroups(game, Negate(play.groupAtSnap), Negate(previous->groupAtSnap));
  play.groupAtSnap = previous->groupAtSnap;
}

namespace {

// The label of the next play when no penalty was accepted.
std::int16_t AfterPlay(GameState& game, const CurrentPlay& play) {
  const std::int16_t snap = play.groupAtSnap;
  const std::int16_t after = play.groupAfter;
  switch (play.result) {
    case PlayResult::kSafety:
      return after != 0 ? after : snap;
    case PlayResult::kTouchdown:
      return after;
    case PlayResult::kPuntNotFielded:
    case PlayResult::kLooseBallOutOfBounds:
    case PlayResult::kTouchback:
      return NewLabel(game);
    case PlayResult::kFieldGoalGood:
      return snap;
    case PlayResult::kFieldGoalNoGood:
      return Negate(snap);
    default:
      break;
  }
  if (play.situation.start == StartKind::kTry) return snap;
  if ((play.kind == PlayKind::kPunt || play.kind == PlayKind::kFieldGoal) &&
      play.Player(Role::kBlocker) != nullptr)
    return NewLabel(game);
  if (play.situation.down != 4) return game.possessionLabel;
  // Fourth down: did the offense keep the ball?
  if (play.gain.returnSpot) return play.kind == PlayKind::kPunt ? game.possessionLabel : after;
  if (play.kind == PlayKind::kPunt) return game.possessionLabel;
  if (!play.gain.positive) return Negate(snap);
  if (play.gain.shortGain && play.situation.inches) return NewLabel(game);
  const std::optional<std::int16_t> gained = play.gain.yards;
  const std::optional<std::int16_t> distance = play.situation.distance;
  // Without both numbers the outcome is as undecided as an exact gain.
  if (!gained || !distance) return NewLabel(game);
  if (*gained > *distance) return snap;
  if (*gained < *distance) return Negate(snap);
  return NewLabel(game);
}

// The label of the next play after an accepted penalty.
std::int16_t AfterPenalty(const CurrentPlay& play) {
  const std::int16_t snap = play.groupAtSnap;
  const std::int16_t after = play.groupAfter;
  switch (play.penalty.kind) {
    case PenaltyKind::kPilingOn:
    case PenaltyKind::kFaceMask:
    case PenaltyKind::kPersonalFoul:
    case PenaltyKind::kUnsportsmanlikeConduct:
      return after;
    case PenaltyKind::kIllegalKick:
    case PenaltyKind::kFairCatchInterference:
      return Negate(snap);
    case PenaltyKind::kIllegalBlock:  // on a kick the receiving side keeps the ball
      if (play.kind == PlayKind::kPunt || play.situation.start == StartKind::kKickOff ||
          play.situation.start == StartKind::kFreeKick)
        return after;
      return snap;
    default:
      return snap;
  }
}

}  // namespace

void NextPossession(GameState& game, const CurrentPlay& play) {
  game.possessionLabel =
      play.penalty.called && play.penalty.accepted ? AfterPenalty(play) : AfterPlay(game, play);
  switch (PeriodChangeAfter(play.extras)) {
    case PeriodChange::kSecondHalf:
      game.possessionLabel = -1;  // the second half opens with the other kick-off
      break;
    case PeriodChange::kOvertime:
      game.possessionLabel = NewLabel(game);
      break;
    case PeriodChange::kNone:
      break;
  }
}

bool ResolveGroupsByRoster(ReadContext& context, GameState& game) {
  bool any = false;
  // The groups whose last naming named every one of their players: each of
  // them now holds exactly that name, so naming the group with it again
  // would change nothing and log nothing.
  std::vector<std::pair<std::int16_t, std::string>> named;
  for (league::PlayerRecord* p : game.players.Named()) {
    const InGame inGame = game.players.Of(*p);
    if (p->teamName.empty() || inGame.teamOpen || inGame.teamGroup == 0) continue;
    any = true;
    const std::int16_t group = game.groupMap[inGame.teamGroup];
    const auto last = std::find_if(named.begin(), named.end(),
                                   [group](const auto& entry) { return entry.first == group; });
    if (last != named.end() && last->second == p->teamName) continue;
    // A copy: the walk below may rewrite this player's own name.
    std::string name = p->teamName;
    const bool everyone = AssignTeamToGroup(context, game, inGame.teamGroup, name);
    if (last != named.end()) named.erase(last);
    if (everyone && name.size() <= league::kMaxTeamName) named.emplace_back(group, std::move(name));
  }
  return any;
}

void ResolveGroupsByPunts(ReadContext& context, GameState& game, const league::TeamRecord& home,
                          const league::TeamRecord& visiting) {
  const std::int32_t homePunts = home.own.punts;
  const std::int32_t visitingPunts = visiting.own.punts;
  if (homePunts == visitingPunts) return;
  for (int label = 1; label <= game.labelCounter; ++label) {
    const auto k = static_cast<std::int16_t>(label);
    const std::int32_t mine = game.puntsByGroup.Get(k);
    const std::int32_t theirs = game.puntsByGroup.Get(Negate(k));
    if (mine == homePunts) {
      AssignTeamToGroup(context, game, k, home.name);
      AssignTeamToGroup(context, game, Negate(k), visiting.name);
      return;
    }
    if (mine == visitingPunts) {
      AssignTeamToGroup(context, game, k, visiting.name);
      AssignTeamToGroup(context, game, Negate(k), home.name);
      return;
    }
    if (theirs == homePunts) {
      AssignTeamToGroup(context, game, Negate(k), home.name);
      AssignTeamToGroup(context, game, k, visiting.name);
      return;
    }
    if (theirs == visitingPunts) {
      AssignTeamToGroup(context, game, Negate(k), visiting.name);
      AssignTeamToGroup(context, game, k, home.name);
      return;
    }
  }
}

void ResolveDefenders(const league::League& league, const GameState& game) {
  for (league::PlayerRecord* p : game.players.Named()) {
    const std::int16_t otherGroup = game.players.Of(*p).otherGroup;
    if (p->side != league::kUndecided || otherGroup == 0 || p->teamName.empty()) continue;
    const std::string_view offenseTeam =
        TeamOfGroup(league, game.players, game.groupMap[otherGroup], GroupNamer::kFirstPlayer);
    if (offenseTeam.empty()) continue;
    p->side = offenseTeam == p->teamName ? league::kOffense : league::kDefense;
  }
}

}  // namespace yl::transcript
