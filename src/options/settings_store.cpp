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

// "key = value" with the key kKey gives value.
std::optional<std::string_view> KeyValue(std::string_view line) {
  const auto eq = line.find('=');
  if (eq == std::string_view::npos || Trim(line.substr(0, eq)) != kKey) return std::nullopt;
  return Trim(line.substr(eq + 1));
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
  bool exists = false;
  bool inSection = false;
  for (const std::string& line : ReadLines(path_, exists)) {
    if (const auto section = SectionName(line)) {
      inSection = *section == kSection;
    } else if (inSection) {
      if (const auto value = KeyValue(line)) return std::string(*value);
    }
  }
  return std::nullopt;
}

bool IniSettingsStore::WriteOptions(std::string_view text) {
  return Update(text);
}

bool IniSettingsStore::DeleteOptions() {
  return Update(std::nullopt);
}

bool IniSettingsStore::Update(const std::optional<std::string_view>& value) {
  bool exists = false;
  const std::vector<std::string> lines = ReadLines(path_, exists);
  if (!exists && !value) return true;
  std::ostringstream out;
  bool inSection = false;
  bool sectionSeen = false;
  bool written = false;
  const auto writeKey = [&] {
    if (value && !written) out << kKey << '=' << *value << '\n';
    written = true;
  };
  for (const std::string& line : lines) {
    if (const auto section = SectionName(line)) {
      if (inSection) writeKey();  // the key was missing from its section
      inSection = *section == kSection;
      sectionSeen = sectionSeen || inSection;
    } else if (inSection && KeyValue(line)) {
      writeKey();  // replaces the old line; a duplicate key is dropped
      continue;
    }
    out << line << '\n';
  }
  if (inSection) writeKey();
  if (!sectionSeen && value) {
    out << '[' << kSection << "]\n";
    writeKey();
  }
  return WriteAtomically(path_, out.str());
}

}  // namespace yl::options
