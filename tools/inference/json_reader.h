// A small JSON reader for the simulator's truth.json: objects, arrays,
// strings (with the simple escapes), numbers, true, false and null.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace yl::inference {

struct JsonValue {
  enum class Type { kNull, kBool, kNumber, kText, kArray, kObject };
  Type type = Type::kNull;
  bool flag = false;
  double number = 0;
  std::string text;
  std::vector<JsonValue> items;
  std::vector<std::pair<std::string, JsonValue>> members;

  // The member of that name, or a null value.
  const JsonValue& operator[](std::string_view key) const;
};

// Parses a whole document; false (with a message) when it is not JSON.
bool ParseJson(std::string_view text, JsonValue& out, std::string& error);

}  // namespace yl::inference
