// Output options and their stored form.
#include "options/output_options.h"

namespace yl::options {

namespace {

void Put16(std::array<std::uint8_t, kOptionsBytes>& b, std::size_t at, std::uint16_t v) {
  b[at] = static_cast<std::uint8_t>(v & 0xFF);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void Put32(std::array<std::uint8_t, kOptionsBytes>& b, std::size_t at, std::int32_t value) {
  const auto v = static_cast<std::uint32_t>(value);
  for (std::size_t i = 0; i < 4; ++i)
    b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::uint16_t Get16(const std::array<std::uint8_t, kOptionsBytes>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

std::int32_t Get32(const std::array<std::uint8_t, kOptionsBytes>& b, std::size_t at) {
  std::uint32_t v = 0;
  for (std::size_t i = 0; i < 4; ++i)
    v |= static_cast<std::uint32_t>(b[at + i]) << (8 * i);
  return static_cast<std::int32_t>(v);
}

// The decoding rule of the stored text: any character decodes, hexadecimal
// digits of either case to their values.
std::uint8_t DigitValue(unsigned char c) {
  return static_cast<std::uint8_t>((c & 15) + (c >= 58 ? 9 : 0));
}

constexpr std::array<std::size_t, 6> kReservedOffsets = {2, 3, 4, 14, 15, 23};

}  // namespace

std::string_view LineEnding(std::int32_t fileFormat) {
  switch (fileFormat) {
    case kMacintosh:
      return "\r";
    case kUnix:
      return "\n";
    default:
      return "\r\n";
  }
}

std::string_view DoubleLineEnding(std::int32_t fileFormat) {
  switch (fileFormat) {
    case kMacintosh:
      return "\r\r";
    case kUnix:
      return "\n\n";
    default:
      return "\r\n\r\n";
  }
}

void SetDefaultOptions(OutputOptions& options) {
  options = OutputOptions();
}

std::array<std::uint8_t, kOptionsBytes> EncodeOptionBytes(const OutputOptions& o) {
  std::array<std::uint8_t, kOptionsBytes> b{};
  Put16(b, 0, o.version);
  for (std::size_t i = 0; i < kReservedOffsets.size(); ++i)
    b[kReservedOffsets[i]] = o.reserved[i];
  b[5] = o.gameStats;
  b[6] = o.oneFile;
  b[7] = o.separateFiles;
  b[8] = o.cumulativeStats;
  b[9] = o.cumulativePlayerStats;
  b[10] = o.cumulativeTeamStats;
  b[11] = o.leagueStats;
  b[12] = o.leagueTeamStats;
  b[13] = o.leagueLeaders;
  Put32(b, 16, o.leadersCount);
  b[20] = o.perPlayStats;
  b[21] = o.perPlayOneFile;
  b[22] = o.perPlaySeparateFiles;
  Put32(b, 24, o.fileFormat);
  return b;
}

OutputOptions DecodeOptionBytes(const std::array<std::uint8_t, kOptionsBytes>& b) {
  OutputOptions o;
  o.version = Get16(b, 0);
  for (std::size_t i = 0; i < kReservedOffsets.size(); ++i)
    o.reserved[i] = b[kReservedOffsets[i]];
  o.gameStats = b[5];
  o.oneFile = b[6];
  o.separateFiles = b[7];
  o.cumulativeStats = b[8];
  o.cumulativePlayerStats = b[9];
  o.cumulativeTeamStats = b[10];
  o.leagueStats = b[11];
  o.leagueTeamStats = b[12];
  o.leagueLeaders = b[13];
  o.leadersCount = Get32(b, 16);
  o.perPlayStats = b[20];
  o.perPlayOneFile = b[21];
  o.perPlaySeparateFiles = b[22];
  o.fileFormat = Get32(b, 24);
  return o;
}

std::string EncodeOptionsText(const OutputOptions& options) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text;
  for (const std::uint8_t byte : EncodeOptionBytes(options)) {
    text += kDigits[byte >> 4];
    text += kDigits[byte & 15];
  }
  return text;
}

LoadResult LoadOptions(SettingsStore& store, OutputOptions& options) {
  SetDefaultOptions(options);
  const std::optional<std::string> text = store.ReadOptions();
  if (!text) return LoadResult::kNone;
  if (text->size() / 2 != kOptionsBytes) {
    store.DeleteOptions();
    return LoadResult::kWrongLength;
  }
  std::array<std::uint8_t, kOptionsBytes> bytes{};
  for (std::size_t i = 0; i < kOptionsBytes; ++i) {
    bytes[i] =
        static_cast<std::uint8_t>(DigitValue((*text)[2 * i]) * 16 + DigitValue((*text)[2 * i + 1]));
  }
  const OutputOptions decoded = DecodeOptionBytes(bytes);
  if (decoded.version != kOptionsVersion) {
    store.DeleteOptions();
    return LoadResult::kWrongVersion;
  }
  options = decoded;
  return LoadResult::kStored;
}

bool SaveOptions(SettingsStore& store, OutputOptions& options) {
  options.version = kOptionsVersion;
  return store.WriteOptions(EncodeOptionsText(options));
}

}  // namespace yl::options
