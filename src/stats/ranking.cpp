// Ranking of players: the key table, the comparison every table sorts by,
// and the quicksort that orders the players of a table.
#include "stats/ranking.h"

#include <algorithm>
#include <array>
#include <new>
#include <utility>
#include <vector>

#include "run/errors.h"
#include "stats/derived.h"
#include "stats/quick_sort.h"

namespace yl::stats {

namespace {

using league::PlayerRecord;
using namespace league::records;

using Presence = bool (*)(const PlayerRecord&);
using Field = PlayerFigure;

// How a term turns a player's record into something comparable.
enum class Measure : std::uint8_t {
  kNone,
  kCount,       // numerator alone
  kRatio,       // numerator / denominator in floating point
  kWholeRatio,  // numerator / denominator in whole numbers
  kRating,      // PasserRating of the passing record
};

enum class Order : std::uint8_t { kDescending, kAscending };

struct Term {
  Measure measure = Measure::kNone;
  Order order = Order::kDescending;
  Field numerator = nullptr;
  Field denominator = nullptr;
};

struct KeyRule {
  Presence has = nullptr;
  // When set, two players of whom neither scored compare as equal before
  // presence is looked at (the scoring key).
  Presence scored = nullptr;
  Term primary;
  std::array<Term, 2> tieBreaks{};
};

bool HasFumbleRecord(const PlayerRecord& p) {
  return p.receiving || p.recovery || p.interception || p.puntReturn || p.kickReturn || p.rushing;
}

constexpr Term Desc(Field value) {
  return {Measure::kCount, Order::kDescending, value, nullptr};
}
constexpr Term Asc(Field value) {
  return {Measure::kCount, Order::kAscending, value, nullptr};
}
constexpr Term RatioDesc(Field numerator, Field denominator) {
  return {Measure::kRatio, Order::kDescending, numerator, denominator};
}
constexpr Term RatioAsc(Field numerator, Field denominator) {
  return {Measure::kRatio, Order::kAscending, numerator, denominator};
}
constexpr Term WholeRatioDesc(Field numerator, Field denominator) {
  return {Measure::kWholeRatio, Order::kDescending, numerator, denominator};
}
constexpr Term RatingDesc() {
  return {Measure::kRating, Order::kDescending, nullptr, nullptr};
}

constexpr Presence kHasRushing = &Has<&PlayerRecord::rushing>;
constexpr Presence kHasPassing = &Has<&PlayerRecord::passing>;
constexpr Presence kHasReceiving = &Has<&PlayerRecord::receiving>;
constexpr Presence kHasDefensive = &Has<&PlayerRecord::defensive>;
constexpr Presence kHasFGKicking = &Has<&PlayerRecord::fgKicking>;

using R = RushingRecord;
using P = PassingRecord;
using C = ReceivingRecord;
using D = DefensiveRecord;
using F = FGKickingRecord;

// Indexed by key; the final tie-break of every key is the name.
constexpr std::array<KeyRule, kStatKeyCount + 1> kKeyRules = {{
    {},
    /* 1 */
    {kHasRushing, nullptr, Desc(kField<&R::yards>), {Desc(kField<&R::attempts>)}},
    /* 2 */
    {kHasReceiving, nullptr, Desc(kField<&C::yards>), {Desc(kField<&C::receptions>)}},
    /* 3 */ {kHasPassing, nullptr, RatingDesc(), {Desc(kField<&P::yards>)}},
    /* 4 */
    {kHasFGKicking,
     nullptr,
     RatioDesc(kField<&F::made>, kField<&F::attempts>),
     {Desc(kField<&F::made>)}},
    /* 5 */
    {&Has<&PlayerRecord::epKicking>,
     nullptr,
     RatioDesc(kField<&EPKickingRecord::made>, kField<&EPKickingRecord::attempts>),
     {Desc(kField<&EPKickingRecord::made>)}},
    /* 6 */
    {&Has<&PlayerRecord::kickReturn>, nullptr,
     RatioDesc(kField<&KickReturnRecord::yards>, kField<&KickReturnRecord::returns>)},
    /* 7 */
    {&Has<&PlayerRecord::puntReturn>, nullptr,
     RatioDesc(kField<&PuntReturnRecord::yards>, kField<&PuntReturnRecord::returns>)},
    /* 8 */
    {&Has<&PlayerRecord::punting>, nullptr, Desc(kField<&PuntingRecord::punts>)},
    /* 9 */
    {&Has<&PlayerRecord::interception>,
     nullptr,
     Desc(kField<&InterceptionRecord::interceptions>),
     {Desc(kField<&InterceptionRecord::returnYards>)}},
    /* 10 */
    {kHasDefensive, nullptr, Desc(kField<&D::tackles>), {Asc(kField<&D::tackleYards>)}},
    /* 11 */
    {&Has<&PlayerRecord::specialTeams>,
     nullptr,
     Desc(kField<&SpecialTeamsRecord::tackles>),
     {Asc(kField<&SpecialTeamsRecord::tackleYards>)}},
    /* 12 */
    {&Has<&PlayerRecord::recovery>,
     nullptr,
     Desc(kField<&RecoveryRecord::recoveries>),
     {Desc(kField<&RecoveryRecord::returnYards>)}},
    /* 13 */
    {&Has<&PlayerRecord::miscOff>,
     nullptr,
     Desc(kField<&MiscOffRecord::tackles>),
     {Asc(kField<&MiscOffRecord::tackleYards>)}},
    /* 14 */
    {&Has<&PlayerRecord::defSpecialTeams>,
     nullptr,
     Desc(&FieldOf<&PlayerRecord::defSpecialTeams, &SpecialTeamsRecord::tackles>),
     {Asc(&FieldOf<&PlayerRecord::defSpecialTeams, &SpecialTeamsRecord::tackleYards>)}},
    /* 15 */
    {&Has<&PlayerRecord::twoPoint>,
     nullptr,
     WholeRatioDesc(&TwoPointMade, &TwoPointAttempts),
     {Desc(&TwoPointMade), Desc(&TwoPointAttempts)}},
    /* 16 */
    {&Has<&PlayerRecord::penalty>,
     nullptr,
     Desc(kField<&PenaltyRecord::accepted>),
     {Desc(kField<&PenaltyRecord::yards>), Desc(kField<&PenaltyRecord::flagged>)}},
    /* 17 */ {&HasScoringRecord, &HasScored, Desc(&Points)},
    /* 18 */ {kHasPassing, nullptr, Desc(kField<&P::yards>)},
    /* 19 */ {kHasPassing, nullptr, Desc(kField<&P::attempts>)},
    /* 20 */ {kHasPassing, nullptr, RatioDesc(kField<&P::yards>, kField<&P::attempts>)},
    /* 21 */ {kHasPassing, nullptr, Desc(kField<&P::completions>)},
    /* 22 */
    {kHasPassing, nullptr, RatioDesc(kField<&P::completions>, kField<&P::attempts>)},
    /* 23 */
    {kHasPassing, nullptr, RatioDesc(kField<&P::firstDowns>, kField<&P::attempts>)},
    /* 24 */ {kHasPassing, nullptr, Desc(kField<&P::touchdowns>)},
    /* 25 */
    {kHasPassing, nullptr, RatioDesc(kField<&P::touchdowns>, kField<&P::attempts>)},
    /* 26 */ {kHasPassing, nullptr, Desc(kField<&P::interceptions>)},
    /* 27 */
    {kHasPassing, nullptr, RatioAsc(kField<&P::interceptions>, kField<&P::attempts>)},
    /* 28 */ {kHasPassing, nullptr, Desc(kField<&P::sacks>)},
    /* 29 */ {kHasPassing, nullptr, RatioAsc(kField<&P::sacks>, kField<&P::attempts>)},
    /* 30 */ {kHasPassing, nullptr, Desc(kField<&P::bigPlays>)},
    /* 31 */ {kHasRushing, nullptr, Desc(kField<&R::attempts>)},
    /* 32 */ {kHasRushing, nullptr, RatioDesc(kField<&R::yards>, kField<&R::attempts>)},
    /* 33 */
    {kHasRushing, nullptr, RatioDesc(kField<&R::firstDowns>, kField<&R::attempts>)},
    /* 34 */ {kHasRushing, nullptr, Desc(kField<&R::stuffs>)},
    /* 35 */ {kHasRushing, nullptr, RatioAsc(kField<&R::stuffs>, kField<&R::attempts>)},
    /* 36 */ {kHasRushing, nullptr, Desc(kField<&R::firstDowns>)},
    /* 37 */ {kHasRushing, nullptr, Desc(kField<&R::touchdowns>)},
    /* 38 */ {kHasRushing, nullptr, Desc(kField<&R::bigPlays>)},
    /* 39 */ {kHasReceiving, nullptr, Desc(kField<&C::receptions>)},
    /* 40 */
    {kHasReceiving, nullptr, RatioDesc(kField<&C::yards>, kField<&C::receptions>)},
    /* 41 */ {kHasReceiving, nullptr, Desc(kField<&C::touchdowns>)},
    /* 42 */ {kHasReceiving, nullptr, Desc(kField<&C::firstDowns>)},
    /* 43 */
    {kHasReceiving, nullptr, RatioDesc(kField<&C::firstDowns>, kField<&C::receptions>)},
    /* 44 */ {kHasReceiving, nullptr, Desc(kField<&C::bigPlays>)},
    /* 45 */ {kHasReceiving, nullptr, Desc(kField<&C::drops>)},
    /* 46 */ {&HasFumbleRecord, nullptr, Desc(&FumblesLost)},
    /* 47 */ {kHasFGKicking, nullptr, Desc(&FieldGoalsMissed)},
    /* 48 */ {kHasFGKicking, nullptr, Desc(kField<&F::blocked>)},
    /* 49 */ {kHasFGKicking, nullptr, Desc(kField<&F::made>)},
    /* 50 */
    {kHasDefensive, nullptr, RatioAsc(kField<&D::tackleYards>, kField<&D::tackles>)},
    /* 51 */
    {kHasDefensive, nullptr, Desc(kField<&D::sacks>), {Desc(kField<&D::sackYards>)}},
    /* 52 */
    {kHasDefensive, nullptr, Desc(kField<&D::stuffs>), {Desc(kField<&D::stuffYards>)}},
    /* 53 */ {kHasDefensive, nullptr, Desc(&YardsLost)},
    /* 54 */ {kHasDefensive, nullptr, Desc(kField<&D::passesDefensed>)},
    /* 55 */ {kHasDefensive, nullptr, Desc(&KicksBlocked)},
}};

// The outcome of one term: a decided order, a tie that passes to the next
// term, or "equal" that ends the comparison without further tie-breaks.
enum class Verdict : std::uint8_t { kBefore, kAfter, kTie, kEqual };

template <typename T>
Verdict Ordered(T a, T b, Order order) {
  if (a == b) return Verdict::kTie;
  const bool aSmaller = a < b;
  const bool after = order == Order::kDescending ? aSmaller : !aSmaller;
  return after ? Verdict::kAfter : Verdict::kBefore;
}

double RatingOf(const PlayerRecord& p) {
  const PassingRecord& r = *p.passing;
  return PasserRating(r.completions, r.attempts, r.yards, r.touchdowns, r.interceptions);
}

// What one term reads of a player.
struct TermValue {
  std::int64_t numerator = 0;
  std::int64_t denominator = 0;
  double rating = 0;
};

// Everything a key's comparison reads of one player, read once per sort
// rather than at each of the sort's comparisons.
struct SortFacts {
  const PlayerRecord* player = nullptr;
  bool scored = false;
  bool has = false;
  std::array<TermValue, 3> terms{};
};

const Term& TermAt(const KeyRule& rule, std::size_t t) {
  return t == 0 ? rule.primary : rule.tieBreaks[t - 1];
}

SortFacts FactsOf(const PlayerRecord& p, const KeyRule& rule) {
  SortFacts facts;
  facts.player = &p;
  facts.scored = rule.scored != nullptr && rule.scored(p);
  facts.has = rule.has(p);
  if (!facts.has) return facts;  // the terms read the key's record
  for (std::size_t t = 0; t < facts.terms.size(); ++t) {
    const Term& term = TermAt(rule, t);
    TermValue& value = facts.terms[t];
    if (term.measure == Measure::kRating) value.rating = RatingOf(p);
    if (term.numerator != nullptr) value.numerator = term.numerator(p);
    if (term.denominator != nullptr) value.denominator = term.denominator(p);
  }
  return facts;
}

Verdict CompareTerm(const Term& term, const TermValue& a, const TermValue& b) {
  switch (term.measure) {
    case Measure::kNone:
      return Verdict::kTie;
    case Measure::kCount:
      return Ordered(a.numerator, b.numerator, term.order);
    case Measure::kRating:
      return Ordered(a.rating, b.rating, term.order);
    case Measure::kRatio:
    case Measure::kWholeRatio: {
      if (a.denominator == 0 && b.denominator == 0) return Verdict::kEqual;
      if (a.denominator == 0) return Verdict::kAfter;
      if (b.denominator == 0) return Verdict::kBefore;
      if (term.measure == Measure::kWholeRatio)
        return Ordered(a.numerator / a.denominator, b.numerator / b.denominator, term.order);
      return Ordered(static_cast<double>(a.numerator) / static_cast<double>(a.denominator),
                     static_cast<double>(b.numerator) / static_cast<double>(b.denominator),
                     term.order);
    }
  }
  return Verdict::kTie;
}

char FoldCase(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool FactsSortAfter(const SortFacts& a, const SortFacts& b, const KeyRule& rule, bool leagueWide) {
  if (rule.scored != nullptr && !a.scored && !b.scored) return false;
  if (!a.has) return b.has;
  if (!b.has) return false;

  if (!leagueWide) {
    // std::string compares its bytes as unsigned characters.
    const int team = a.player->teamName.compare(b.player->teamName);
    if (team != 0) return team > 0;
  }

  for (std::size_t t = 0; t < a.terms.size(); ++t) {
    switch (CompareTerm(TermAt(rule, t), a.terms[t], b.terms[t])) {
      case Verdict::kBefore:
      case Verdict::kEqual:
        return false;
      case Verdict::kAfter:
        return true;
      case Verdict::kTie:
        break;
    }
  }
  return CompareNames(a.player->name, b.player->name);
}

}  // namespace

double PasserRating(std::int32_t completions, std::int32_t attempts, std::int32_t yards,
                    std::int32_t touchdowns, std::int32_t interceptions) {
  if (attempts == 0) return 0.0;
  const double n = attempts;
  const auto clamp = [](double v) { return std::clamp(v, 0.0, 2.375); };
  const double a = clamp((completions / n - 0.3) * 5.0);
  const double b = clamp((yards / n - 3.0) * 0.25);
  const double c = clamp((touchdowns / n) * 20.0);
  const double d = clamp((0.095 - interceptions / n) * 25.0);
  return (a + ((d + c) + b)) * 100.0 * 0.16666666666666666;
}

bool CompareNames(std::string_view a, std::string_view b) {
  for (std::size_t i = 0;; ++i) {
    if (i >= a.size()) return false;
    if (i >= b.size()) return true;
    const auto ca = static_cast<std::int8_t>(FoldCase(a[i]));
    const auto cb = static_cast<std::int8_t>(FoldCase(b[i]));
    if (ca != cb) return ca > cb;
  }
}

bool PlayerSortsAfter(const PlayerRecord& a, const PlayerRecord& b, StatKey key, bool leagueWide) {
  if (key < 1 || key > kStatKeyCount) return false;
  const KeyRule& rule = kKeyRules[static_cast<std::size_t>(key)];
  return FactsSortAfter(FactsOf(a, rule), FactsOf(b, rule), rule, leagueWide);
}

PlayerOrder PlayersInListOrder(const league::League& league) {
  PlayerOrder players;
  run::Allocating(run::ErrorKind::kSortMemory, [&] { players.reserve(league.players.size()); });
  for (const PlayerRecord& p : league::NewestFirst(league.players))
    players.push_back(&p);
  return players;
}

namespace {

constexpr std::uint32_t kNoPlace = UINT32_MAX;

// Sorts by the places a sort by the same key found, when every player has one.
bool SortByPlaces(PlayerOrder& players, const std::vector<std::uint32_t>& places) {
  // Each player as one word: his place above, his position in the list
  // below. Only the places are compared.
  std::vector<std::uint64_t> placed;
  PlayerOrder before;
  run::Allocating(run::ErrorKind::kSortMemory, [&] {
    placed.reserve(players.size());
    before = players;
  });
  for (std::size_t i = 0; i < players.size(); ++i) {
    const std::uint32_t index = players[i]->index;
    if (index >= places.size() || places[index] == kNoPlace) return false;
    placed.push_back(std::uint64_t{places[index]} << 32 | i);
  }
  const auto allEqual = [&placed](int lo, int hi) {
    const std::uint64_t place = placed[lo] >> 32;
    for (int k = lo + 1; k <= hi; ++k) {
      if (placed[k] >> 32 != place) return false;
    }
    return true;
  };
  QuickSort(
      placed, 0, static_cast<int>(placed.size()) - 1,
      [](std::uint64_t a, std::uint64_t b) { return a >> 32 > b >> 32; }, allEqual);
  for (std::size_t i = 0; i < placed.size(); ++i)
    players[i] = before[placed[i] & UINT32_MAX];
  return true;
}

}  // namespace

void SortPlayersByStats(PlayerOrder& players, StatKey key, bool leagueWide, SortRanks* ranks) {
  // One player stays where he is; only places to keep would need a sort.
  if (players.empty() || (players.size() == 1 && ranks == nullptr)) return;
  if (key < 1 || key > kStatKeyCount) {
    // No order: every comparison says "not after", as the sort has always seen it.
    SortEqual(players, 0, static_cast<int>(players.size()) - 1);
    return;
  }
  const KeyRule& rule = kKeyRules[static_cast<std::size_t>(key)];
  // The scoring key's comparison is not transitive: no places stand for it.
  std::vector<std::uint32_t>* places =
      ranks != nullptr && rule.scored == nullptr ? &ranks->For(key, leagueWide) : nullptr;
  if (places != nullptr && !places->empty() && SortByPlaces(players, *places)) return;

  std::vector<SortFacts> facts;
  std::vector<const SortFacts*> order;
  run::Allocating(run::ErrorKind::kSortMemory, [&] {
    facts.reserve(players.size());
    order.reserve(players.size());
  });
  for (const PlayerRecord* p : players) {
    facts.push_back(FactsOf(*p, rule));
    order.push_back(&facts.back());
  }
  const auto after = [&rule, leagueWide](const SortFacts* a, const SortFacts* b) {
    // Most players lack the key's record: settled here, without a call.
    if (rule.scored == nullptr && !(a->has && b->has)) return !a->has && b->has;
    return FactsSortAfter(*a, *b, rule, leagueWide);
  };
  // Players without the key's record all compare equal; so do players of
  // whom none scored, for the scoring key (whose comparison is not an order,
  // but says "not after" for any two of them).
  const auto allEqual = [&order, &rule](int lo, int hi) {
    for (int k = lo; k <= hi; ++k) {
      if (rule.scored != nullptr ? order[k]->scored : order[k]->has) return false;
    }
    return true;
  };
  QuickSort(order, 0, static_cast<int>(order.size()) - 1, after, allEqual);
  for (std::size_t i = 0; i < order.size(); ++i)
    players[i] = order[i]->player;
  if (places == nullptr) return;

  // Sorted by a strict weak order, each player comes after the one before
  // him or compares equal to him: a new place, or the same.
  std::uint32_t largest = 0;
  for (const PlayerRecord* p : players)
    largest = std::max(largest, p->index);
  run::Allocating(run::ErrorKind::kSortMemory, [&] { places->assign(largest + 1, kNoPlace); });
  std::uint32_t place = 0;
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (i > 0 && after(order[i], order[i - 1])) ++place;
    (*places)[order[i]->player->index] = place;
  }
}

}  // namespace yl::stats
