// The fuzz targets' platform and scratch folder.
#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "run/file_layer.h"

namespace yl::fuzz {

namespace {

void RemoveScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(ScratchFolder(), ignored);
}

}  // namespace

std::optional<std::string> FuzzPlatform::AskSaveFile(std::string_view, std::string_view) {
  return ScratchFolder() + "/ErrorLog";
}

const std::string& ScratchFolder() {
  static const std::string folder = [] {
    const char* base = std::getenv("TMPDIR");
    std::string pattern =
        std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/yardledger-fuzz-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
      std::perror("mkdtemp");
      std::abort();
    }
    return pattern;
  }();
  static const bool removedAtExit = std::atexit(RemoveScratchFolder) == 0;
  (void)removedAtExit;
  return folder;
}

std::string WriteScratchFile(std::string_view name, const std::uint8_t* data, std::size_t size) {
  std::string path = ScratchFolder() + "/" + std::string(name);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!out) {
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    std::abort();
  }
  return path;
}

void ClearScratchFolder() {
  for (const auto& entry : std::filesystem::directory_iterator(ScratchFolder()))
    std::filesystem::remove_all(entry.path());
}

}  // namespace yl::fuzz
