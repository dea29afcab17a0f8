// Output options and their stored form.
#include "options/output_options.h"

#include <array>

namespace yl::options {

namespace {

// The stored record: 28 bytes, little-endian numbers, one byte per flag.
// Every report mode and both layouts of each game mode have flags of their
// own; the options in memory say the same without contradictions.
constexpr std::uint16_t kRecordVersion = 20;
constexpr std::size_t kRecordBytes = 28;
using Record = std::array<std::uint8_t, kRecordBytes>;

// Byte offsets. Bytes 2-4, 14-15 and 23 are reserved.
enum Offset : std::size_t {
  kVersion = 0,  // 16 bits
  kGameStats = 5,
  kOneFile = 6,
  kSeparateFiles = 7,
  kCumulativeStats = 8,
  kCumulativePlayerStats = 9,
  kCumulativeTeamStats = 10,
  kLeagueStats = 11,
  kLeagueTeamStats = 12,
  kLeagueLeaders = 13,
  kLeadersCount = 16,  // 32 bits
  kPerPlayStats = 20,
  kPerPlayOneFile = 21,
  kPerPlaySeparateFiles = 22,
  kFileFormat = 24,  // 32 bits: 0 Macintosh, 1 Windows, 2 Unix
};

void Put(Record& record, Offset at, std::uint32_t value, std::size_t bytes) {
  for (std::size_t i = 0; i < bytes; ++i)
    record[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t Get(const Record& record, Offset at, std::size_t bytes) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < bytes; ++i)
    value |= static_cast<std::uint32_t>(record[at + i]) << (8 * i);
  return value;
}

Record Encode(const OutputOptions& o) {
  Record record{};
  Put(record, kVersion, kRecordVersion, 2);
  const auto flag = [&record](Offset at, bool set) { record[at] = set ? 1 : 0; };
  flag(kGameStats, o.mode == ReportMode::kGame);
  flag(kOneFile, o.gameLayout == FileLayout::kOneFile);
  flag(kSeparateFiles, o.gameLayout == FileLayout::kSeparateFiles);
  flag(kCumulativeStats, o.mode == ReportMode::kCumulative);
  flag(kCumulativePlayerStats, o.cumulativePlayerTables);
  flag(kCumulativeTeamStats, o.cumulativeTeamTables);
  flag(kLeagueStats, o.mode == ReportMode::kLeague);
  flag(kLeagueTeamStats, o.leagueTeamTables);
  flag(kLeagueLeaders, o.leagueLeaders);
  Put(record, kLeadersCount, static_cast<std::uint32_t>(o.leadersCount), 4);
  flag(kPerPlayStats, o.mode == ReportMode::kPerPlay);
  flag(kPerPlayOneFile, o.perPlayLayout == FileLayout::kOneFile);
  flag(kPerPlaySeparateFiles, o.perPlayLayout == FileLayout::kSeparateFiles);
  Put(record, kFileFormat, static_cast<std::uint32_t>(o.lineEnds), 4);
  return record;
}

OutputOptions Decode(const Record& record) {
  OutputOptions o;
  // A record with more than one mode set (none written by the program) is
  // read in the order its report file's suffix has always followed.
  if (record[kGameStats] != 0) {
    o.mode = ReportMode::kGame;
  } else if (record[kCumulativeStats] != 0) {
    o.mode = ReportMode::kCumulative;
  } else if (record[kLeagueStats] != 0) {
    o.mode = ReportMode::kLeague;
  } else if (record[kPerPlayStats] != 0) {
    o.mode = ReportMode::kPerPlay;
  }
  const auto layout = [&record](Offset separate) {
    return record[separate] != 0 ? FileLayout::kSeparateFiles : FileLayout::kOneFile;
  };
  o.gameLayout = layout(kSeparateFiles);
  o.perPlayLayout = layout(kPerPlaySeparateFiles);
  o.cumulativePlayerTables = record[kCumulativePlayerStats] != 0;
  o.cumulativeTeamTables = record[kCumulativeTeamStats] != 0;
  o.leagueTeamTables = record[kLeagueTeamStats] != 0;
  o.leagueLeaders = record[kLeagueLeaders] != 0;
  o.leadersCount = static_cast<std::int32_t>(Get(record, kLeadersCount, 4));
  // Any other format number has always written the Windows line ends.
  switch (Get(record, kFileFormat, 4)) {
    case 0:
      o.lineEnds = LineEnds::kMacintosh;
      break;
    case 2:
      o.lineEnds = LineEnds::kUnix;
      break;
    default:
      o.lineEnds = LineEnds::kWindows;
  }
  return o;
}

// The decoding rule of the stored text: any character decodes, hexadecimal
// digits of either case to their values.
std::uint8_t DigitValue(unsigned char c) {
  return static_cast<std::uint8_t>((c & 15) + (c >= 58 ? 9 : 0));
}

}  // namespace

std::string_view LineEnding(LineEnds lineEnds) {
  switch (lineEnds) {
    case LineEnds::kMacintosh:
      return "\r";
    case LineEnds::kUnix:
      return "\n";
    case LineEnds::kWindows:
      break;
  }
  return "\r\n";
}

std::string_view DoubleLineEnding(LineEnds lineEnds) {
  switch (lineEnds) {
    case LineEnds::kMacintosh:
      return "\r\r";
    case LineEnds::kUnix:
      return "\n\n";
    case LineEnds::kWindows:
      break;
  }
  return "\r\n\r\n";
}

std::string EncodeOptionsText(const OutputOptions& options) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text;
  for (const std::uint8_t byte : Encode(options)) {
    text += kDigits[byte >> 4];
    text += kDigits[byte & 15];
  }
  return text;
}

LoadedOptions DecodeOptionsText(const std::optional<std::string>& text) {
  if (!text) return {};
  // Two digits a byte; a last odd character is not read.
  if (text->size() / 2 != kRecordBytes) return {OutputOptions(), LoadResult::kWrongLength};
  Record record{};
  for (std::size_t i = 0; i < kRecordBytes; ++i) {
    record[i] =
        static_cast<std::uint8_t>(DigitValue((*text)[2 * i]) * 16 + DigitValue((*text)[2 * i + 1]));
  }
  if (Get(record, kVersion, 2) != kRecordVersion)
    return {OutputOptions(), LoadResult::kWrongVersion};
  return {Decode(record), LoadResult::kStored};
}

LoadedOptions LoadOptions(SettingsStore& store) {
  return DecodeOptionsText(store.ReadOptions());
}

bool SaveOptions(SettingsStore& store, const OutputOptions& options) {
  return store.WriteOptions(EncodeOptionsText(options));
}

}  // namespace yl::options
