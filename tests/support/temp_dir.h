// A fresh temporary folder per test, removed with everything in it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace yl::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  // path() + "/" + name
  std::string File(std::string_view name) const;
  // Writes bytes exactly as given.
  std::string Write(std::string_view name, std::string_view bytes) const;
  // The sorted names in the folder.
  std::vector<std::string> Names() const;
  // The names in any folder, sorted.
  static std::vector<std::string> NamesIn(const std::string& folder);

 private:
  std::string path_;
};

std::string ReadFileBytes(const std::string& path);
bool FileExists(const std::string& path);

}  // namespace yl::test
