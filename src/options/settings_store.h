// The per-user settings store shared by every front end: an INI file,
// $XDG_CONFIG_HOME/Corbelton/yardledger.conf, section [Settings], key Options;
// the front ends' other values are keys of the same section.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "options/output_options.h"

namespace yl::options {

// The store's file for this user ("" when neither XDG_CONFIG_HOME nor HOME
// is set).
std::string DefaultSettingsPath();

class IniSettingsStore : public SettingsStore {
 public:
  explicit IniSettingsStore(std::string path) : path_(std::move(path)) {}

  std::optional<std::string> ReadOptions() override;
  bool WriteOptions(std::string_view text) override;
  bool DeleteOptions() override;
  std::optional<std::string> ReadValue(std::string_view key) override;
  // A value holding a line end is refused (false, nothing written).
  bool WriteValues(const std::vector<StoredValue>& values) override;

  std::string Problem() const override { return problem_; }

  const std::string& path() const { return path_; }

 private:
  // Replaces (or, with no value, removes) each key; every other line stays.
  // A file that cannot be read is not replaced, nor one that may not be
  // written or has other hard links; a symbolic link is followed.
  bool Update(const std::vector<StoredValue>& values);
  // The file's lines; none when it does not exist or cannot be read (then
  // problem_ says why).
  std::optional<std::vector<std::string>> ReadLines();

  std::string path_;
  std::string problem_;
};

}  // namespace yl::options
