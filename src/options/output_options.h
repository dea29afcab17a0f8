// The output options that steer a compile run, and their stored form: the
// 28 bytes of the record as 56 hexadecimal digits.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace yl::options {

constexpr std::uint16_t kOptionsVersion = 20;
constexpr std::size_t kOptionsBytes = 28;

enum FileFormat : std::int32_t { kMacintosh = 0, kWindows = 1, kUnix = 2 };

struct OutputOptions {
  std::uint16_t version = kOptionsVersion;
  std::uint8_t gameStats = 1;
  std::uint8_t oneFile = 1;
  std::uint8_t separateFiles = 0;
  std::uint8_t cumulativeStats = 0;
  std::uint8_t cumulativePlayerStats = 1;
  std::uint8_t cumulativeTeamStats = 1;
  std::uint8_t leagueStats = 0;
  std::uint8_t leagueTeamStats = 1;
  std::uint8_t leagueLeaders = 1;
  std::int32_t leadersCount = 20;  // -1: every player
  std::uint8_t perPlayStats = 0;
  std::uint8_t perPlayOneFile = 0;
  std::uint8_t perPlaySeparateFiles = 1;
  std::int32_t fileFormat = kWindows;
  // Reserved bytes (offsets 2-4, 14-15, 23) are kept as stored.
  std::array<std::uint8_t, 6> reserved{};
};

void SetDefaultOptions(OutputOptions& options);

// The line end of a file format: "\r", "\r\n" or "\n" for kMacintosh,
// kWindows, kUnix (Windows for anything else).
std::string_view LineEnding(std::int32_t fileFormat);
// The same terminator twice: ends a line and leaves one empty line.
std::string_view DoubleLineEnding(std::int32_t fileFormat);

std::array<std::uint8_t, kOptionsBytes> EncodeOptionBytes(const OutputOptions& options);
OutputOptions DecodeOptionBytes(const std::array<std::uint8_t, kOptionsBytes>& bytes);

// The 56 lower-case hexadecimal digits of the record.
std::string EncodeOptionsText(const OutputOptions& options);

// A value the front ends keep beside the options under its own key (a
// remembered folder, a window's size); no value removes the key. Values are
// one line of text.
struct StoredValue {
  std::string key;
  std::optional<std::string> value;
};

// Where the stored options live; front ends and tests provide it.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::optional<std::string> ReadOptions() = 0;
  // Both return false when the store could not be changed.
  virtual bool WriteOptions(std::string_view text) = 0;
  virtual bool DeleteOptions() = 0;

  // Other values of the same store. A store that keeps only the options
  // remembers nothing else.
  virtual std::optional<std::string> ReadValue(std::string_view /*key*/) { return std::nullopt; }
  // Changes all the keys at once; false when the store could not be changed.
  virtual bool WriteValues(const std::vector<StoredValue>& /*values*/) { return false; }
};

// How LoadOptions ended: the stored value was used, or why the defaults were
// (nothing stored; a text of the wrong length or a wrong version, both of
// which are deleted from the store).
enum class LoadResult { kStored, kNone, kWrongLength, kWrongVersion };

LoadResult LoadOptions(SettingsStore& store, OutputOptions& options);
bool SaveOptions(SettingsStore& store, OutputOptions& options);

}  // namespace yl::options
