// The transcript reader.
#include "transcript/reader.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "run/errors.h"
#include "run/file_layer.h"

namespace yl::transcript {

namespace {

bool IsTerminator(char c) {
  return c == '\r' || c == '\n';
}
bool IsLetterOrDigit(char c) {
  return IsDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The first CR or LF at or after `at`, or `size`. Where SSE2 is at hand,
// blocks of sixteen bytes are tested at once: a line is some sixty bytes long.
std::int32_t FindTerminator(const char* bytes, std::int32_t at, std::int32_t size) {
#if defined(__SSE2__)
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  while (at + 16 <= size) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + at));
    const int ends =
        _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(block, cr), _mm_cmpeq_epi8(block, lf)));
    if (ends != 0) return at + __builtin_ctz(static_cast<unsigned>(ends));
    at += 16;
  }
#endif
  while (at < size && !IsTerminator(bytes[at]))
    ++at;
  return at;
}

// From `start`, finds the closing parenthesis of the first parenthesised
// group that holds a digit, then the name before it: from `start` to the
// nearest blank before that parenthesis. Returns the parenthesis' position,
// or npos on failure.
std::size_t TakeTeamName(std::string_view line, std::size_t start, std::string& name) {
  bool open = false;
  bool marked = false;
  std::size_t close = std::string_view::npos;
  for (std::size_t i = start; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '(') {
      open = true;
      marked = false;
    } else if (c == ')' && open) {
      open = false;
      if (marked) {
        close = i;
        break;
      }
    } else if (open && IsDigit(c)) {
      marked = true;
    }
  }
  if (close == std::string_view::npos) return close;
  const std::size_t length = line.substr(start, close - start).rfind(' ');
  // No blank before the record, an empty name or one too long: refused.
  if (length == std::string_view::npos || length == 0 || length > kMaxTeamNameOnFirstLine)
    return std::string_view::npos;
  name.assign(line.substr(start, length));
  return close;
}

}  // namespace

league::PlayerRecord* NamePlayer(ReadContext& context, std::string_view token) {
  league::PlayerRecord* player = league::FindOrCreatePlayer(context.league, token);
  if (player != nullptr) context.players.Name(*player);
  return player;
}

void LogNotUnderstood(ReadContext& context, run::ErrorKind kind, std::string_view text) {
  run::LogTranscriptError(context.errorLog, context.transcriptName, kind, text);
}

namespace {

// Whether two texts are the same; a token's eight bytes at a time.
bool SameText(std::string_view a, std::string_view b) {
  const std::size_t n = a.size();
  if (n != b.size()) return false;
  if (n < 8) return a == b;
  for (std::size_t k = 0; k + 8 < n; k += 8) {
    if (WordAt(a.data() + k) != WordAt(b.data() + k)) return false;
  }
  return WordAt(a.data() + n - 8) == WordAt(b.data() + n - 8);
}

}  // namespace

std::uint32_t TokenTexts::HashOf(std::string_view text) {
  // A token is some ten to twenty bytes: its first and last eight, and its
  // length, tell most apart; the text is compared anyway.
  std::uint64_t head = 0;
  std::uint64_t tail = 0;
  if (text.size() >= 8) {
    head = WordAt(text.data());
    tail = WordAt(text.data() + text.size() - 8);
  } else {
    std::memcpy(&head, text.data(), text.size());
  }
  const std::uint64_t mixed =
      (head * 0x9E3779B97F4A7C15u) ^ (tail + text.size()) * 0xC2B2AE3D27D4EB4Fu;
  return static_cast<std::uint32_t>(mixed >> 32);
}

std::uint32_t TokenTexts::Find(std::string_view text) const {
  if (slots_.empty()) return kNotEntered;
  const std::uint32_t hash = HashOf(text);
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = hash & mask; slots_[i].index != UINT32_MAX; i = (i + 1) & mask) {
    if (slots_[i].hash == hash && SameText(texts_[slots_[i].index].text, text))
      return slots_[i].index;
  }
  return kNotEntered;
}

void TokenTexts::Grow() {
  std::vector<Slot> old = std::move(slots_);
  slots_.assign(std::max<std::size_t>(256, old.size() * 2), Slot());
  const std::size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (slot.index == UINT32_MAX) continue;
    std::size_t i = slot.hash & mask;
    while (slots_[i].index != UINT32_MAX)
      i = (i + 1) & mask;
    slots_[i] = slot;
  }
}

std::uint32_t TokenTexts::Enter(std::string_view text, const league::PlayerToken& token) {
  if ((texts_.size() + 1) * 2 > slots_.size()) Grow();
  const auto index = static_cast<std::uint32_t>(texts_.size());
  texts_.push_back(TokenText{text, token});
  const std::uint32_t hash = HashOf(text);
  const std::size_t mask = slots_.size() - 1;
  std::size_t i = hash & mask;
  while (slots_[i].index != UINT32_MAX)
    i = (i + 1) & mask;
  slots_[i] = Slot{hash, index};
  return index;
}

void TokenTexts::clear() {
  // Only the slots the texts took: a line's parse may clear a table of
  // hundreds of slots for a handful of texts.
  if (!slots_.empty()) {
    const std::size_t mask = slots_.size() - 1;
    for (const TokenText& text : texts_) {
      std::size_t i = HashOf(text.text) & mask;
      while (slots_[i].index == UINT32_MAX || texts_[slots_[i].index].text != text.text)
        i = (i + 1) & mask;
      slots_[i] = Slot();
    }
  }
  texts_.clear();
}

TokenNumber NoteToken(ParseContext& parse, std::string_view token) {
  // A text met before says what it said then, and names the same player.
  const std::uint32_t text = parse.texts.Find(token);
  const auto number = static_cast<TokenNumber>(parse.tokens.size());
  if (text != TokenTexts::kNotEntered) {
    run::Allocating(run::ErrorKind::kPlayRecordMemory, [&] { parse.tokens.push_back(text); });
    return number;
  }
  const std::optional<league::PlayerToken> read = league::ReadPlayerToken(token);
  if (!read) return kNoToken;
  run::Allocating(run::ErrorKind::kPlayRecordMemory,
                  [&] { parse.tokens.push_back(parse.texts.Enter(token, *read)); });
  return number;
}

void NoteNotUnderstood(ParseContext& parse, run::ErrorKind kind, std::string_view text) {
  run::Allocating(run::ErrorKind::kPlayRecordMemory, [&] {
    parse.notes.push_back(ParseNote{kind, text});
  });
}

void CarryParseUpTo(ReadContext& context, const ParseContext& parse, CarriedParse& carried,
                    ParseMarks upTo) {
  if (carried.players.size() < upTo.tokens) {
    run::Allocating(run::ErrorKind::kPlayRecordMemory,
                    [&] { carried.players.reserve(parse.tokens.size()); });
    for (std::size_t i = carried.players.size(); i < upTo.tokens; ++i) {
      // A text met before finds the player it found then (the hash keeps
      // the first player entered with a number and name), marked again.
      const std::uint32_t text = parse.tokens[i];
      const league::PlayerToken& token = parse.texts[text].token;
      league::PlayerRecord* player = nullptr;
      if (text < carried.byText.size()) {
        player = carried.byText[text];
        if (token.marked) player->side = league::kOffense;
      } else {
        player = &league::FindOrCreatePlayer(context.league, token);
        run::Allocating(run::ErrorKind::kPlayRecordMemory,
                        [&] { carried.byText.push_back(player); });
      }
      context.players.Name(*player);
      carried.players.push_back(player);
    }
  }
  for (; carried.notesLogged < upTo.notes; ++carried.notesLogged) {
    const ParseNote& note = parse.notes[carried.notesLogged];
    LogNotUnderstood(context, note.kind, note.text);
  }
}

TranscriptText LoadTranscript(run::FileSystem& files, const run::TransRecord& record) {
  run::File file;
  if (const std::error_code error = files.OpenToRead(record.path, file))
    run::FailOnFile(run::ErrorKind::kTranscriptOpen, record.path, error);
  TranscriptText text;
  const std::error_code error =
      run::Allocating(run::ErrorKind::kTranscriptMemory, [&] { return file.Read(text.text); });
  if (error) run::FailOnFile(run::ErrorKind::kTranscriptRead, record.path, error);
  if (const std::error_code closed = file.Close())
    run::FailOnFile(run::ErrorKind::kTranscriptClose, record.path, closed);
  // A UTF-8 byte-order mark an editor put before the first line is no part
  // of the teams' names.
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (std::string_view(text.text.data(), text.text.size()).starts_with(kByteOrderMark))
    text.text.erase(text.text.begin(), text.text.begin() + kByteOrderMark.size());
  return text;
}

std::size_t ReadLine(TranscriptText& text, LineState& state) {
  const auto size = static_cast<std::int32_t>(text.text.size());
  const char* bytes = text.text.data();
  std::int32_t at = std::min(text.position + 1, size);
  while (at < size && IsTerminator(bytes[at])) {
    state.sawBlank = true;
    ++at;
  }
  const std::int32_t start = at;
  at = FindTerminator(bytes, at, size);
  state.atEnd = start >= size;
  state.line = std::string_view(bytes + start, static_cast<std::size_t>(at - start));
  // Rest on the terminator; on the LF of a CR LF pair.
  if (at < size && bytes[at] == '\r' && at + 1 < size && bytes[at + 1] == '\n') ++at;
  text.position = at;
  state.indented = !state.line.empty() && state.line[0] == ' ';
  return state.line.size();
}

bool MatchPhrase(std::string_view text, std::string_view phrase, bool caseSensitive,
                 bool wholeString) {
  if (wholeString && text.size() != phrase.size()) return false;
  if (phrase.size() > text.size()) return false;
  for (std::size_t i = 0; i < phrase.size(); ++i) {
    if (caseSensitive ? text[i] != phrase[i] : FoldCase(text[i]) != FoldCase(phrase[i]))
      return false;
  }
  return true;
}

bool IsPlayHeader(std::string_view line) {
  std::size_t i = 0;
  while (i < line.size() && line[i] == ' ')
    ++i;
  if (i == line.size() || line[i] != 'W') return false;
  const std::size_t n = line.size();
  return line[n - 1] != '.' || (n >= 2 && line[n - 2] == '.');
}

bool IsGameOver(std::string_view line) {
  return MatchPhrase(line, "The game is over.", false, false);
}

bool ParseFirstLine(std::string_view line, std::string& visiting, std::string& home) {
  std::size_t at = TakeTeamName(line, 0, visiting);
  if (at == std::string_view::npos) return false;
  // "vs", then the home name from its first letter or digit; a "v" there
  // opens another "vs".
  ++at;
  bool sawVs = false;
  while (true) {
    while (at < line.size() && line[at] != 'v' && !(sawVs && IsLetterOrDigit(line[at])))
      ++at;
    if (at >= line.size()) return false;
    if (line[at] != 'v') break;
    if (at + 1 >= line.size() || line[at + 1] != 's') return false;
    sawVs = true;
    at += 2;
  }
  if (TakeTeamName(line, at, home) == std::string_view::npos) return false;
  // Teams are found by name with letter case ignored: a team named twice
  // would be both the home and the visiting team of its game.
  return !MatchPhrase(visiting, home, false, true);
}

}  // namespace yl::transcript
