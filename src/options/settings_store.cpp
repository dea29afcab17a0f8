// The INI settings store. Every other section and key of the file is kept,
// and the file is replaced atomically (a temporary file renamed over it), so
// a crash never leaves it half written; through a symbolic link its target
// is replaced.
#include "options/settings_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
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

std::string Reason(const std::string& path, int error) {
  return path + ": " + std::strerror(error);
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

// Writes the text beside the file and renames it over the file, so that
// the file is always whole. "" when done, else why not.
std::string WriteAtomically(const std::string& path, const std::string& content) {
  const auto slash = path.rfind('/');
  if (slash != std::string::npos && !MakeFolders(path.substr(0, slash)))
    return Reason(path.substr(0, slash), errno);
  std::string temp = path + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return Reason(path, errno);
  // The new text takes the old file's place with the old file's mode; a new
  // file stays private to its user.
  struct stat old;
  int error = 0;
  if (::stat(path.c_str(), &old) == 0 && ::fchmod(fd, old.st_mode & 07777) != 0) error = errno;
  std::size_t done = 0;
  while (error == 0 && done < content.size()) {
    const ssize_t put = ::write(fd, content.data() + done, content.size() - done);
    if (put < 0) {
      if (errno != EINTR) error = errno;
      continue;
    }
    done += static_cast<std::size_t>(put);
  }
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temp.c_str(), path.c_str()) != 0) error = errno;
  if (error == 0) return {};
  ::unlink(temp.c_str());
  return Reason(path, error);
}

// The file a change is written to: the target of a symbolic link (so that
// the link stays a link), else the path itself.
std::string WrittenFile(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_symlink(path, error)) return path;
  const std::filesystem::path target = std::filesystem::weakly_canonical(path, error);
  return error ? path : target.string();
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

std::optional<std::vector<std::string>> IniSettingsStore::ReadLines() {
  problem_.clear();
  std::vector<std::string> lines;
  const int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (errno != ENOENT) problem_ = "cannot be read: " + Reason(path_, errno);
    return std::nullopt;
  }
  std::string text;
  char buffer[4096];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) problem_ = "cannot be read: " + Reason(path_, errno);
    if (got <= 0) break;
    text.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(fd);
  if (!problem_.empty()) return std::nullopt;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line))
    lines.push_back(line);
  return lines;
}

std::optional<std::string> IniSettingsStore::ReadValue(std::string_view key) {
  bool inSection = false;
  for (const std::string& line : ReadLines().value_or(std::vector<std::string>())) {
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
  const std::optional<std::vector<std::string>> read = ReadLines();
  // A file that exists but cannot be read would lose its other sections.
  if (!problem_.empty()) return false;
  const bool exists = read.has_value();
  const std::vector<std::string> lines = read.value_or(std::vector<std::string>());
  const std::string file = WrittenFile(path_);
  struct stat info;
  if (::stat(file.c_str(), &info) == 0) {
    // A read-only file stays read-only, and another name of the same file
    // would keep the old text: both are refused, with the reason.
    if ((info.st_mode & 0222) == 0) {
      problem_ = "is read-only: " + file;
      return false;
    }
    if (::access(file.c_str(), W_OK) != 0) {
      problem_ = "cannot be written: " + Reason(file, errno);
      return false;
    }
    if (info.st_nlink > 1) {
      problem_ = "has other hard links, which a new file would leave behind: " + file;
      return false;
    }
  }
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
  const std::string failed = WriteAtomically(file, out.str());
  if (!failed.empty()) problem_ = "cannot be written: " + failed;
  return failed.empty();
}

}  // namespace yl::options
