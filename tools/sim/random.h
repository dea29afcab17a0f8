// The simulator's own random numbers: xoshiro256** seeded through splitmix64,
// with integer ranges drawn by rejection, so that the same seed gives the same
// bytes whatever the standard library.
#pragma once

#include <cstdint>
#include <vector>

namespace yl::sim {

// One step of splitmix64; also used to derive independent seeds.
inline std::uint64_t SplitMix64(std::uint64_t& state) {
  std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

// A seed for the stream named by (seed, stream, index), e.g. one per game.
inline std::uint64_t DeriveSeed(std::uint64_t seed, std::uint64_t stream, std::uint64_t index) {
  std::uint64_t state = seed;
  std::uint64_t mixed = SplitMix64(state) ^ (stream * 0xD1342543DE82EF95ull);
  state = mixed;
  mixed = SplitMix64(state) ^ (index * 0xA0761D6478BD642Full);
  state = mixed;
  return SplitMix64(state);
}

class Random {
 public:
  explicit Random(std::uint64_t seed) {
    std::uint64_t state = seed;
    for (std::uint64_t& word : s_)
      word = SplitMix64(state);
  }

  std::uint64_t Next() {
    const std::uint64_t result = RotateLeft(s_[1] * 5, 7) * 9;
    const std::uint64_t t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = RotateLeft(s_[3], 45);
    return result;
  }

  // A whole number from low to high, both included (low <= high).
  int Between(int low, int high) {
    const std::uint64_t range = static_cast<std::uint64_t>(high - low) + 1;
    const std::uint64_t limit = (0 - range) % range;  // reject the biased low values
    std::uint64_t r = Next();
    while (r < limit)
      r = Next();
    return low + static_cast<int>(r % range);
  }

  // True with probability p (p <= 0 never, p >= 1 always).
  bool Chance(double p) {
    const double u = static_cast<double>(Next() >> 11) * 0x1.0p-53;
    return u < p;
  }

  // Chance in percent, for the many fixed odds of the play tables.
  bool Percent(int p) { return Between(1, 100) <= p; }

  // An index chosen by integer weights (at least one weight above 0).
  int Weighted(const std::vector<int>& weights) {
    int total = 0;
    for (const int w : weights)
      total += w;
    int r = Between(1, total);
    for (std::size_t i = 0; i < weights.size(); ++i) {
      r -= weights[i];
      if (r <= 0) return static_cast<int>(i);
    }
    return static_cast<int>(weights.size()) - 1;
  }

 private:
  static std::uint64_t RotateLeft(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
  std::uint64_t s_[4];
};

}  // namespace yl::sim
