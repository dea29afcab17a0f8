// Team files.
#include "league/team_file.h"

#include <cstring>

#include "run/alert.h"
#include "run/file_layer.h"

namespace yl::league {

namespace {

std::int16_t BigEndian16(const unsigned char* bytes) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>((bytes[0] << 8) | bytes[1]));
}

}  // namespace

TeamFileEntry DecodeTeamFileEntry(const unsigned char* bytes) {
  TeamFileEntry entry;
  entry.present = true;
  entry.unused0 = BigEndian16(bytes + 0);
  entry.sideFlag = BigEndian16(bytes + 2);
  unsigned char nameField[32];
  std::memcpy(nameField, bytes + 4, sizeof nameField);
  if (nameField[0] > kMaxPlayerName) nameField[0] = kMaxPlayerName;
  run::PtoCStr(nameField);
  entry.name = reinterpret_cast<const char*>(nameField);
  entry.unused36 = BigEndian16(bytes + 36);
  entry.position = BigEndian16(bytes + 38);
  entry.number = BigEndian16(bytes + 40);
  return entry;
}

void BuildRoster(League& league, std::string_view teamName,
                 const std::array<TeamFileEntry, kTeamFileEntries>& entries) {
  for (const int index : kUsedEntries) {
    const TeamFileEntry& entry = entries[index];
    if (!entry.present) continue;
    PlayerRecord* player = AddPlayer(league, entry.name, entry.number);
    player->position = entry.position;
    player->side = entry.sideFlag != 0 ? kDefense : kOffense;
    player->teamName = std::string(teamName.substr(0, kMaxTeamName));
    player->teamOpen = 0;
  }
  AddTeam(league, teamName);
}

bool PlausibleEntry(const TeamFileEntry& entry) {
  if (!entry.present || entry.number < 0 || entry.number >= kHashBuckets) return false;
  for (const char c : entry.name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 32 || byte == 127) return false;
  }
  return true;
}

bool ReadTeamFile(League& league, run::ErrorLog& log, const run::TeamFileRecord& record) {
  run::OpenFile file;
  run::FSSpec spec{record.path, run::NameOf(record.path)};
  if (run::FSpOpenDF(spec, run::fsRdPerm, file) != run::noErr) {
    run::FileAlert("pTeam File FSpOpenDF() Error", {}, record.path);
  }
  std::int32_t length = 0;
  if (run::GetEOF(file, length) != run::noErr) {
    run::FileAlert("pTeam File FSRead() Error", {}, record.path);
  }
  std::array<TeamFileEntry, kTeamFileEntries> entries;
  unsigned char bytes[kTeamFileEntrySize];
  for (int i = 0; i < kTeamFileEntries; ++i) {
    // An entry that does not lie wholly inside the file is absent.
    if (static_cast<std::int64_t>(i + 1) * kTeamFileEntrySize > length) break;
    if (run::FSRead(file, kTeamFileEntrySize, bytes) != run::noErr) {
      run::FileAlert("pTeam File FSRead() Error", {}, record.path);
    }
    entries[i] = DecodeTeamFileEntry(bytes);
  }
  if (run::FSClose(file) != run::noErr) {
    run::FileAlert("pTeam File FSClose() Error", {}, record.path);
  }
  bool plausible = false;
  for (const int index : kUsedEntries)
    plausible = plausible || PlausibleEntry(entries[static_cast<std::size_t>(index)]);
  if (!plausible) {
    run::LogTranscriptError(log, record.name, run::kNotATeamFile, record.path);
    return false;
  }
  BuildRoster(league, record.name, entries);
  return true;
}

}  // namespace yl::league
