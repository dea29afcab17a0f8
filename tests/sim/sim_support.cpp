// Shared helpers of the simulator's tests.
#include "sim_support.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace yl::simtest {

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

std::vector<std::string> SampleSeason::Lines(const json& game) const {
  return SplitLines(test::ReadFileBytes(Path(game.at("file").get<std::string>())));
}

std::unique_ptr<SampleSeason> WriteSampleSeason(sim::SeasonOptions options) {
  auto season = std::make_unique<SampleSeason>();
  options.outDir = season->dir.path();
  season->options = options;
  std::string error;
  if (!sim::WriteSeason(options, error)) throw std::runtime_error(error);
  season->truth = json::parse(test::ReadFileBytes(season->Path("truth.json")));
  return season;
}

}  // namespace yl::simtest
