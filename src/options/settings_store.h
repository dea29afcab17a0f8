// The per-user settings store shared by every front end: an INI file,
// $XDG_CONFIG_HOME/Corbelton/yardledger.conf, section [Settings], key Options.
#pragma once

#include <optional>
#include <string>
#include <string_view>

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

  const std::string& path() const { return path_; }

 private:
  // Replaces (or, with no value, removes) the key; every other line stays.
  bool Update(const std::optional<std::string_view>& value);
  std::string path_;
};

}  // namespace yl::options
