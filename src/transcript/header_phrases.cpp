// The phrases of a play header, by code and in trial order, with their
// length index.
#include "transcript/header_phrases.h"

#include "transcript/trial_order.h"

namespace yl::transcript {

namespace {

// Every blank belongs to its phrase; \xC9 is the ellipsis byte.
constexpr std::array<PhraseEntry, kHeaderPhraseCount> kByCode = {{
    {" on the clock, and trying for an extra point from the ", 0},
    {" on the clock, and free kicking from their own ", 1},
    {" on the clock, and kicking-off from their own ", 2},
    {" on the clock, and kicking-off from the ", 3},
    {"st-and-inches to go from the goal line...", 4},
    {"nd-and-inches to go from the goal line...", 5},
    {"rd-and-inches to go from the goal line...", 6},
    {"th-and-inches to go from the goal line...", 7},
    {"st-and-goal to go from the goal line...", 8},
    {"nd-and-goal to go from the goal line...", 9},
    {"rd-and-goal to go from the goal line...", 10},
    {"th-and-goal to go from the goal line...", 11},
    {"st-and-inches to go from their own ", 12},
    {"nd-and-inches to go from their own ", 13},
    {"rd-and-inches to go from their own ", 14},
    {"th-and-inches to go from their own ", 15},
    {" to go from their own goal line...", 16},
    {"st-and-inches to go from the ", 17},
    {"nd-and-inches to go from the ", 18},
    {"rd-and-inches to go from the ", 19},
    {"th-and-inches to go from the ", 20},
    {"st-and-goal to go from the ", 21},
    {"nd-and-goal to go from the ", 22},
    {"rd-and-goal to go from the ", 23},
    {"th-and-goal to go from the ", 24},
    {" to go from their own ", 25},
    {" on the clock, and ", 26},
    {" in the OT period, ", 27},
    {" to go from the ", 28},
    {"With the score ", 29},
    {"st quarter, ", 30},
    {"nd quarter, ", 31},
    {"rd quarter, ", 32},
    {"th quarter, ", 33},
    {" yard line...", 34},
    {" in the ", 35},
    {"th-and-", 36},
    {"rd-and-", 37},
    {"st-and-", 38},
    {"nd-and-", 39},
    {" to ", 40},
    {":", 41},
    {"st-and-inches to go from the goal line\xC9", 42},
    {"nd-and-inches to go from the goal line\xC9", 43},
    {"rd-and-inches to go from the goal line\xC9", 44},
    {"th-and-inches to go from the goal line\xC9", 45},
    {"st-and-goal to go from the goal line\xC9", 46},
    {"nd-and-goal to go from the goal line\xC9", 47},
    {"rd-and-goal to go from the goal line\xC9", 48},
    {"th-and-goal to go from the goal line\xC9", 49},
    {" to go from their own goal line\xC9", 50},
    {" yard line\xC9", 51},
}};
static_assert(IndexedByCode(kByCode));

constexpr std::array<PhraseEntry, kHeaderPhraseCount> kTrialOrder =
    SortByTrialOrder(kByCode, [](PhraseCode code) { return code; });

constexpr LengthIndex kLengthIndex{kTrialOrder};

}  // namespace

std::span<const PhraseEntry> HeaderPhrases() {
  return kTrialOrder;
}

const LengthIndex& HeaderLengthIndex() {
  return kLengthIndex;
}

std::string_view HeaderPhraseText(PhraseCode code) {
  if (code >= kHeaderPhraseCount) return {};
  return kByCode[code].text;
}

}  // namespace yl::transcript
