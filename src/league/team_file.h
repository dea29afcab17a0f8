// Team files (*.fbt): 45 entries of 58 bytes with big-endian numbers; the
// team's name is the file's name.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "league/league.h"
#include "run/error_log.h"
#include "run/file_layer.h"
#include "run/input_files.h"

namespace yl::league {

constexpr int kTeamFileEntries = 45;
constexpr int kTeamFileEntrySize = 58;
constexpr int kTeamFileSize = kTeamFileEntries * kTeamFileEntrySize;  // 2610

// The 0-based entries that hold the thirty players, in roster order.
constexpr std::array<int, 30> kUsedEntries = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10,
                                              11, 12, 13, 14, 15, 16, 17, 18, 19, 20,
                                              21, 22, 23, 24, 25, 31, 35, 36, 39, 42};

struct TeamFileEntry {
  bool present = false;  // the entry lies wholly inside the file
  std::int16_t unused0 = 0;
  std::int16_t sideFlag = 0;  // 0 offense, anything else defense
  std::string name;
  std::int16_t unused36 = 0;
  std::int16_t position = 0;
  std::int16_t number = 0;
};

// Decodes one 58-byte entry (big-endian fields, length-prefixed name; a
// length byte above 31 is read as 31).
TeamFileEntry DecodeTeamFileEntry(const unsigned char* bytes);

// Adds one team and a player for every used entry that is present.
void BuildRoster(League& league, std::string_view teamName,
                 const std::array<TeamFileEntry, kTeamFileEntries>& entries);

// An entry a team file can hold: whole, a jersey number 0 to 99, and a name
// without control bytes.
bool PlausibleEntry(const TeamFileEntry& entry);

// Reads one team file into the league model, after a UTF-8 byte-order mark
// put before it. A file shorter than 2610 bytes gives players only for the
// entries that lie wholly inside it, and one that ends inside an entry is
// logged as cut short; of a longer file the first 2610 bytes are read, and
// that is logged too. A file none
// of whose used entries is plausible (an empty file, random bytes, a
// transcript) is no team file: it is logged under its name with its path,
// no team is made, and false is returned.
bool ReadTeamFile(League& league, run::ErrorLog& log, run::FileSystem& files,
                  const run::TeamFileRecord& record);

}  // namespace yl::league
