// Every field of a player's sixteen stat records as one list, each with its
// column name: the record's slot and the field, in snake case
// ("rushing_attempts", "fg_kicking_made30to39"). Machine-readable output
// walks this list, so a field added to a record is one line here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
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
  bool longest;  // a longest play (16 bits), not a count (32 bits)
  // Where the field lies in a player record that has its record, in bytes
  // from the record's start: ReadHeld reads it without a call.
  std::size_t offset;
};

// The field of a player who has its record (field.has(player)): what
// field.read gives, read in place. Loops over many fields of many players
// use it; a call per field through a pointer costs them more than the rest.
inline std::int64_t ReadHeld(const PlayerRecord& player, const StatField& field) {
  const char* const at = reinterpret_cast<const char*>(&player) + field.offset;
  if (field.longest) {
    std::int16_t value;
    std::memcpy(&value, at, sizeof value);
    return value;
  }
  std::int32_t value;
  std::memcpy(&value, at, sizeof value);
  return value;
}

// Sets the field of a player who has its record, as field.write would.
inline void WriteHeld(PlayerRecord& player, const StatField& field, std::int64_t value) {
  char* const at = reinterpret_cast<char*>(&player) + field.offset;
  if (field.longest) {
    const auto narrow = static_cast<std::int16_t>(value);
    std::memcpy(at, &narrow, sizeof narrow);
    return;
  }
  const auto narrow = static_cast<std::int32_t>(value);
  std::memcpy(at, &narrow, sizeof narrow);
}

// The fields in the order of the player record's slots, and of each record's
// fields.
std::span<const StatField> PlayerStatFields();

// "fgKicking" -> "fg_kicking", "made30to39" -> "made30to39": a capital
// starts a new word; digits stay with the word before them.
std::string SnakeCase(std::string_view camelCase);

}  // namespace yl::league
