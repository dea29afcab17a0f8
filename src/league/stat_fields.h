// Every field of a player's sixteen stat records as one list, each with its
// column name: the record's slot and the field, in snake case
// ("rushing_attempts", "fg_kicking_made30to39"). Machine-readable output
// walks this list, so a field added to a record is one line here.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "league/league.h"

namespace yl::league {

struct StatField {
  std::string column;
  // The field's value; 0 when the player has no such record. A longest play
  // never set reads kNoLongest.
  std::int64_t (*read)(const PlayerRecord&);
  // Sets the field, making the record when the player has none.
  void (*write)(PlayerRecord&, std::int64_t);
  // Whether the player has the record the field belongs to; fields of one
  // record share this function and follow each other.
  bool (*has)(const PlayerRecord&);
  bool longest;  // a longest play, not a count
};

// The fields in the order of the player record's slots, and of each record's
// fields.
std::span<const StatField> PlayerStatFields();

// "fgKicking" -> "fg_kicking", "made30to39" -> "made30to39": a capital
// starts a new word; digits stay with the word before them.
std::string SnakeCase(std::string_view camelCase);

}  // namespace yl::league
