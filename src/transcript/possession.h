// Possession groups: signed labels that tie the players of one game to a
// side. Label -g stands for the opponents of label g; players who act for the
// side in possession join its label, players who act against it join the
// opposite. Merges, the header scores and, at the end of the game, the
// roster players or the punt counts tie the labels to the two teams.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "league/league.h"
#include "transcript/current_play.h"
#include "transcript/reader.h"

namespace yl::transcript {

struct GameState;

// The highest label a game hands out; once reached, every further new label
// is this one again (a game would need tens of thousands of plays).
constexpr std::int16_t kMaxLabel = 32767;

// A value for every 16-bit label, so that no label a game can produce
// falls outside the table. Slots are made when a label is first written;
// a label never written reads as T{}.
template <typename T>
class LabelTable {
 public:
  T& operator[](std::int16_t label) {
    std::vector<T>& half = label < 0 ? negative_ : positive_;
    const std::size_t index = Index(label);
    if (index >= half.size()) half.resize(index + 1, T{});
    return half[index];
  }
  T Get(std::int16_t label) const {
    const std::vector<T>& half = label < 0 ? negative_ : positive_;
    const std::size_t index = Index(label);
    return index < half.size() ? half[index] : T{};
  }

 private:
  static std::size_t Index(std::int16_t label) {
    return static_cast<std::size_t>(label < 0 ? -static_cast<int>(label) : label);
  }
  std::vector<T> positive_;
  std::vector<T> negative_;
};

// The label each label was merged into; every label is itself until a
// merge (no label is ever merged into 0, so 0 marks "itself").
class GroupMap {
 public:
  std::int16_t operator[](std::int16_t label) const {
    const std::int16_t merged = into_.Get(label);
    return merged == 0 ? label : merged;
  }
  void Merge(std::int16_t drop, std::int16_t keep) { into_[drop] = keep; }

 private:
  LabelTable<std::int16_t> into_;
};

// Hands out the next label (labelCounter + 1), stopping at kMaxLabel.
std::int16_t NewLabel(GameState& game);

// Puts the player into the side `label` and returns the label that now
// stands for that side (a new one when he is known to be against it, the
// merged one when he already had another label). Nobody: the label back.
std::int16_t JoinGroup(GameState& game, std::int16_t label, league::PlayerRecord* player);

// Puts a tackler against the ball carrier (the player named before him, if
// any); returns the label of the side in possession as the tackle shows it.
std::int16_t JoinOpposingGroup(GameState& game, const CurrentPlay& play,
                               league::PlayerRecord* tackler, league::PlayerRecord* carrier,
                               std::int16_t label);

// Merges two labels into the one of smaller magnitude: its players and the
// players whose otherGroup is the dropped label move over, and the map
// records the merge (one step deep: earlier merges into the dropped label
// are not followed).
void MergeGroups(GameState& game, std::int16_t a, std::int16_t b);

// Gives every player of the label's group the team's name, unless his team
// is fixed to another one (then the conflict is logged as a change of team
// name, with his name). The label 0, no group, names nobody. True when no player's fixed
// team stood in the way.
bool AssignTeamToGroup(ReadContext& context, GameState& game, std::int16_t label,
                       std::string_view teamName);

// Which player of a group names its team: the first of the league's list
// in the group, or the first in the group that has a team name.
enum class GroupNamer : std::uint8_t { kFirstPlayer, kFirstWithTeam };

// The team name of the group's player that names it; empty when there is
// none or he has none. The caller resolves a label to its group first.
std::string_view TeamOfGroup(const league::League& league, const GamePlayers& players,
                             std::int16_t group, GroupNamer namer);

// A changed score in this play's header names the side that had the ball at
// the end of the previous play (the other side after a safety). Nothing for
// the game's first play.
void CarryPossession(ReadContext& context, GameState& game, const CurrentPlay& play,
                     const CurrentPlay* previous);

// After a fumble on the previous play, a header with a down above 1 shows
// that the offense kept the ball: its label and this play's are one side.
void CarryFumble(GameState& game, CurrentPlay& play, const CurrentPlay* previous);

// Sets possessionLabel for the next play from how this one ended.
void NextPossession(GameState& game, const CurrentPlay& play);

// At the end of a game: every player with a fixed team names his group.
// True when any player did.
bool ResolveGroupsByRoster(ReadContext& context, GameState& game);

// At the end of a game without such players: the label whose punt count
// equals one team's punts in the team box (when the two teams' differ) is
// that team.
void ResolveGroupsByPunts(ReadContext& context, GameState& game, const league::TeamRecord& home,
                          const league::TeamRecord& visiting);

// Decides the side of players still undecided: offense when their team is
// the team of the label that had the ball in their last play, else defense.
void ResolveDefenders(const league::League& league, const GameState& game);

}  // namespace yl::transcript
