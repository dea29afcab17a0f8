// A small recursive-descent JSON reader.
#include "json_reader.h"

#include <cstdlib>

namespace yl::inference {

namespace {

class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  bool Document(JsonValue& out) {
    if (!Value(out)) return false;
    Blanks();
    return at_ == text_.size() || Fail("text after the document");
  }
  const std::string& error() const { return error_; }

 private:
  bool Fail(const std::string& what) {
    if (error_.empty()) error_ = what + " at byte " + std::to_string(at_);
    return false;
  }
  void Blanks() {
    while (at_ < text_.size() &&
           (text_[at_] == ' ' || text_[at_] == '\n' || text_[at_] == '\r' || text_[at_] == '\t')) {
      ++at_;
    }
  }
  bool Word(std::string_view word) {
    if (text_.substr(at_, word.size()) != word) return Fail("unknown word");
    at_ += word.size();
    return true;
  }
  bool Value(JsonValue& out) {
    Blanks();
    if (at_ >= text_.size()) return Fail("end of text");
    const char c = text_[at_];
    if (c == '{') return Object(out);
    if (c == '[') return Array(out);
    if (c == '"') {
      out.type = JsonValue::Type::kText;
      return Text(out.text);
    }
    if (c == 't' || c == 'f') {
      out.type = JsonValue::Type::kBool;
      out.flag = c == 't';
      return Word(c == 't' ? "true" : "false");
    }
    if (c == 'n') return Word("null");
    return Number(out);
  }
  bool Number(JsonValue& out) {
    const std::size_t start = at_;
    while (at_ < text_.size() &&
           (std::string_view("+-.eE0123456789").find(text_[at_]) != std::string_view::npos)) {
      ++at_;
    }
    if (at_ == start) return Fail("unexpected character");
    out.type = JsonValue::Type::kNumber;
    out.number = std::strtod(std::string(text_.substr(start, at_ - start)).c_str(), nullptr);
    return true;
  }
  bool Text(std::string& out) {
    ++at_;  // the opening quote
    while (at_ < text_.size() && text_[at_] != '"') {
      char c = text_[at_++];
      if (c == '\\') {
        if (at_ >= text_.size()) break;
        c = text_[at_++];
        if (c == 'n') c = '\n';
        if (c == 't') c = '\t';
        if (c == 'u') return Fail("\\u escapes are not read");
      }
      out += c;
    }
    if (at_ >= text_.size()) return Fail("unterminated string");
    ++at_;
    return true;
  }
  bool Array(JsonValue& out) {
    out.type = JsonValue::Type::kArray;
    ++at_;
    Blanks();
    if (at_ < text_.size() && text_[at_] == ']') return ++at_, true;
    for (;;) {
      out.items.emplace_back();
      if (!Value(out.items.back())) return false;
      Blanks();
      if (at_ < text_.size() && text_[at_] == ',') {
        ++at_;
        continue;
      }
      if (at_ < text_.size() && text_[at_] == ']') return ++at_, true;
      return Fail("expected , or ]");
    }
  }
  bool Object(JsonValue& out) {
    out.type = JsonValue::Type::kObject;
    ++at_;
    Blanks();
    if (at_ < text_.size() && text_[at_] == '}') return ++at_, true;
    for (;;) {
      Blanks();
      if (at_ >= text_.size() || text_[at_] != '"') return Fail("expected a member name");
      out.members.emplace_back();
      if (!Text(out.members.back().first)) return false;
      Blanks();
      if (at_ >= text_.size() || text_[at_] != ':') return Fail("expected :");
      ++at_;
      if (!Value(out.members.back().second)) return false;
      Blanks();
      if (at_ < text_.size() && text_[at_] == ',') {
        ++at_;
        continue;
      }
      if (at_ < text_.size() && text_[at_] == '}') return ++at_, true;
      return Fail("expected , or }");
    }
  }

  std::string_view text_;
  std::size_t at_ = 0;
  std::string error_;
};

}  // namespace

const JsonValue& JsonValue::operator[](std::string_view key) const {
  static const JsonValue kNull;
  for (const auto& [name, value] : members) {
    if (name == key) return value;
  }
  return kNull;
}

bool ParseJson(std::string_view text, JsonValue& out, std::string& error) {
  Reader reader(text);
  if (reader.Document(out)) return true;
  error = reader.error();
  return false;
}

}  // namespace yl::inference
