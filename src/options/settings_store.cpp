// The INI settings store. Every other section and key of the file is kept,
// and the file is replaced atomically (a temporary file renamed over it), so
// a crash never leaves it half written.
#include "options/settings_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

namespace yl::options {

namespace {

constexpr std::string_view kSection = "Settings";
constexpr std::string_view kKey = "Options";

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
    s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

// "[Name]" gives Name; any other line gives nothing.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = Trim(line);
  if (line.size() < 2 || line.front() != '[' || line.back() != ']') return std::nullopt;
  return Trim(line.substr(1, line.size() - 2));
}

// "key = value" gives key and value; any other line gives nothing.
struct KeyValue {
  std::string_view key;
  std::string_view value;
};
std::optional<KeyValue> SplitKeyValue(std::string_view line) {
  const auto eq = line.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  return KeyValue{Trim(line.substr(0, eq)), Trim(line.substr(eq + 1))};
}

std::vector<std::string> ReadLines(const std::string& path, bool& exists) {
  std::vector<std::string> lines;
  std::ifstream in(path, std::ios::binary);
  exists = static_cast<bool>(in);
  std::string line;
  while (std::getline(in, line))
    lines.push_back(line);
  return lines;
}

bool MakeFolders(const std::string& folder) {
  if (folder.empty()) return true;
  std::string partial;
  std::size_t at = 0;
  while (at != std::string::npos) {
    at = folder.find('/', at + 1);
    partial = folder.substr(0, at);
    if (partial.empty()) continue;
    if (::mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  return true;
}

bool WriteAtomically(const std::string& path, const std::string& content) {
  const auto slash = path.rfind('/');
  if (slash != std::string::npos && !MakeFolders(path.substr(0, slash))) return false;
  std::string temp = path + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;
  // The new text takes the old file's place with the old file's mode; a new
  // file stays private to its user.
  struct stat old;
  bool ok = ::stat(path.c_str(), &old) != 0 || ::fchmod(fd, old.st_mode & 07777) == 0;
  std::size_t done = 0;
  while (ok && done < content.size()) {
    const ssize_t put = ::write(fd, content.data() + done, content.size() - done);
    if (put < 0) {
      if (errno == EINTR) continue;
      ok = false;
      break;
    }
    done += static_cast<std::size_t>(put);
  }
  ok = ok && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  ok = ok && ::rename(temp.c_str(), path.c_str()) == 0;
  if (!ok) ::unlink(temp.c_str());
  return ok;
}

}  // namespace

std::string DefaultSettingsPath() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  std::string base;
  if (config != nullptr && config[0] == '/') {
    base = config;
  } else {
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == 0) return std::string();
    base = std::string(home) + "/.config";
  }
  return base + "/Corbelton/yardledger.conf";
}

std::optional<std::string> IniSettingsStore::ReadOptions() {
  return ReadValue(kKey);
}

bool IniSettingsStore::WriteOptions(std::string_view text) {
  return Update({{std::string(kKey), std::string(text)}});
}

bool IniSettingsStore::DeleteOptions() {
  return Update({{std::string(kKey), std::nullopt}});
}

std::optional<std::string> IniSettingsStore::ReadValue(std::string_view key) {
  bool exists = false;
  bool inSection = false;
  for (const std::string& line : ReadLines(path_, exists)) {
    if (const auto section = SectionName(line)) {
      inSection = *section == kSection;
    } else if (inSection) {
      if (const auto pair = SplitKeyValue(line); pair && pair->key == key)
        return std::string(pair->value);
    }
  }
  return std::nullopt;
}

bool IniSettingsStore::WriteValues(const std::vector<StoredValue>& values) {
  for (const StoredValue& stored : values) {
    if (stored.value && stored.value->find_first_of("\r\n") != std::string::npos) return false;
  }
  return Update(values);
}

bool IniSettingsStore::Update(const std::vector<StoredValue>& values) {
  bool exists = false;
  const std::vector<std::string> lines = ReadLines(path_, exists);
  std::vector<bool> written(values.size(), false);
  const auto anyToWrite = [&] {
    for (std::size_t i = 0; i < values.size(); ++i)
      if (values[i].value && !written[i]) return true;
    return false;
  };
  if (!exists && !anyToWrite()) return true;
  std::ostringstream out;
  // Writes the value of `key` where its old line was (the first time), or
  // every value not written yet when `key` is empty.
  const auto writeKeys = [&](std::string_view key) {
    for (std::size_t i = 0; i < values.size(); ++i) {
      if (written[i] || (!key.empty() && values[i].key != key)) continue;
      if (values[i].value) out << values[i].key << '=' << *values[i].value << '\n';
      written[i] = true;
    }
  };
  const auto changes = [&](std::string_view key) {
    for (const StoredValue& stored : values)
      if (stored.key == key) return true;
    return false;
  };
  bool inSection = false;
  bool sectionSeen = false;
  for (const std::string& line : lines) {
    if (const auto section = SectionName(line)) {
      if (inSection) writeKeys({});  // keys missing from their section
      inSection = *section == kSection;
      sectionSeen = sectionSeen || inSection;
    } else if (inSection) {
      if (const auto pair = SplitKeyValue(line); pair && changes(pair->key)) {
        writeKeys(pair->key);  // replaces the old line; a duplicate key is dropped
        continue;
      }
    }
    out << line << '\n';
  }
  if (inSection) writeKeys({});
  if (!sectionSeen && anyToWrite()) {
    out << '[' << kSection << "]\n";
    writeKeys({});
  }
  return WriteAtomically(path_, out.str());
}

}  // namespace yl::options
