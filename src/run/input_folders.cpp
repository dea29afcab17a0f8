// Folders as input.
#include "run/input_folders.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace yl::run {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Negative, zero or positive as a is before, the same as or after b, when
// digit runs count as numbers and letter case is ignored.
int NaturalCompare(std::string_view a, std::string_view b) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    if (IsDigit(a[i]) && IsDigit(b[j])) {
      while (i < a.size() && a[i] == '0')
        ++i;
      while (j < b.size() && b[j] == '0')
        ++j;
      const std::size_t startA = i;
      const std::size_t startB = j;
      while (i < a.size() && IsDigit(a[i]))
        ++i;
      while (j < b.size() && IsDigit(b[j]))
        ++j;
      // Without leading zeros, the longer run is the larger number.
      if (i - startA != j - startB) return i - startA < j - startB ? -1 : 1;
      const int digits = a.substr(startA, i - startA).compare(b.substr(startB, j - startB));
      if (digits != 0) return digits;
      continue;
    }
    const auto x = static_cast<unsigned char>(Lower(a[i]));
    const auto y = static_cast<unsigned char>(Lower(b[j]));
    if (x != y) return x < y ? -1 : 1;
    ++i;
    ++j;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

}  // namespace

bool HasExtension(std::string_view name, std::string_view extension) {
  if (name.size() < extension.size()) return false;
  const std::string_view tail = name.substr(name.size() - extension.size());
  return std::equal(tail.begin(), tail.end(), extension.begin(),
                    [](char x, char y) { return Lower(x) == Lower(y); });
}

bool NaturalLess(std::string_view a, std::string_view b) {
  const int order = NaturalCompare(a, b);
  return order != 0 ? order < 0 : a < b;
}

std::string AddInput(const std::string& argument, std::string_view extension,
                     std::vector<std::string>& files) {
  namespace fs = std::filesystem;
  std::error_code error;
  if (!fs::is_directory(argument, error)) {
    files.push_back(argument);
    return std::string();
  }
  std::vector<std::string> names;
  fs::directory_iterator entries(argument, error);
  for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
    const std::string name = entries->path().filename().string();
    std::error_code kindError;
    // The entry's kind as the folder gives it: no look-up per file (a link
    // is followed).
    if (name.front() == '.' || !HasExtension(name, extension) ||
        !entries->is_regular_file(kindError))
      continue;
    names.push_back(name);
  }
  if (error) return "cannot read the folder " + argument + ": " + error.message();
  if (names.empty()) return "no *" + std::string(extension) + " file in the folder " + argument;
  std::sort(names.begin(), names.end(), NaturalLess);
  const std::string folder = argument.back() == '/' ? argument : argument + "/";
  for (const std::string& name : names)
    files.push_back(folder + name);
  return std::string();
}

}  // namespace yl::run
