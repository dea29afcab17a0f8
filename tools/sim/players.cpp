// Who takes part in a play: the players a team sends for each job, chosen by
// weights that make the roles realistic and keep every player on one side of
// the ball.
#include "game_sim.h"
#include "sentences.h"

namespace yl::sim {

std::string GameSim::Tok(int side, int entry) const {
  return text::Token(PlayerOf(side, entry));
}

PlayerTotals& GameSim::Stats(int side, int entry) {
  return totals_[side == 0 ? game_.visiting : game_.home][entry];
}

namespace {

template <std::size_t N>
int AnyOf(const std::array<int, N>& group, Random& random) {
  return group[random.Between(0, static_cast<int>(N) - 1)];
}

}  // namespace

int GameSim::PickRusher(int side) {
  const auto& backs = TeamOf(side).depth.backs;
  return backs[random_.Weighted({62, 22, 16})];
}

int GameSim::PickReceiver(int side) {
  const DepthChart& depth = TeamOf(side).depth;
  const int pick = random_.Weighted({27, 22, 13, 18, 12, 4, 4});
  if (pick < 4) return depth.receivers[pick];
  return depth.backs[pick - 4];
}

int GameSim::PickRunTackler(int side, int gain) {
  const DepthChart& depth = TeamOf(side).depth;
  const std::vector<int> weights =
      gain >= 10 ? std::vector<int>{10, 30, 60}
                 : (gain <= 0 ? std::vector<int>{50, 40, 10} : std::vector<int>{25, 50, 25});
  switch (random_.Weighted(weights)) {
    case 0:
      return AnyOf(depth.defensiveLine, random_);
    case 1:
      return AnyOf(depth.linebackers, random_);
    default:
      return AnyOf(depth.defensiveBacks, random_);
  }
}

int GameSim::PickPassTackler(int side) {
  const DepthChart& depth = TeamOf(side).depth;
  switch (random_.Weighted({5, 35, 60})) {
    case 0:
      return AnyOf(depth.defensiveLine, random_);
    case 1:
      return AnyOf(depth.linebackers, random_);
    default:
      return AnyOf(depth.defensiveBacks, random_);
  }
}

int GameSim::PickSacker(int side) {
  const DepthChart& depth = TeamOf(side).depth;
  return random_.Percent(72) ? AnyOf(depth.defensiveLine, random_)
                             : AnyOf(depth.linebackers, random_);
}

int GameSim::PickInterceptor(int side) {
  const DepthChart& depth = TeamOf(side).depth;
  return random_.Percent(85) ? AnyOf(depth.defensiveBacks, random_)
                             : AnyOf(depth.linebackers, random_);
}

int GameSim::PickPassDefender(int side) {
  const DepthChart& depth = TeamOf(side).depth;
  return random_.Percent(80) ? AnyOf(depth.defensiveBacks, random_)
                             : AnyOf(depth.linebackers, random_);
}

int GameSim::PickLineman(int side) {
  return AnyOf(TeamOf(side).depth.defensiveLine, random_);
}

int GameSim::PickAnyDefender(int side) {
  const DepthChart& depth = TeamOf(side).depth;
  switch (random_.Weighted({40, 35, 25})) {
    case 0:
      return AnyOf(depth.defensiveLine, random_);
    case 1:
      return AnyOf(depth.linebackers, random_);
    default:
      return AnyOf(depth.defensiveBacks, random_);
  }
}

// Kick coverage comes from the kicking team's backs and receivers: players
// who are on offense in every other play they take part in.
int GameSim::PickCoverage(int side) {
  const DepthChart& depth = TeamOf(side).depth;
  return random_.Percent(45) ? AnyOf(depth.backs, random_) : AnyOf(depth.receivers, random_);
}

int GameSim::PickOffenseTackler(int side) {
  const DepthChart& depth = TeamOf(side).depth;
  switch (random_.Weighted({10, 30, 35, 25})) {
    case 0:
      return depth.quarterback;
    case 1:
      return AnyOf(depth.backs, random_);
    case 2:
      return AnyOf(depth.receivers, random_);
    default:
      return AnyOf(depth.linemen, random_);
  }
}

int GameSim::PickTeammate(int side, int besides) {
  const DepthChart& depth = TeamOf(side).depth;
  while (true) {
    int pick = 0;
    switch (random_.Weighted({50, 25, 15, 10})) {
      case 0:
        pick = AnyOf(depth.linemen, random_);
        break;
      case 1:
        pick = AnyOf(depth.backs, random_);
        break;
      case 2:
        pick = AnyOf(depth.receivers, random_);
        break;
      default:
        pick = depth.quarterback;
        break;
    }
    if (pick != besides) return pick;
  }
}

}  // namespace yl::sim
