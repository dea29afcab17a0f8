// plays.csv.
#include "reports/plays_csv.h"

#include <array>
#include <cstdio>
#include <utility>

#include "reports/csv_text.h"
#include "stats/play_facts.h"

namespace yl::reports {

namespace {

using transcript::CurrentPlay;
using transcript::PlayKind;
using transcript::PlayResult;

std::string_view KindName(PlayKind kind) {
  switch (kind) {
    case PlayKind::kExtraPoint:
      return "extra_point";
    case PlayKind::kPunt:
      return "punt";
    case PlayKind::kKickOff:
      return "kick_off";
    case PlayKind::kRush:
      return "rush";
    case PlayKind::kPass:
      return "pass";
    case PlayKind::kFieldGoal:
      return "field_goal";
    case PlayKind::kSack:
      return "sack";
  }
  return "";
}

std::string_view ResultName(PlayResult result) {
  switch (result) {
    case PlayResult::kNone:
      return "";
    case PlayResult::kPuntNotFielded:
      return "punt_not_fielded";
    case PlayResult::kLooseBallOutOfBounds:
      return "loose_ball_out_of_bounds";
    case PlayResult::kKickingTeamRecovered:
      return "kicking_team_recovered";
    case PlayResult::kTwoPointGood:
      return "two_point_good";
    case PlayResult::kTackled:
      return "tackled";
    case PlayResult::kFairCatch:
      return "fair_catch";
    case PlayResult::kTouchdown:
      return "touchdown";
    case PlayResult::kWhistledDead:
      return "whistled_dead";
    case PlayResult::kExtraPointNoGood:
      return "extra_point_no_good";
    case PlayResult::kSafety:
      return "safety";
    case PlayResult::kFieldGoalNoGood:
      return "field_goal_no_good";
    case PlayResult::kOutOfBounds:
      return "out_of_bounds";
    case PlayResult::kExtraPointGood:
      return "extra_point_good";
    case PlayResult::kIncomplete:
      return "incomplete";
    case PlayResult::kFieldGoalGood:
      return "field_goal_good";
    case PlayResult::kPuntDowned:
      return "punt_downed";
    case PlayResult::kTouchback:
      return "touchback";
    case PlayResult::kSack:
      return "sack";
    case PlayResult::kTryNoGood:
      return "try_no_good";
    case PlayResult::kPuntTouchdown:
      return "punt_touchdown";
  }
  return "";
}

// The roles in the order of the columns.
using transcript::Role;
constexpr std::array<std::pair<std::string_view, Role>, transcript::kRoleCount> kRoles = {{
    {"rusher", Role::kRusher},
    {"passer", Role::kPasser},
    {"receiver", Role::kReceiver},
    {"target", Role::kTarget},
    {"kicker", Role::kKicker},
    {"returner", Role::kReturner},
    {"tackler", Role::kTackler},
    {"defender", Role::kDefender},
    {"interceptor", Role::kInterceptor},
    {"sacker", Role::kSacker},
    {"sacked", Role::kSacked},
    {"blocker", Role::kBlocker},
}};

void Number(CsvRow& row, std::optional<std::int16_t> value) {
  if (value)
    row.Integer(*value);
  else
    row.Empty();
}

// "#12 Smith", the way the reports name a player; empty for none.
void Player(CsvRow& row, const league::PlayerRecord* player) {
  if (player == nullptr) {
    row.Empty();
    return;
  }
  row.MacRoman("#" + std::to_string(player->number) + " " + player->name);
}

}  // namespace

std::string PlaysCsvHeader() {
  CsvRow row;
  for (const std::string_view column :
       {"game", "quarter", "clock", "down", "distance", "ball_on", "kind", "result", "yards"})
    row.Text(column);
  for (const auto& [column, role] : kRoles)
    row.Text(column);
  row.Text("fumbler").Text("recoverer");
  return row.Finish();
}

std::string PlaysCsvRow(std::string_view game, const CurrentPlay& play) {
  CsvRow row;
  row.MacRoman(game);
  const transcript::Situation& situation = play.situation;
  Number(row, situation.quarter);
  const std::optional<std::int16_t> minutes = situation.minutes;
  const std::optional<std::int16_t> seconds = situation.seconds;
  if (minutes && seconds) {
    char clock[16];
    std::snprintf(clock, sizeof clock, "%d:%02d", *minutes, *seconds);
    row.Text(clock);
  } else {
    row.Empty();
  }
  Number(row, situation.down);
  Number(row, situation.distance);
  Number(row, situation.yardLine);
  row.Text(KindName(play.kind)).Text(ResultName(play.result));
  if (play.gain.yards)
    row.Integer(stats::SignedYards(play));
  else
    row.Empty();
  for (const auto& [column, role] : kRoles)
    Player(row, play.Player(role));
  Player(row, play.fumblers[0]);
  Player(row, play.recoverers[0]);
  return row.Finish();
}

}  // namespace yl::reports
