// Fuzz target: one input is the text of the stored options, loaded as a
// front end loads it at start and, when accepted, stored and loaded again:
// the second load must give the same record.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "options/output_options.h"

namespace {

class MemoryStore : public yl::options::SettingsStore {
 public:
  std::optional<std::string> value;
  std::optional<std::string> ReadOptions() override { return value; }
  bool WriteOptions(std::string_view text) override {
    value = std::string(text);
    return true;
  }
  bool DeleteOptions() override {
    value.reset();
    return true;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace yl::options;
  MemoryStore store;
  store.value = std::string(reinterpret_cast<const char*>(data), size);
  const LoadedOptions loaded = LoadOptions(store);
  if (loaded.result != LoadResult::kStored) return 0;
  // What was accepted survives a round through the store unchanged.
  if (!SaveOptions(store, loaded.options)) std::abort();
  const LoadedOptions again = LoadOptions(store);
  if (again.result != LoadResult::kStored || again.options != loaded.options) std::abort();
  return 0;
}
