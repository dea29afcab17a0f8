// The meaning of a play description: one table row of effects per phrase
// code, applied in line order with the players on either side of the phrase.
#include "transcript/meaning.h"

#include <array>
#include <initializer_list>

#include "league/league.h"
#include "transcript/description_phrases.h"
#include "transcript/game_reader.h"
#include "transcript/possession.h"

namespace yl::transcript {

namespace {

// What one step of a row does. The group operations move the possession
// label L through the player: Own joins L, Opp joins the opponents of L and
// leaves L, Take joins the opponents and gives them the ball, Kick joins L
// and gives the ball away, New starts a new label with the player and gives
// it the ball, Mark starts one without moving the ball.
enum class Op : std::uint8_t {
  kKind,
  kResult,
  kRole,            // the role field := the player
  kFumbler,         // the player into the next free fumblers slot
  kNextFumbleSlot,  // the fumblers position moves on
  kFumbleFlag,      // fumble := 1
  kOwn,
  kOpp,
  kTake,
  kKick,
  kNew,
  kMark,
  kTackle,     // against the ball carrier, side opposite to him
  kSafetyHit,  // against the ball carrier, the label follows the tackle
  kRecover,    // a fumble recovered
  kPuntCount,  // one more punt for the kicking label
  kSide,       // offense 0 or defense 1
  kKicked,     // the kick mark
  kReset,      // a completed action clears an earlier fumble
  kNoPlay,
  kPenalty,
  kIntercepted,       // "... INTERCEPTED by ": a pass, or a kick recovered
  kRecovered,         // "... recovered by " without a fumble of its own
  kBackToSnap,        // the ball goes back to the side that snapped it
  kCarrierScored,     // the side of the player before has the ball
  kConversionNoGood,  // result 19 on a try
};

enum class Who : std::uint8_t { kNobody, kBefore, kAfter };
constexpr Who B = Who::kBefore;
constexpr Who A = Who::kAfter;

struct Step {
  Op op = Op::kKind;
  Who who = Who::kNobody;
  Role role = Role::kBlocker;
  PlayKind kind = PlayKind::kRush;
  PlayResult result = PlayResult::kNone;
  std::uint16_t side = league::kUndecided;
};

constexpr std::size_t kMaxSteps = 14;
constexpr PhraseCode kPartnerCodes = kFirstTwin;  // the codes with rows of their own

struct Row {
  std::array<Step, kMaxSteps> steps{};
  std::uint8_t count = 0;
  bool stamp = true;  // players it touches get otherGroup := groupAtSnap
  bool defined = false;
};

struct EffectTable {
  std::array<Row, kPartnerCodes> rows{};
  bool valid = true;  // every code once, no row too long
};

using K = PlayKind;
using R = PlayResult;
constexpr std::uint16_t kOffense = league::kOffense;
constexpr std::uint16_t kDefense = league::kDefense;

constexpr Step Kind(PlayKind kind) {
  return {.op = Op::kKind, .kind = kind};
}
constexpr Step Result(PlayResult result) {
  return {.op = Op::kResult, .result = result};
}
// The player before or after the phrase plays the role.
constexpr Step Named(Role role, Who who) {
  return {.op = Op::kRole, .who = who, .role = role};
}
constexpr Step On(Op op, Who who = Who::kNobody) {
  return {.op = op, .who = who};
}
constexpr Step Side(Who who, std::uint16_t side) {
  return {.op = Op::kSide, .who = who, .side = side};
}
constexpr Step Fumble(Who who) {
  return On(Op::kFumbler, who);
}
constexpr Step Own(Who who) {
  return On(Op::kOwn, who);
}
constexpr Step Opp(Who who) {
  return On(Op::kOpp, who);
}
constexpr Step Take(Who who) {
  return On(Op::kTake, who);
}
constexpr Step Kick(Who who) {
  return On(Op::kKick, who);
}
constexpr Step Kicked(Who who) {
  return On(Op::kKicked, who);
}
constexpr Step kAdvanceF = On(Op::kNextFumbleSlot);
constexpr Step kFumbleSet = On(Op::kFumbleFlag);
constexpr Step kPuntCount = On(Op::kPuntCount);
constexpr Step kReset = On(Op::kReset);

constexpr Role kRusher = Role::kRusher;
constexpr Role kKicker = Role::kKicker;
constexpr Role kPasser = Role::kPasser;
constexpr Role kReceiver = Role::kReceiver;
constexpr Role kReturner = Role::kReturner;
constexpr Role kBlocker = Role::kBlocker;
constexpr Role kTackler = Role::kTackler;
constexpr Role kInterceptor = Role::kInterceptor;
constexpr Role kDefender = Role::kDefender;
constexpr Role kTarget = Role::kTarget;
constexpr Role kSacker = Role::kSacker;
constexpr Role kSacked = Role::kSacked;

constexpr bool kStamp = true;
constexpr bool kNoStamp = false;

constexpr void Add(EffectTable& table, std::initializer_list<PhraseCode> codes, bool stamp,
                   std::initializer_list<Step> steps) {
  if (steps.size() > kMaxSteps) table.valid = false;
  for (const PhraseCode code : codes) {
    if (code >= kPartnerCodes || table.rows[code].defined) {
      table.valid = false;
      continue;
    }
    Row& row = table.rows[code];
    row.defined = true;
    row.stamp = stamp;
    for (const Step& step : steps) {
      if (row.count < kMaxSteps) row.steps[row.count++] = step;
    }
  }
}

constexpr void AddKickEffects(EffectTable& t) {
  // Loose balls and fumbles out of bounds.
  Add(t, {0, 1, 3}, kStamp,
      {Kind(K::kRush), Result(R::kLooseBallOutOfBounds), Named(kRusher, B), Fumble(B), Own(B),
       Side(B, kOffense), kAdvanceF, kFumbleSet});
  Add(t, {5, 6}, kStamp,
      {Result(R::kLooseBallOutOfBounds), Fumble(B), Own(B), kAdvanceF, kFumbleSet});
  Add(t, {10}, kNoStamp, {Result(R::kLooseBallOutOfBounds)});
  // Punts.
  Add(t, {2, 4}, kStamp,
      {Kind(K::kPunt), Result(R::kPuntNotFielded), Named(kKicker, B), Kicked(B), kPuntCount,
       Kick(B), Side(B, kOffense), kReset});
  Add(t, {19}, kStamp,
      {Kind(K::kPunt), Result(R::kTouchback), Named(kKicker, B), Kicked(B), kPuntCount, Kick(B),
       Side(B, kOffense), kReset});
  Add(t, {28}, kStamp,
      {Kind(K::kPunt), Result(R::kSafety), Named(kKicker, B), kPuntCount, Kick(B),
       Side(B, kOffense)});
  Add(t, {44}, kNoStamp, {Kind(K::kPunt), On(Op::kPenalty)});
  Add(t, {73}, kStamp,
      {Kind(K::kPunt), Named(kKicker, B), Kicked(B), kPuntCount, Own(B), Side(B, kOffense),
       Named(kReturner, A), Take(A), kReset});
  Add(t, {84}, kStamp,
      {Kind(K::kPunt), Result(R::kPuntTouchdown), Named(kKicker, B), Kicked(B), kPuntCount, Own(B),
       Side(B, kOffense), kReset});
  Add(t, {92}, kStamp,
      {Kind(K::kPunt), kReset, Named(kKicker, B), Kicked(B), kPuntCount, Own(B), Side(B, kOffense),
       Named(kReturner, A), Fumble(A), kAdvanceF, Take(A), Side(A, kDefense), kFumbleSet});
  Add(t, {93}, kStamp,
      {Kind(K::kPunt), Named(kKicker, B), Kicked(B), kPuntCount, Own(B), Side(B, kOffense),
       Named(kBlocker, A), Opp(A), Side(A, kDefense), kReset});
  Add(t, {107}, kStamp,
      {Kind(K::kPunt), Named(kKicker, B), Kicked(B), kPuntCount, Own(B), Side(B, kOffense),
       Named(kReturner, A), Take(A), Side(A, kDefense), kReset});
  Add(t, {108}, kStamp,
      {Kind(K::kPunt), Result(R::kPuntDowned), Named(kKicker, B), Kicked(B), kPuntCount, Kick(B),
       Side(B, kOffense), kReset});
  // Kick-offs.
  Add(t, {7}, kNoStamp, {Kind(K::kKickOff), Result(R::kKickingTeamRecovered)});
  Add(t, {18}, kNoStamp, {Kind(K::kKickOff), Result(R::kTouchback)});
  Add(t, {41}, kNoStamp, {Kind(K::kKickOff), Result(R::kWhistledDead), On(Op::kPenalty)});
  Add(t, {60}, kStamp, {Kind(K::kKickOff), Named(kReturner, A), Take(A)});
  Add(t, {81}, kStamp,
      {Kind(K::kKickOff), Named(kReturner, A), Fumble(A), On(Op::kNew, A), kAdvanceF, kFumbleSet});
  Add(t, {99}, kStamp, {Kind(K::kKickOff), Named(kReturner, A), Take(A), Side(A, kDefense)});
}

constexpr void AddPassEffects(EffectTable& t) {
  // Passes and laterals.
  Add(t, {8, 46, 82}, kStamp,
      {Kind(K::kPass), Named(kPasser, B), Own(B), Side(B, kOffense), Named(kInterceptor, A),
       Take(A), Side(A, kDefense), kReset});
  Add(t, {100}, kStamp,
      {Kind(K::kPass), Result(R::kIncomplete), Named(kPasser, B), Own(B), Side(B, kOffense),
       kReset});
  Add(t, {101}, kStamp,
      {Kind(K::kPass), Named(kPasser, B), Own(B), Side(B, kOffense), Named(kDefender, A), Opp(A),
       Side(A, kDefense), kReset});
  Add(t, {113}, kStamp,
      {Kind(K::kPass), Named(kPasser, B), Own(B), Side(B, kOffense), Named(kTarget, A),
       On(Op::kMark, A), kReset});
  Add(t, {114}, kStamp,
      {Kind(K::kPass), Named(kPasser, B), Own(B), Side(B, kOffense), Named(kBlocker, A), Opp(A),
       Side(A, kDefense), kReset});
  Add(t, {118}, kStamp,
      {Kind(K::kPass), Named(kPasser, B), Own(B), Side(B, kOffense), Named(kReceiver, A), Own(A),
       Side(A, kOffense), kReset});
  Add(t, {145}, kStamp, {Kind(K::kPass), Named(kDefender, A), Opp(A), Side(A, kDefense)});
  Add(t, {149}, kStamp, {Named(kTarget, A), On(Op::kMark, A)});
  Add(t, {152}, kStamp, {Kind(K::kPass), Named(kReceiver, A), On(Op::kNew, A)});
  Add(t, {130}, kStamp, {On(Op::kIntercepted, A)});
  Add(t, {140}, kNoStamp, {Result(R::kIncomplete), On(Op::kBackToSnap)});
}

constexpr void AddRunEffects(EffectTable& t) {
  // Runs, snaps and laterals taken, dropped, blocked or recovered.
  Add(t, {11, 17, 85, 98, 117}, kStamp,
      {Kind(K::kRush), Named(kRusher, A), Own(A), Side(A, kOffense)});
  Add(t, {12, 16, 21, 24, 47, 48, 59}, kStamp,
      {Kind(K::kRush), Named(kRusher, B), Fumble(B), Own(B), Side(B, kOffense),
       On(Op::kRecover, A)});
  Add(t, {13, 14, 63, 80}, kStamp,
      {Kind(K::kRush), Fumble(B), kAdvanceF, Own(B), Side(B, kOffense), Named(kBlocker, A), Opp(A),
       Side(A, kDefense), kFumbleSet});
  Add(t, {15, 65, 79, 110}, kStamp,
      {Kind(K::kRush), Named(kRusher, A), Fumble(A), Own(A), Side(A, kOffense), kAdvanceF,
       kFumbleSet});
  Add(t, {20, 127}, kStamp,
      {Kind(K::kRush), Result(R::kTwoPointGood), Named(kRusher, B), Own(B), Side(B, kOffense)});
  Add(t, {32, 138}, kNoStamp, {On(Op::kNoPlay)});
  Add(t, {33}, kStamp,
      {Kind(K::kRush), Result(R::kSafety), Named(kRusher, B), Fumble(B), Own(B), Side(B, kOffense),
       kAdvanceF, kFumbleSet});
  Add(t, {42}, kStamp,
      {Kind(K::kRush), Result(R::kTouchdown), Named(kRusher, B), Own(B), Side(B, kOffense)});
  Add(t, {49}, kStamp,
      {Kind(K::kRush), Result(R::kSafety), Named(kRusher, B), Fumble(B), kAdvanceF, Own(B),
       kFumbleSet});
  Add(t, {88, 119}, kStamp,
      {Kind(K::kRush), Fumble(B), Own(B), Side(B, kOffense), On(Op::kRecover, A)});
  Add(t, {109}, kStamp, {Fumble(B), Own(B), On(Op::kRecover, A)});
  Add(t, {116}, kStamp, {Fumble(B), kAdvanceF, Own(B), Result(R::kTouchback), kFumbleSet});
  Add(t, {121}, kStamp, {Kind(K::kRush), Named(kRusher, B), Own(B), Side(B, kOffense)});
  Add(t, {139}, kStamp, {On(Op::kRecovered, A)});
  Add(t, {150}, kNoStamp, {Kind(K::kRush), Result(R::kTouchdown), Named(kRusher, B)});
  Add(t, {154}, kStamp,
      {Kind(K::kRush), Result(R::kTackled), Named(kTackler, B), Opp(B), Side(B, kDefense),
       Named(kRusher, A), Own(A), Side(A, kOffense)});
  Add(t, {155}, kStamp,
      {Kind(K::kRush), Result(R::kSafety), Named(kRusher, B), Own(B), Side(B, kOffense)});
  Add(t, {156}, kStamp,
      {Kind(K::kSack), Result(R::kSack), Named(kSacker, B), Opp(B), Side(B, kDefense),
       Named(kSacked, A), Own(A), Side(A, kOffense)});
}

constexpr void AddScoringEffects(EffectTable& t) {
  // Extra points and field goals.
  Add(t, {53}, kStamp,
      {Kind(K::kExtraPoint), Named(kKicker, B), Kicked(B), Own(B), Side(B, kOffense),
       Named(kBlocker, A), Opp(A), Side(A, kDefense)});
  Add(t, {56}, kStamp,
      {Kind(K::kExtraPoint), Result(R::kExtraPointNoGood), Named(kKicker, B), Kicked(B), Own(B),
       Side(B, kOffense)});
  Add(t, {89}, kStamp,
      {Kind(K::kExtraPoint), Result(R::kExtraPointGood), Named(kKicker, B), Kicked(B), Own(B),
       Side(B, kOffense)});
  Add(t, {61}, kStamp,
      {Kind(K::kFieldGoal), Named(kKicker, B), Kicked(B), Own(B), Side(B, kOffense),
       Named(kBlocker, A), Opp(A), Side(A, kDefense)});
  Add(t, {64, 68}, kStamp,
      {Kind(K::kFieldGoal), Result(R::kFieldGoalNoGood), Named(kKicker, B), Kicked(B), Own(B),
       Side(B, kOffense)});
  Add(t, {102}, kStamp,
      {Kind(K::kFieldGoal), Result(R::kFieldGoalGood), Named(kKicker, B), Kicked(B), Own(B),
       Side(B, kOffense)});
  Add(t, {120}, kStamp, {Result(R::kTwoPointGood), Side(B, kOffense)});
  Add(t, {151}, kNoStamp, {On(Op::kConversionNoGood)});
  // Tackles by a named player, and those for a safety.
  Add(t, {30,  69,  70,  71,  72,  83,  90,  103, 111, 115, 122, 123, 124,
          125, 126, 128, 131, 132, 133, 134, 135, 136, 141, 142, 143, 144},
      kStamp, {Result(R::kTackled), Named(kTackler, B), On(Op::kTackle, B)});
  Add(t, {36, 37, 38, 40, 43, 45, 54, 57, 66, 74, 75, 76, 77}, kStamp,
      {Result(R::kSafety), Named(kTackler, B), On(Op::kSafetyHit, B), Side(B, kDefense)});
  Add(t, {29}, kStamp, {Result(R::kFairCatch), Named(kReturner, B), Own(B), Side(B, kDefense)});
  // Endings that name nobody.
  Add(t, {62}, kNoStamp, {Result(R::kWhistledDead), On(Op::kPenalty)});
  Add(t, {87}, kNoStamp, {Result(R::kOutOfBounds)});
  Add(t, {112, 153}, kNoStamp, {Result(R::kSafety)});
  Add(t, {147}, kNoStamp, {Result(R::kTouchdown), On(Op::kCarrierScored, B)});
  Add(t, {148}, kNoStamp, {Result(R::kTouchback)});
  Add(t, {129, 137, 146, 157, 158, 159}, kNoStamp, {});
  Add(t, {9,  22, 23, 25, 26, 27, 31, 34, 35, 39, 50,  51,  52,
          55, 58, 67, 78, 86, 91, 94, 95, 96, 97, 104, 105, 106},
      kNoStamp, {Result(R::kTackled)});
  for (const Row& row : t.rows) {
    if (!row.defined) t.valid = false;
  }
}

constexpr EffectTable BuildEffects() {
  EffectTable t;
  AddKickEffects(t);
  AddPassEffects(t);
  AddRunEffects(t);
  AddScoringEffects(t);
  return t;
}

constexpr EffectTable kEffects = BuildEffects();
static_assert(kEffects.valid, "every description code has exactly one row of effects");

std::int16_t Negate(std::int16_t label) {
  return static_cast<std::int16_t>(-label);
}

// A player's place in the description line; none when nobody stands there.
using Place = std::optional<std::size_t>;

// One walk over a play's codes.
class DescriptionWalk {
 public:
  DescriptionWalk(GameState& game, CurrentPlay& play)
      : game_(game), play_(play), label_(game.possessionLabel) {}

  void Apply(const Row& row, Place before, Place after) {
    stamp_ = row.stamp;
    for (std::size_t s = 0; s < row.count; ++s) {
      const Step& step = row.steps[s];
      Do(step, step.who == B ? before : step.who == A ? after : std::nullopt);
    }
  }

  // The place of a player in the line; none when nobody stands there.
  Place Index(std::size_t position) const {
    const BoundedList<league::PlayerRecord*, kDescriptionSlots>& players =
        play_.description.players;
    if (position >= players.size() || players[position] == nullptr) return std::nullopt;
    return position;
  }

 private:
  league::PlayerRecord* Player(Place index) const {
    return index ? play_.description.players[*index] : nullptr;
  }
  // The player named before the one at the place: the ball carrier a tackler
  // goes against.
  league::PlayerRecord* PlayerBefore(Place index) const {
    return index && *index > 0 ? Player(Index(*index - 1)) : nullptr;
  }

  void Stamp(Place index) {
    league::PlayerRecord* player = Player(index);
    if (stamp_ && player != nullptr) game_.players[*player].otherGroup = play_.groupAtSnap;
  }

  std::int16_t Join(std::int16_t label, Place index) {
    Stamp(index);
    return JoinGroup(game_, label, Player(index));
  }

  void PutFumbler(Place index) {
    if (f_ < kFumbleSlots) play_.fumblers[f_] = Player(index);
  }

  void PutRecoverer(Place index) {
    if (r_ < kFumbleSlots) play_.recoverers[r_] = Player(index);
    ++r_;
  }

  // A recovery by a player of the side that ran or passed, with the ball
  // still live at the spot: he is offense. Otherwise his side is unknown.
  bool OffenseRecovers() const {
    return !play_.gain.returnSpot && play_.situation.start != StartKind::kTry &&
           (play_.kind == PlayKind::kRush || play_.kind == PlayKind::kPass);
  }

  void RecoverBy(Place index) {
    if (OffenseRecovers()) {
      SetSide(index, league::kOffense);
      label_ = Join(play_.groupAtSnap, index);
    } else {
      label_ = Join(NewLabel(game_), index);
    }
  }

  void SetSide(Place index, std::uint16_t side) {
    league::PlayerRecord* player = Player(index);
    if (player != nullptr) player->side = side;
  }

  void Do(const Step& step, Place x) {
    switch (step.op) {
      case Op::kKind:
        play_.kind = step.kind;
        break;
      case Op::kResult:
        play_.result = step.result;
        break;
      case Op::kRole:
        play_.SetPlayer(step.role, Player(x));
        Stamp(x);
        break;
      case Op::kFumbler:
        PutFumbler(x);
        Stamp(x);
        break;
      case Op::kNextFumbleSlot:
        ++f_;
        break;
      case Op::kFumbleFlag:
        play_.fumble = true;
        break;
      case Op::kOwn:
        label_ = Join(label_, x);
        break;
      case Op::kOpp:
        label_ = Negate(Join(Negate(label_), x));
        break;
      case Op::kTake:
        label_ = Join(Negate(label_), x);
        break;
      case Op::kKick:
        label_ = Negate(Join(label_, x));
        break;
      case Op::kNew:
        label_ = Join(NewLabel(game_), x);
        break;
      case Op::kMark:
        Join(NewLabel(game_), x);
        break;
      case Op::kTackle:
        Tackle(x);
        break;
      case Op::kSafetyHit:
        Stamp(x);
        label_ = JoinOpposingGroup(game_, play_, Player(x), PlayerBefore(x), label_);
        break;
      case Op::kRecover:
        PutRecoverer(x);
        RecoverBy(x);
        ++f_;
        play_.fumble = true;
        break;
      case Op::kPuntCount:
        if (!play_.penalty.accepted || play_.penalty.assessedFrom) ++game_.puntsByGroup[label_];
        break;
      case Op::kSide:
        SetSide(x, step.side);
        break;
      case Op::kKicked:
        if (league::PlayerRecord* player = Player(x)) player->kicked = 1;
        break;
      case Op::kReset:
        if (play_.fumble) {
          play_.fumble = false;
          play_.fumblers.fill(nullptr);
          play_.recoverers.fill(nullptr);
          f_ = 0;
          r_ = 0;
        }
        break;
      case Op::kNoPlay:
        play_.noPlay = true;
        break;
      case Op::kPenalty:
        play_.penalty.called = true;
        break;
      case Op::kIntercepted:
        if (play_.kind != PlayKind::kPunt && play_.kind != PlayKind::kFieldGoal) {
          play_.kind = PlayKind::kPass;
          play_.SetPlayer(Role::kInterceptor, Player(x));
          label_ = Join(Negate(play_.groupAtSnap), x);
          SetSide(x, league::kDefense);
        } else {
          PutRecoverer(x);
          label_ = Join(Negate(play_.groupAtSnap), x);
        }
        break;
      case Op::kRecovered:
        PutRecoverer(x);
        RecoverBy(x);
        break;
      case Op::kBackToSnap:
        label_ = play_.groupAtSnap;
        break;
      case Op::kCarrierScored:
        if (const league::PlayerRecord* player = Player(x))
          label_ = game_.players[*player].teamGroup;
        break;
      case Op::kConversionNoGood:
        if (play_.situation.start == StartKind::kTry) play_.result = PlayResult::kTryNoGood;
        break;
    }
  }

  // The tackler goes against the player named before him, the ball carrier,
  // and takes the side opposite to his.
  void Tackle(Place x) {
    league::PlayerRecord* tackler = Player(x);
    if (tackler == nullptr) return;
    Stamp(x);
    league::PlayerRecord* carrier = PlayerBefore(x);
    label_ = JoinOpposingGroup(game_, play_, tackler, carrier, label_);
    if (carrier == nullptr || carrier->side == league::kOffense) {
      tackler->side = league::kDefense;
    } else if (carrier->side == league::kDefense) {
      tackler->side = league::kOffense;
    }
  }

  GameState& game_;
  CurrentPlay& play_;
  bool stamp_ = true;
  std::size_t f_ = 0;    // next free fumblers slot
  std::size_t r_ = 0;    // next free recoverers slot
  std::int16_t& label_;  // L, the possession label
};

}  // namespace

void ResolveDescription(GameState& game, CurrentPlay& play) {
  DescriptionWalk walk(game, play);
  // A line that begins with a phrase has one code more than players: the
  // phrase of code k then stands between players k-1 and k, else between
  // players k and k+1.
  const DescriptionText& description = play.description;
  const bool phraseFirst = description.codes.size() > description.players.size();
  for (std::size_t k = 0; k < description.codes.size(); ++k) {
    const PhraseCode code = PartnerCode(description.codes[k]);
    if (code >= kPartnerCodes) continue;
    const Place before = phraseFirst ? (k > 0 ? walk.Index(k - 1) : std::nullopt) : walk.Index(k);
    const Place after = walk.Index(phraseFirst ? k : k + 1);
    walk.Apply(kEffects.rows[code], before, after);
  }
}

}  // namespace yl::transcript
