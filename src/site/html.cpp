// Page pieces of the league site.
#include "site/html.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <initializer_list>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "run/mac_roman.h"
#include "run/version.h"

namespace yl::site {

using namespace std::literals;

namespace {

// What a byte of text needs on a page: nothing, a reference (markup,
// quotes; a control byte becomes a blank), or, read as Mac OS Roman, its
// character in UTF-8.
enum class ByteKind : std::uint8_t { kPlain, kEscape, kHigh };
constexpr std::array<ByteKind, 256> kByteKinds = [] {
  std::array<ByteKind, 256> kinds{};
  for (int c = 0; c < 0x20; ++c)
    kinds[c] = c == '\t' ? ByteKind::kPlain : ByteKind::kEscape;
  for (const char c : {'&', '<', '>', '"', '\''})
    kinds[static_cast<unsigned char>(c)] = ByteKind::kEscape;
  for (int c = 0x80; c < 0x100; ++c)
    kinds[c] = ByteKind::kHigh;
  return kinds;
}();

// What a byte becomes on a page when it is not copied as it is: a
// reference for markup and quotes, a blank for a control byte, and, read as
// Mac OS Roman, its character in UTF-8 (all of them lie below U+10000: two
// or three bytes).
struct Replacement {
  std::uint8_t size = 0;
  char bytes[kEscapeGrowth] = {};
};

std::array<Replacement, 256> MakeReplacements() {
  std::array<Replacement, 256> table{};
  const auto set = [&](unsigned byte, std::string_view text) {
    table[byte].size = static_cast<std::uint8_t>(text.size());
    std::memcpy(table[byte].bytes, text.data(), text.size());
  };
  for (unsigned c = 0; c < 0x20; ++c)
    set(c, " ");
  set('&', "&amp;");
  set('<', "&lt;");
  set('>', "&gt;");
  set('"', "&quot;");
  set('\'', "&#39;");
  for (unsigned c = 0x80; c < 0x100; ++c) {
    const char32_t code = run::MacRomanToUnicode(static_cast<unsigned char>(c));
    char utf8[3];
    if (code < 0x800) {
      utf8[0] = static_cast<char>(0xC0 | (code >> 6));
      utf8[1] = static_cast<char>(0x80 | (code & 0x3F));
      set(c, {utf8, 2});
    } else {
      utf8[0] = static_cast<char>(0xE0 | (code >> 12));
      utf8[1] = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      utf8[2] = static_cast<char>(0x80 | (code & 0x3F));
      set(c, {utf8, 3});
    }
  }
  return table;
}

const std::array<Replacement, 256> kReplacements = MakeReplacements();

// The bytes of eight (read little-endian) that may need something: the
// high bit of each byte that is markup, a quote or a control byte, or (for
// Mac OS Roman) above 0x7F. A byte above one that is marked may be marked
// wrongly (a borrow runs upwards), the lowest marked byte never is.
std::uint64_t MarkedBytes(std::uint64_t word, bool macRoman) {
  constexpr std::uint64_t kOnes = 0x0101010101010101;
  constexpr std::uint64_t kHighs = 0x8080808080808080;
  const auto below = [&](std::uint64_t n) { return (word - kOnes * n) & ~word & kHighs; };
  const auto equal = [&](char c) {
    const std::uint64_t diff = word ^ (kOnes * static_cast<unsigned char>(c));
    return (diff - kOnes) & ~diff & kHighs;
  };
  return (macRoman ? word & kHighs : 0) | below(0x20) | equal('&') | equal('<') | equal('>') |
         equal('"') | equal('\'');
}

// One byte as it goes on the page; `dest` has room for the longest
// replacement, and that much is copied.
char* EscapeByte(char* dest, char c, bool macRoman) {
  const auto byte = static_cast<unsigned char>(c);
  const ByteKind kind = kByteKinds[byte];
  if (kind == ByteKind::kPlain || (kind == ByteKind::kHigh && !macRoman)) {
    *dest = c;
    return dest + 1;
  }
  std::memcpy(dest, kReplacements[byte].bytes, kEscapeGrowth);
  return dest + kReplacements[byte].size;
}

// Escaping with room for the longest replacement of every byte: a short
// text (a name, a label) on the stack, so that the string grows by what it
// holds rather than by six times the text.
void AppendEscaped(std::string& out, std::string_view text, bool macRoman = false) {
  constexpr std::size_t kShort = 128;
  if (text.size() <= kShort) {
    char escaped[kEscapeGrowth * kShort];
    const char* const end = EscapeInto(escaped, text, macRoman);
    out.append(escaped, static_cast<std::size_t>(end - escaped));
    return;
  }
  const std::size_t at = out.size();
  out.resize(at + kEscapeGrowth * text.size());
  char* const end = EscapeInto(out.data() + at, text, macRoman);
  out.resize(static_cast<std::size_t>(end - out.data()));
}

}  // namespace

// One pass: eight plain bytes at a time are copied as they are, the others
// byte by byte; `macRoman` says whether bytes above 0x7F are Mac OS Roman
// (converted) or UTF-8 (kept).
char* EscapeInto(char* dest, std::string_view text, bool macRoman) {
  const char* at = text.data();
  const char* const end = at + text.size();
#if defined(__SSE2__)
  // Sixteen bytes at a time, the same way: a bit for each byte that may need
  // something (markup, a quote, a control byte; above 0x7F for Mac OS Roman).
  const __m128i controlTop = _mm_set1_epi8(0x1F);
  const __m128i blank = _mm_set1_epi8(0x20);
  while (end - at >= 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dest), bytes);
    // Signed, the bytes above 0x7F are below a blank too.
    const __m128i low = macRoman ? _mm_cmplt_epi8(bytes, blank)
                                 : _mm_cmpeq_epi8(_mm_min_epu8(bytes, controlTop), bytes);
    const __m128i markup =
        _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('&')),
                                  _mm_cmpeq_epi8(bytes, _mm_set1_epi8('<'))),
                     _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('>')),
                                  _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('"')),
                                               _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\'')))));
    const auto marked = static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(low, markup)));
    if (marked == 0) {
      dest += 16;
      at += 16;
      continue;
    }
    const int plain = std::countr_zero(marked);
    dest = EscapeByte(dest + plain, at[plain], macRoman);
    at += plain + 1;
  }
#endif
  if constexpr (std::endian::native == std::endian::little) {
    // Eight bytes at a time: copied whole, then the part before the first
    // marked byte kept, and that byte escaped.
    while (end - at >= 8) {
      std::uint64_t word;
      std::memcpy(&word, at, sizeof word);
      std::memcpy(dest, &word, sizeof word);
      const std::uint64_t marked = MarkedBytes(word, macRoman);
      if (marked == 0) {
        dest += sizeof word;
        at += sizeof word;
        continue;
      }
      const int plain = std::countr_zero(marked) / 8;
      dest = EscapeByte(dest + plain, at[plain], macRoman);
      at += plain + 1;
    }
  }
  while (at < end)
    dest = EscapeByte(dest, *at++, macRoman);
  return dest;
}

void RowText::Flush() {
  out_.append(bytes_, used_);
  used_ = 0;
}

void RowText::AddLong(std::string_view html) {
  if (html.size() <= kRoom - used_) {
    std::memcpy(bytes_ + used_, html.data(), html.size());
    used_ += html.size();
    return;
  }
  Flush();
  if (html.size() > kRoom) {
    out_ += html;
  } else {
    std::memcpy(bytes_, html.data(), html.size());
    used_ = html.size();
  }
}

void RowText::Text(std::string_view macRoman) {
  AddEscaped(macRoman, true);
}

void RowText::OwnText(std::string_view utf8) {
  AddEscaped(utf8, false);
}

void RowText::AddEscaped(std::string_view text, bool macRoman) {
  if (text.size() > (kRoom - used_) / kEscapeGrowth) {
    Flush();
    if (text.size() > kRoom / kEscapeGrowth) {
      AppendEscaped(out_, text, macRoman);
      return;
    }
  }
  used_ = static_cast<std::size_t>(EscapeInto(bytes_ + used_, text, macRoman) - bytes_);
}

std::string EscapeUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size() + 8);
  AppendEscaped(out, utf8);
  return out;
}

void AppendText(std::string& out, std::string_view macRoman) {
  AppendEscaped(out, macRoman, true);
}

std::string Escape(std::string_view macRoman) {
  std::string out;
  out.reserve(macRoman.size() + 8);
  AppendText(out, macRoman);
  return out;
}

std::string Slug(std::string_view macRoman) {
  std::string slug;
  bool gap = false;
  for (const char c : macRoman) {
    const auto byte = static_cast<unsigned char>(c);
    const bool letter = (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9');
    const bool capital = byte >= 'A' && byte <= 'Z';
    if (letter || capital) {
      if (gap && !slug.empty()) slug += '-';
      gap = false;
      slug += capital ? static_cast<char>(byte - 'A' + 'a') : c;
    } else {
      gap = true;
    }
  }
  return slug.empty() ? "x" : slug;
}

std::string AddressBook::Claim(const std::string& slug) {
  const int count = ++taken_[slug];
  if (count == 1) return slug;
  // "bears-2" may be a slug of its own: pass over it.
  std::string numbered = slug + "-" + std::to_string(count);
  while (taken_.contains(numbered))
    numbered = slug + "-" + std::to_string(++taken_[slug]);
  ++taken_[numbered];
  return numbered;
}

Page BeginPage(std::string_view root, std::string_view title, std::string_view league) {
  Page page{std::string(root), {}};
  std::string& t = page.text;
  t.reserve(kPageRoom);
  // Piece by piece onto the page: every page begins so.
  const auto add = [&t](std::initializer_list<std::string_view> pieces) {
    for (const std::string_view piece : pieces)
      t += piece;
  };
  const auto link = [&](std::string_view path, std::string_view html) {
    add({"<a href=\"", root, path, "\">", html, "</a>"});
  };
  add({"<!DOCTYPE html>\n<html lang=\"en\" data-root=\"", root, "\">\n<head>\n"});
  add({"<meta charset=\"utf-8\">\n"});
  add({"<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"});
  add({"<title>", title, " \xe2\x80\x94 ", league, "</title>\n"});
  add({"<link rel=\"stylesheet\" href=\"", root, "site.css\">\n"});
  add({"<script src=\"", root, "search-index.js\" defer></script>\n"});
  add({"<script src=\"", root, "site.js\" defer></script>\n"});
  add({"</head>\n<body>\n<header class=\"site\">"});
  add({"<a class=\"home\" href=\"", root, "index.html\">", league, "</a>"});
  add({"\n<nav>"});
  link("index.html", "Standings");
  add({" "});
  link("leaders.html", "Leaders");
  add({" "});
  link("stats/passing.html", "Stats");
  add({" "});
  link("index.html#teams", "Teams");
  add({"</nav>\n"});
  add(
      {"<div class=\"search\"><label for=\"q\">Search</label><input id=\"q\" type=\"search\" "
       "placeholder=\"Player or team\" autocomplete=\"off\"><ul id=\"q-results\" "
       "role=\"listbox\" hidden></ul></div>\n</header>\n<main>\n"});
  return page;
}

std::string EndPage(Page& page) {
  page.text += "</main>\n<footer class=\"site\">Compiled by Yardledger " +
               std::string(run::kVersion) + "</footer>\n</body>\n</html>\n";
  return std::move(page.text);
}

std::string TableHead(const std::vector<Column>& columns) {
  std::string head = "\n<thead><tr>";
  for (const Column& column : columns) {
    head += column.number ? "<th scope=\"col\" title=\"" : "<th scope=\"col\" class=\"t\" title=\"";
    head += EscapeUtf8(column.title.empty() ? column.word : column.title);
    head += "\">" + EscapeUtf8(column.word) + "</th>";
  }
  head += "</tr></thead>\n<tbody>\n"sv;
  return head;
}

void BeginTable(std::string& out, std::string_view classes, std::string_view caption,
                std::string_view head) {
  out += "<div class=\"table-wrap\"><table class=\""sv;
  out += classes;
  out += "\">"sv;
  if (!caption.empty()) {
    out += "<caption>"sv;
    AppendEscaped(out, caption);
    out += "</caption>"sv;
  }
  out += head;
}

void BeginTable(std::string& out, std::string_view classes, std::string_view caption,
                const std::vector<Column>& columns) {
  BeginTable(out, classes, caption, TableHead(columns));
}

void EndTable(std::string& out, std::string_view foot) {
  out += "</tbody>"sv;
  if (!foot.empty()) {
    out += "<tfoot>"sv;
    out += foot;
    out += "</tfoot>"sv;
  }
  out += "</table></div>\n"sv;
}

void NumberCell(std::string& out, std::int64_t value) {
  // "<td>" + digits + "</td>" in one append.
  char cell[32] = "<td>";
  char* end = std::to_chars(cell + 4, cell + sizeof cell, value).ptr;
  std::memcpy(end, "</td>", 5);
  out.append(cell, static_cast<std::size_t>(end + 5 - cell));
}

void NumberCell(std::string& out, std::string_view text) {
  out += "<td>"sv;
  out += text;  // digits, signs, "." and "/": nothing to escape
  out += "</td>"sv;
}

void TextCell(std::string& out, std::string_view macRoman) {
  out += "<td class=\"t\">"sv;
  AppendText(out, macRoman);
  out += "</td>"sv;
}

void PlainCell(std::string& out, std::string_view macRoman) {
  out += "<td>"sv;
  AppendText(out, macRoman);
  out += "</td>"sv;
}

void HtmlCell(std::string& out, std::string_view html, bool header) {
  out += header ? "<th scope=\"row\">" : "<td class=\"t\">";
  out += html;
  out += header ? "</th>" : "</td>";
}

std::string Link(std::string_view href, std::string_view html) {
  return "<a href=\"" + std::string(href) + "\">" + std::string(html) + "</a>";
}

std::string ColumnTitle(std::string_view word) {
  static const std::map<std::string_view, std::string_view> kTitles = {
      {"ATT", "Attempts"},
      {"COM", "Completions"},
      {"YDS", "Yards"},
      {"YARDS", "Yards"},
      {"PCT", "Percentage made"},
      {"TD", "Touchdowns"},
      {"IN", "Interceptions"},
      {"LG", "Longest"},
      {"1ST", "First downs"},
      {"1ST%", "First downs per play, in per cent"},
      {"BIG", "Big plays"},
      {"SAC", "Sacks"},
      {"YDL", "Yards lost"},
      {"RATE", "Passer rating"},
      {"AVG", "Average"},
      {"STF", "Stuffs"},
      {"FUM", "Fumbles"},
      {"LST", "Fumbles lost"},
      {"REC", "Receptions"},
      {"DRP", "Drops"},
      {"MADE", "Made"},
      {"BLK", "Blocked"},
      {"1-29", "Field goals from 1 to 29 yards"},
      {"30-39", "Field goals from 30 to 39 yards"},
      {"40-49", "Field goals from 40 to 49 yards"},
      {"50+", "Field goals from 50 yards and more"},
      {"TK", "Tackles"},
      {"PUNTS", "Punts"},
      {"IN20", "Punts inside the 20"},
      {"TB", "Touchbacks"},
      {"RET", "Returns"},
      {"FC", "Fair catches"},
      {"SKYDS", "Sack yards"},
      {"TOTYL", "Total yards lost"},
      {"PD", "Passes defensed"},
      {"PTBLK", "Punts blocked"},
      {"FGBLK", "Field goals blocked"},
      {"RCV", "Recoveries"},
      {"FLAGGED", "Penalties called"},
      {"ACCEPTED", "Penalties accepted"},
      {"TDs", "Touchdowns"},
      {"RushTDs", "Rushing touchdowns"},
      {"RecTDs", "Receiving touchdowns"},
      {"TOTAL", "Total points"},
      {"Accepted", "Penalties accepted"},
      {"Atts", "Attempts"},
      {"Avg", "Average"},
      {"Big", "Big plays"},
      {"Blk", "Blocked"},
      {"Blocked", "Blocked"},
      {"Carries", "Carries"},
      {"Catches", "Catches"},
      {"Comp%", "Completions, in per cent of attempts"},
      {"Comps", "Completions"},
      {"Drops", "Drops"},
      {"FD%", "First downs, in per cent of plays"},
      {"FDs", "First downs"},
      {"FGBlks", "Field goals blocked"},
      {"Flagged", "Penalties called"},
      {"INT%", "Interceptions, in per cent of attempts"},
      {"INTs", "Interceptions"},
      {"In20", "Punts inside the 20"},
      {"Lost", "Lost"},
      {"Made", "Made"},
      {"Missed", "Missed"},
      {"PDs", "Passes defensed"},
      {"PuntBlks", "Punts blocked"},
      {"Punts", "Punts"},
      {"Rating", "Passer rating"},
      {"Ret", "Returns"},
      {"Rets", "Returns"},
      {"Sacked", "Times sacked"},
      {"Sacked%", "Times sacked, in per cent of attempts"},
      {"Sacks", "Sacks"},
      {"Stuffed", "Times stuffed"},
      {"Stuffs", "Stuffs"},
      {"Stuffs%", "Stuffs, in per cent of carries"},
      {"TD%", "Touchdowns, in per cent of attempts"},
      {"Tackles", "Tackles"},
      {"Total", "Total"},
      {"Yards", "Yards"},
  };
  const auto found = kTitles.find(word);
  return std::string(found != kTitles.end() ? found->second : word);
}

}  // namespace yl::site
