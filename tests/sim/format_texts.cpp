// The test's own copy of the format's texts (headers, descriptions, gains
// lines, extras lines) and the tokenizer that cuts lines into them.
#include <algorithm>
#include <array>

#include "sim_support.h"

namespace yl::simtest {

namespace {

// The format's texts, copied here so that the tests do not lean on any other
// copy. An ellipsis byte is written \xC9.
constexpr std::array<std::string_view, 52> kHeaderTexts = {
    " on the clock, and trying for an extra point from the ",  // 0
    " on the clock, and free kicking from their own ",         // 1
    " on the clock, and kicking-off from their own ",          // 2
    " on the clock, and kicking-off from the ",                // 3
    "st-and-inches to go from the goal line...",               // 4
    "nd-and-inches to go from the goal line...",               // 5
    "rd-and-inches to go from the goal line...",               // 6
    "th-and-inches to go from the goal line...",               // 7
    "st-and-goal to go from the goal line...",                 // 8
    "nd-and-goal to go from the goal line...",                 // 9
    "rd-and-goal to go from the goal line...",                 // 10
    "th-and-goal to go from the goal line...",                 // 11
    "st-and-inches to go from their own ",                     // 12
    "nd-and-inches to go from their own ",                     // 13
    "rd-and-inches to go from their own ",                     // 14
    "th-and-inches to go from their own ",                     // 15
    " to go from their own goal line...",                      // 16
    "st-and-inches to go from the ",                           // 17
    "nd-and-inches to go from the ",                           // 18
    "rd-and-inches to go from the ",                           // 19
    "th-and-inches to go from the ",                           // 20
    "st-and-goal to go from the ",                             // 21
    "nd-and-goal to go from the ",                             // 22
    "rd-and-goal to go from the ",                             // 23
    "th-and-goal to go from the ",                             // 24
    " to go from their own ",                                  // 25
    " on the clock, and ",                                     // 26
    " in the OT period, ",                                     // 27
    " to go from the ",                                        // 28
    "With the score ",                                         // 29
    "st quarter, ",                                            // 30
    "nd quarter, ",                                            // 31
    "rd quarter, ",                                            // 32
    "th quarter, ",                                            // 33
    " yard line...",                                           // 34
    " in the ",                                                // 35
    "th-and-",                                                 // 36
    "rd-and-",                                                 // 37
    "st-and-",                                                 // 38
    "nd-and-",                                                 // 39
    " to ",                                                    // 40
    ":",                                                       // 41
    "st-and-inches to go from the goal line\xC9",              // 42
    "nd-and-inches to go from the goal line\xC9",              // 43
    "rd-and-inches to go from the goal line\xC9",              // 44
    "th-and-inches to go from the goal line\xC9",              // 45
    "st-and-goal to go from the goal line\xC9",                // 46
    "nd-and-goal to go from the goal line\xC9",                // 47
    "rd-and-goal to go from the goal line\xC9",                // 48
    "th-and-goal to go from the goal line\xC9",                // 49
    " to go from their own goal line\xC9",                     // 50
    " yard line\xC9",                                          // 51
};

constexpr std::array<std::string_view, 160> kDescriptionTexts = {
    "Under pressure... the lateral was not fielded... the ball went out of bounds.  ",  // 0
    " took the hand-off... FUMBLED... not fielded... the ball went out of bounds.  ",   // 1
    "... the punt was not fielded... he downed it after a FAIR CATCH.  ",               // 2
    "The lateral was not fielded... the ball went out of bounds.  ",                    // 3
    "... the punt was not fielded... the ball went out of bounds.  ",                   // 4
    "... FUMBLED... not fielded... the ball went out of bounds.  ",                     // 5
    "FUMBLED... not fielded... the ball went out of bounds.  ",                         // 6
    "The kickoff was RECOVERED by the kicking team!  ",                                 // 7
    "Under pressure... the lateral was INTERCEPTED by ",                                // 8
    "... somebody finally pushed him out of bounds.  ",                                 // 9
    "... not fielded... the ball went out of bounds.  ",                                // 10
    " took the hand-off... the lateral was taken by ",                                  // 11
    "Under pressure... the lateral was recovered by ",                                  // 12
    "Under pressure... the lateral was broken-up by ",                                  // 13
    "Under pressure... the lateral was BLOCKED by ",                                    // 14
    "Under pressure... the lateral was dropped by ",                                    // 15
    " took the hand-off... FUMBLED... recovered by ",                                   // 16
    "Under pressure... the lateral was taken by ",                                      // 17
    "The kickoff was not fielded... touchback.  ",                                      // 18
    "... the punt was not fielded... touchback.  ",                                     // 19
    " took the hand-off... extra point GOOD!  ",                                        // 20
    " took the snap... FUMBLED... recovered by ",                                       // 21
    "... somebody finally brought him down.  ",                                         // 22
    "... somebody finally knocked him down.  ",                                         // 23
    "Under pressure... FUMBLED... recovered by ",                                       // 24
    "... somebody finally dragged him down.  ",                                         // 25
    "... somebody pushed him out of bounds.  ",                                         // 26
    "... somebody finally pulled him down.  ",                                          // 27
    "... the punt was not fielded... SAFETY!  ",                                        // 28
    "... he downed it after a FAIR CATCH.  ",                                           // 29
    " finally pushed him out of bounds.  ",                                             // 30
    "... somebody finally tripped him up.  ",                                           // 31
    " took the hand-off... whistled dead.  ",                                           // 32
    "The snap was not fielded... SAFETY!  ",                                            // 33
    "... somebody finally took him down.  ",                                            // 34
    "... somebody finally up-ended him.  ",                                             // 35
    " brought him down for a SAFETY!  ",                                                // 36
    " stopped him dead for a SAFETY!  ",                                                // 37
    " knocked him down for a SAFETY!  ",                                                // 38
    "... somebody finally tackled him.  ",                                              // 39
    " dragged him down for a SAFETY!  ",                                                // 40
    "The kickoff was whistled dead.  ",                                                 // 41
    " took the hand-off... TOUCHDOWN!  ",                                               // 42
    " pulled him down for a SAFETY!  ",                                                 // 43
    "... the punt was whistled dead.  ",                                                // 44
    " tripped him up for a SAFETY!  ",                                                  // 45
    "The lateral was INTERCEPTED by ",                                                  // 46
    "... under pressure... recovered by ",                                              // 47
    "... the lateral was recovered by ",                                                // 48
    "FUMBLED... not fielded... SAFETY!  ",                                              // 49
    "... somebody knocked him down.  ",                                                 // 50
    "... somebody brought him down.  ",                                                 // 51
    "... somebody dragged him down.  ",                                                 // 52
    "'s extra point was BLOCKED by ",                                                   // 53
    " took him down for a SAFETY!  ",                                                   // 54
    "... somebody stopped him dead.  ",                                                 // 55
    "'s extra point was NO GOOD.  ",                                                    // 56
    " up-ended him for a SAFETY!  ",                                                    // 57
    "... somebody pulled him down.  ",                                                  // 58
    "The lateral was recovered by ",                                                    // 59
    "The kickoff was recovered by ",                                                    // 60
    "'s field goal was BLOCKED by ",                                                    // 61
    "The play was whistled dead.  ",                                                    // 62
    "The lateral was broken-up by ",                                                    // 63
    "'s field goal was dropped by ",                                                    // 64
    "... the lateral was dropped by ",                                                  // 65
    " hammered him for a SAFETY!  ",                                                    // 66
    "... somebody tripped him up.  ",                                                   // 67
    "'s field goal was NO GOOD.  ",                                                     // 68
    " pushed him out of bounds.  ",                                                     // 69
    " finally knocked him down.  ",                                                     // 70
    " finally dragged him down.  ",                                                     // 71
    " finally brought him down.  ",                                                     // 72
    "... the punt was picked up by ",                                                   // 73
    " crushed him for a SAFETY!  ",                                                     // 74
    " tackled him for a SAFETY!  ",                                                     // 75
    " stuffed him for a SAFETY!  ",                                                     // 76
    " slammed him for a SAFETY!  ",                                                     // 77
    "... somebody took him down.  ",                                                    // 78
    "The lateral was dropped by ",                                                      // 79
    "The lateral was BLOCKED by ",                                                      // 80
    "The kickoff was dropped by ",                                                      // 81
    "'s pass was INTERCEPTED by ",                                                      // 82
    " finally pulled him down.  ",                                                      // 83
    "... the punt was TOUCHDOWN!  ",                                                    // 84
    "... the lateral was taken by ",                                                    // 85
    "... somebody hit him hard.  ",                                                     // 86
    "... he went out of bounds.  ",                                                     // 87
    "The snap was recovered by ",                                                       // 88
    "'s extra point was GOOD!  ",                                                       // 89
    " finally tripped him up.  ",                                                       // 90
    "... somebody up-ended him.  ",                                                     // 91
    "... the punt was dropped by ",                                                     // 92
    "... the punt was BLOCKED by ",                                                     // 93
    "... somebody battered him.  ",                                                     // 94
    "... somebody crunched him.  ",                                                     // 95
    "... somebody hammered him.  ",                                                     // 96
    "... somebody tackled him.  ",                                                      // 97
    "The lateral was taken by ",                                                        // 98
    "The kickoff was taken by ",                                                        // 99
    "'s pass was incomplete.  ",                                                        // 100
    "'s pass was broken-up by ",                                                        // 101
    "'s field goal was GOOD!  ",                                                        // 102
    " finally took him down.  ",                                                        // 103
    "... somebody slammed him.  ",                                                      // 104
    "... somebody stuffed him.  ",                                                      // 105
    "... somebody crushed him.  ",                                                      // 106
    "... the punt was taken by ",                                                       // 107
    "... the punt was downed.  ",                                                       // 108
    "... FUMBLED... recovered by ",                                                     // 109
    "The snap was dropped by ",                                                         // 110
    " finally up-ended him.  ",                                                         // 111
    "... not fielded... SAFETY!  ",                                                     // 112
    "'s pass was dropped by ",                                                          // 113
    "'s pass was BLOCKED by ",                                                          // 114
    " finally tackled him.  ",                                                          // 115
    "... FUMBLED... touchback.  ",                                                      // 116
    "The snap was taken by ",                                                           // 117
    "'s pass was caught by ",                                                           // 118
    "FUMBLED... recovered by ",                                                         // 119
    "... extra point GOOD!  ",                                                          // 120
    " took the hand-off... ",                                                           // 121
    " stopped him dead.  ",                                                             // 122
    " knocked him down.  ",                                                             // 123
    " dragged him down.  ",                                                             // 124
    " brought him down.  ",                                                             // 125
    " pulled him down.  ",                                                              // 126
    "Extra point GOOD!  ",                                                              // 127
    " tripped him up.  ",                                                               // 128
    "... under pressure... ",                                                           // 129
    "... INTERCEPTED by ",                                                              // 130
    " took him down.  ",                                                                // 131
    " up-ended him.  ",                                                                 // 132
    " hit him hard.  ",                                                                 // 133
    " hammered him.  ",                                                                 // 134
    " crunched him.  ",                                                                 // 135
    " battered him.  ",                                                                 // 136
    "Under pressure... ",                                                               // 137
    "Whistled dead.  ",                                                                 // 138
    "... recovered by ",                                                                // 139
    "... incomplete.  ",                                                                // 140
    " tackled him.  ",                                                                  // 141
    " stuffed him.  ",                                                                  // 142
    " slammed him.  ",                                                                  // 143
    " crushed him.  ",                                                                  // 144
    "... broken-up by ",                                                                // 145
    "... the punt was ",                                                                // 146
    "... TOUCHDOWN!  ",                                                                 // 147
    "... touchback.  ",                                                                 // 148
    "... dropped by ",                                                                  // 149
    "TOUCHDOWN!  ",                                                                     // 150
    "... NO GOOD.  ",                                                                   // 151
    "... taken by ",                                                                    // 152
    "... SAFETY!  ",                                                                    // 153
    " tackled ",                                                                        // 154
    "SAFETY!  ",                                                                        // 155
    " sacked ",                                                                         // 156
    ".  ",                                                                              // 157
    "!  ",                                                                              // 158
    "... ",                                                                             // 159
};

constexpr std::array<std::string_view, 31> kGainsTexts = {
    "Short gain on the play.  The ball is on the goal line.  ",  // 0
    "No gain on the play.  The ball is on the goal line.  ",     // 1
    " yards on the play.  The ball is on the goal line.  ",      // 2
    " yard on the play.  The ball is on the goal line.  ",       // 3
    "Short gain on the return.  The ball is on the ",            // 4
    "Short gain on the play.  The ball is on the ",              // 5
    "No gain on the return.  The ball is on the ",               // 6
    " yards on the return.  The ball is on the ",                // 7
    "No gain on the play.  The ball is on the ",                 // 8
    " yard on the return.  The ball is on the ",                 // 9
    " yards on the play.  The ball is on the ",                  // 10
    "The ball was turned over and is on the ",                   // 11
    " yard on the play.  The ball is on the ",                   // 12
    " yards and is on the goal line.  ",                         // 13
    "The ball will be placed on the ",                           // 14
    " yards on the return.  ",                                   // 15
    "The ball was returned ",                                    // 16
    "No gain on the play.  ",                                    // 17
    " yards and is on the ",                                     // 18
    " yards on the play.  ",                                     // 19
    " yard on the play.  ",                                      // 20
    "The ball is on the ",                                       // 21
    " yard attempt.",                                            // 22
    " yard attempt",                                             // 23
    " yard line.  ",                                             // 24
    " yard kick.",                                               // 25
    "That was a ",                                               // 26
    " yard kick",                                                // 27
    "Gain of ",                                                  // 28
    "Loss of ",                                                  // 29
    " yards ",                                                   // 30
};

constexpr std::array<std::string_view, 55> kExtrasTexts = {
    "Penalty on the play.  Illegal Formation.  Lineman lined up as an eligible receiver on ",  // 0
    "Penalty on the play.  Illegal Formation.  Fewer than seven men on the line on ",          // 1
    "Penalty on the play.  Illegal Formation.  Fewer than seven men on the line on ",          // 2
    "Penalty on the play.  Kickoff did not travel 10 yards.  Illegal kick on ",                // 3
    "Penalty on the play.  Kickoff went out of bounds.  Illegal kick on ",                     // 4
    " accepted the penalty which was automatic placement on the ",                             // 5
    " accepted the penalty which was automatic placement on the ",                             // 6
    " declined the penalty which was automatic placement on the ",                             // 7
    " declined the penalty which was automatic placement on the ",                             // 8
    " accepted the penalty which was an automatic first down.",                                // 9
    " accepted the penalty which was an automatic first down.",                                // 10
    "Penalty on the play.  Defensive pass interference on ",                                   // 11
    "Penalty on the play.  Offensive pass interference on ",                                   // 12
    "Penalty on the play.  Illegal use of the hands on ",                                      // 13
    "Penalty on the play.  Ineligible man downfield on ",                                      // 14
    "Penalty on the play.  Unsportsmanlike conduct on ",                                       // 15
    "Penalty on the play.  Fair-catch inteference on ",                                        // 16
    "Penalty on the play.  Grabbing the face mask on ",                                        // 17
    "Penalty on the play.  Grabbing the facemask on ",                                         // 18
    "Penalty on the play.  Intentional grounding on ",                                         // 19
    "Penalty on the play. Grabbing the face mask on ",                                         // 20
    "Penalty on the play.  Illegal forward pass on ",                                          // 21
    "Penalty on the play.  Ineligible receiver on ",                                           // 22
    "Penalty on the play.  Roughing the kicker on ",                                           // 23
    "Two minutes left in the overtime period.",                                                // 24
    "Another overtime period will be played.",                                                 // 25
    "Penalty on the play.  Delay of game on ",                                                 // 26
    "Penalty on the play.  Illegal block on ",                                                 // 27
    "Penalty on the play.  Personal foul on ",                                                 // 28
    "Two minutes left in the fourth quarter.",                                                 // 29
    "Penalty on the play.  False start on ",                                                   // 30
    " yards and an automatic first down.",                                                     // 31
    "Penalty on the play.  Off sides on ",                                                     // 32
    "Two minutes left in the first half.",                                                     // 33
    "An overtime period will be played.",                                                      // 34
    "Penalty on the play.  Holding on ",                                                       // 35
    " accepted the penalty which was ",                                                        // 36
    " accepted the penalty which was ",                                                        // 37
    " declined the penalty which was ",                                                        // 38
    " declined the penalty which was ",                                                        // 39
    "Penalty on the play.  Piling on ",                                                        // 40
    " assessed from the goal line.",                                                           // 41
    "The overtime period is over.",                                                            // 42
    "The fourth quarter is over.",                                                             // 43
    "The first quarter is over.",                                                              // 44
    "The third quarter is over.",                                                              // 45
    " yards and loss of down.",                                                                // 46
    "The first half is over.",                                                                 // 47
    " assessed from the ",                                                                     // 48
    "The game is over.",                                                                       // 49
    " call time out.",                                                                         // 50
    " call time out.",                                                                         // 51
    " yard line.",                                                                             // 52
    " yards.",                                                                                 // 53
    ".",                                                                                       // 54
};
// Codes of the extras texts that carry a team's name, and where it goes.
enum class Named { kNone, kHomeAfter, kVisitingAfter, kHomeBefore, kVisitingBefore };

Named NamedForm(int code) {
  switch (code) {
    case 1:
      return Named::kHomeAfter;
    case 2:
      return Named::kVisitingAfter;
    case 5:
    case 7:
    case 9:
    case 36:
    case 38:
    case 50:
      return Named::kHomeBefore;
    case 6:
    case 8:
    case 10:
    case 37:
    case 39:
    case 51:
      return Named::kVisitingBefore;
    default:
      return Named::kNone;
  }
}

std::string WithByteEllipses(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 3, "...") == 0) {
      out += '\xC9';
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

// Longest first, so that the tokenizer takes the longest text that fits.
std::vector<std::string> LongestFirst(std::vector<std::string> texts) {
  std::sort(texts.begin(), texts.end(), [](const std::string& a, const std::string& b) {
    return a.size() != b.size() ? a.size() > b.size() : a < b;
  });
  texts.erase(std::unique(texts.begin(), texts.end()), texts.end());
  return texts;
}

}  // namespace

PhraseSet::PhraseSet(std::vector<std::string> texts) : byFirst_(256) {
  for (std::string& text : LongestFirst(std::move(texts)))
    if (!text.empty()) byFirst_[static_cast<unsigned char>(text[0])].push_back(std::move(text));
}

const PhraseSet& HeaderPhrases() {
  static const PhraseSet phrases = [] {
    std::vector<std::string> texts(kHeaderTexts.begin(), kHeaderTexts.end());
    for (const auto text : kHeaderTexts)
      texts.push_back(WithByteEllipses(text));
    return PhraseSet(texts);
  }();
  return phrases;
}

const PhraseSet& DescriptionPhrases() {
  static const PhraseSet phrases = [] {
    std::vector<std::string> texts(kDescriptionTexts.begin(), kDescriptionTexts.end());
    for (const auto text : kDescriptionTexts)
      texts.push_back(WithByteEllipses(text));
    return PhraseSet(texts);
  }();
  return phrases;
}

const PhraseSet& GainsPhrases() {
  static const PhraseSet phrases(std::vector<std::string>(kGainsTexts.begin(), kGainsTexts.end()));
  return phrases;
}

PhraseSet ExtrasPhrases(std::string_view home, std::string_view visiting) {
  std::vector<std::string> texts;
  for (int code = 0; code < static_cast<int>(kExtrasTexts.size()); ++code) {
    const std::string text(kExtrasTexts[code]);
    switch (NamedForm(code)) {
      case Named::kNone:
        texts.push_back(text);
        break;
      case Named::kHomeAfter:
        texts.push_back(text + std::string(home) + ".");
        break;
      case Named::kVisitingAfter:
        texts.push_back(text + std::string(visiting) + ".");
        break;
      case Named::kHomeBefore:
        texts.push_back(std::string(home) + text);
        break;
      case Named::kVisitingBefore:
        texts.push_back(std::string(visiting) + text);
        break;
    }
  }
  return PhraseSet(texts);
}

bool Tokenize(std::string_view line, const PhraseSet& phrases, bool numbers, bool tokens,
              std::vector<Piece>& pieces) {
  pieces.clear();
  std::size_t p = 0;
  const auto isUpper = [](char c) { return c >= 'A' && c <= 'Z'; };
  const auto isLower = [](char c) { return c >= 'a' && c <= 'z'; };
  const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  while (p < line.size()) {
    if (tokens && line[p] == '#') {
      std::size_t q = p + 1;
      while (q < line.size() && q < p + 3 && isDigit(line[q]))
        ++q;
      if (q > p + 1 && q + 1 < line.size() && line[q] == '-' && isUpper(line[q + 1])) {
        std::size_t end = q + 2;
        while (end < line.size() && isLower(line[end]))
          ++end;
        const std::size_t letters = end - q - 1;
        if (letters >= 3 && letters <= 20) {
          pieces.push_back({Piece::Kind::kToken, std::string(line.substr(p, end - p))});
          p = end;
          continue;
        }
      }
      return false;
    }
    if (numbers && isDigit(line[p])) {
      std::size_t end = p;
      while (end < line.size() && isDigit(line[end]))
        ++end;
      pieces.push_back({Piece::Kind::kNumber, std::string(line.substr(p, end - p))});
      p = end;
      continue;
    }
    bool found = false;
    for (const std::string& phrase : phrases.StartingWith(line[p])) {
      if (line.compare(p, phrase.size(), phrase) == 0) {
        pieces.push_back({Piece::Kind::kPhrase, phrase});
        p += phrase.size();
        found = true;
        break;
      }
    }
    if (!found) return false;
  }
  return true;
}

}  // namespace yl::simtest
