// Shared helpers of the simulator's tests.
#include "sim_support.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <stdexcept>

namespace yl::simtest {

namespace {

class JsonReader {
 public:
  explicit JsonReader(std::string_view text) : text_(text) {}

  JsonValue Document() {
    JsonValue value = Value();
    SkipBlanks();
    if (p_ != text_.size()) Fail("text after the value");
    return value;
  }

 private:
  [[noreturn]] void Fail(const char* what) {
    throw std::runtime_error(std::string("JSON: ") + what + " at " + std::to_string(p_));
  }
  void SkipBlanks() {
    while (p_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[p_])))
      ++p_;
  }
  bool Take(char c) {
    SkipBlanks();
    if (p_ < text_.size() && text_[p_] == c) {
      ++p_;
      return true;
    }
    return false;
  }
  std::string String() {
    if (!Take('"')) Fail("a string expected");
    std::string out;
    while (p_ < text_.size() && text_[p_] != '"') {
      if (text_[p_] == '\\') ++p_;
      if (p_ < text_.size()) out += text_[p_++];
    }
    if (p_ >= text_.size()) Fail("an unterminated string");
    ++p_;
    return out;
  }
  JsonValue Value() {
    SkipBlanks();
    JsonValue value;
    if (p_ >= text_.size()) Fail("a value expected");
    const char c = text_[p_];
    if (c == '{') {
      ++p_;
      value.type = JsonValue::Type::kObject;
      if (Take('}')) return value;
      do {
        std::string key = String();
        if (!Take(':')) Fail("':' expected");
        value.members.emplace_back(std::move(key), Value());
      } while (Take(','));
      if (!Take('}')) Fail("'}' expected");
    } else if (c == '[') {
      ++p_;
      value.type = JsonValue::Type::kArray;
      if (Take(']')) return value;
      do
        value.items.push_back(Value());
      while (Take(','));
      if (!Take(']')) Fail("']' expected");
    } else if (c == '"') {
      value.type = JsonValue::Type::kString;
      value.text = String();
    } else if (text_.compare(p_, 4, "true") == 0 || text_.compare(p_, 5, "false") == 0) {
      value.type = JsonValue::Type::kBool;
      value.boolean = c == 't';
      p_ += value.boolean ? 4 : 5;
    } else if (text_.compare(p_, 4, "null") == 0) {
      p_ += 4;
    } else {
      const std::size_t start = p_;
      while (p_ < text_.size() &&
             std::string_view("+-.0123456789eE").find(text_[p_]) != std::string_view::npos)
        ++p_;
      if (p_ == start) Fail("a value expected");
      value.type = JsonValue::Type::kNumber;
      value.text = std::string(text_.substr(start, p_ - start));
      value.number = std::stod(value.text);
    }
    return value;
  }

  std::string_view text_;
  std::size_t p_ = 0;
};

}  // namespace

std::vector<std::string> SplitLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

std::string SpellOutEllipses(std::string_view line) {
  std::string out;
  for (const char c : line) {
    if (c == '\xC9') {
      out += "...";
    } else {
      out += c;
    }
  }
  return out;
}

const JsonValue& JsonValue::operator[](std::string_view key) const {
  static const JsonValue kNull;
  for (const auto& member : members)
    if (member.first == key) return member.second;
  return kNull;
}

JsonValue ParseJson(std::string_view text) {
  return JsonReader(text).Document();
}

int ReadBoxInteger(std::string_view line, std::size_t& position) {
  int value = 0;
  bool negative = false;
  bool digits = false;
  while (position < line.size()) {
    const char c = line[position++];
    if (c == '-') {
      negative = true;
    } else if (c >= '0' && c <= '9') {
      value = value * 10 + (c - '0');
      digits = true;
    } else if (digits) {
      break;
    }
  }
  return negative ? -value : value;
}

double ReadBoxReal(std::string_view line, std::size_t& position) {
  double whole = 0;
  double fraction = 0;
  double scale = 0.1;
  bool negative = false;
  bool inFraction = false;
  while (position < line.size()) {
    const char c = line[position++];
    const bool digit = c >= '0' && c <= '9';
    if (inFraction) {
      if (!digit) break;
      fraction += (c - '0') * scale;
      scale /= 10;
    } else if (c == '-') {
      negative = true;
    } else if (c == '.') {
      inFraction = true;
    } else if (digit) {
      whole = whole * 10 + (c - '0');
    }
  }
  const double value = whole + fraction;
  return negative ? -value : value;
}

Transcript ReadTranscript(const std::vector<std::string>& rawLines, bool spellOut) {
  Transcript transcript;
  std::vector<std::string> lines;
  for (const std::string& line : rawLines)
    lines.push_back(spellOut ? SpellOutEllipses(line) : line);
  if (lines.empty()) return transcript;
  transcript.firstLine = lines[0];
  std::size_t i = 1;
  const auto isHeader = [](const std::string& line) {
    return line.rfind("With the score ", 0) == 0;
  };
  while (i + 2 < lines.size() && isHeader(lines[i])) {
    PlayBlock play;
    play.header = lines[i];
    play.description = lines[i + 1];
    play.gains = lines[i + 2];
    i += 3;
    bool over = false;
    while (i < lines.size() && !isHeader(lines[i]) && !over) {
      play.extras.push_back(lines[i]);
      over = lines[i] == "The game is over.";
      ++i;
    }
    transcript.plays.push_back(std::move(play));
    if (over) {
      transcript.wellFormed = true;
      for (; i < lines.size(); ++i)
        if (!lines[i].empty()) transcript.box.push_back(lines[i]);
      break;
    }
  }
  return transcript;
}

std::vector<std::string> SampleSeason::Lines(const JsonValue& game) const {
  return SplitLines(test::ReadFileBytes(Path(game["file"].text)));
}

std::unique_ptr<SampleSeason> WriteSampleSeason(sim::SeasonOptions options) {
  auto season = std::make_unique<SampleSeason>();
  options.outDir = season->dir.path();
  season->options = options;
  std::string error;
  if (!sim::WriteSeason(options, error)) throw std::runtime_error(error);
  season->truth = ParseJson(test::ReadFileBytes(season->Path("truth.json")));
  return season;
}

}  // namespace yl::simtest
