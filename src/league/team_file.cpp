// Team files.
#include "league/team_file.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "run/errors.h"

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
  // The name field: a length byte (above 31 read as 31) and the name, which
  // also ends at a zero byte.
  const std::size_t length = std::min<std::size_t>(bytes[4], kMaxPlayerName);
  const std::string_view name(reinterpret_cast<const char*>(bytes + 5), length);
  entry.name = std::string(name.substr(0, name.find('\0')));
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
    player->teamFixed = true;
  }
  league.teamsOpen = false;
  league.positionsInferred = false;
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

bool ReadTeamFile(League& league, run::ErrorLog& log, run::FileSystem& files,
                  const run::TeamFileRecord& record) {
  run::File file;
  if (const std::error_code error = files.OpenToRead(record.path, file))
    run::FailOnFile(run::ErrorKind::kTeamFileOpen, record.path, error);
  // A byte-order mark before a whole team file, and a byte past its end
  // that tells of more entries.
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  run::FileBytes bytes;
  if (const std::error_code error = file.Read(bytes, kByteOrderMark.size() + kTeamFileSize + 1))
    run::FailOnFile(run::ErrorKind::kTeamFileRead, record.path, error);
  if (const std::error_code error = file.Close())
    run::FailOnFile(run::ErrorKind::kTeamFileClose, record.path, error);
  constexpr auto kEntrySize = static_cast<std::size_t>(kTeamFileEntrySize);
  constexpr auto kWholeSize = static_cast<std::size_t>(kTeamFileSize);
  if (std::string_view(bytes.data(), bytes.size()).starts_with(kByteOrderMark) &&
      bytes.size() % kEntrySize == kByteOrderMark.size())
    bytes.erase(bytes.begin(), bytes.begin() + kByteOrderMark.size());
  const bool tooLong = bytes.size() > kWholeSize;
  const bool cut = !tooLong && bytes.size() % kEntrySize != 0;
  if (tooLong) bytes.resize(kWholeSize);
  std::array<TeamFileEntry, kTeamFileEntries> entries;
  // An entry that does not lie wholly inside the file is absent.
  for (std::size_t i = 0; (i + 1) * kTeamFileEntrySize <= bytes.size(); ++i)
    entries[i] = DecodeTeamFileEntry(reinterpret_cast<const unsigned char*>(bytes.data()) +
                                     i * kTeamFileEntrySize);
  bool plausible = false;
  for (const int index : kUsedEntries)
    plausible = plausible || PlausibleEntry(entries[static_cast<std::size_t>(index)]);
  if (!plausible) {
    run::LogTranscriptError(log, record.name, run::ErrorKind::kNotATeamFile, record.path);
    return false;
  }
  if (tooLong)
    run::LogTranscriptError(log, record.name, run::ErrorKind::kTeamFileLong, record.path);
  if (cut) run::LogTranscriptError(log, record.name, run::ErrorKind::kTeamFileCut, record.path);
  BuildRoster(league, record.name, entries);
  return true;
}

}  // namespace yl::league
