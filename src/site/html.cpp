// Page pieces of the league site.
#include "site/html.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>

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

void AppendReference(std::string& out, char c) {
  switch (c) {
    case '&':
      out += "&amp;"sv;
      break;
    case '<':
      out += "&lt;"sv;
      break;
    case '>':
      out += "&gt;"sv;
      break;
    case '"':
      out += "&quot;"sv;
      break;
    case '\'':
      out += "&#39;"sv;
      break;
    default:
      out += ' ';  // a control byte has no place in a page
  }
}

// Every character of Mac OS Roman lies below U+10000: two or three bytes.
void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
  }
  out += static_cast<char>(0x80 | (code & 0x3F));
}

// Whether none of eight bytes needs anything: no markup, quote or control
// byte, and (for Mac OS Roman) none above 0x7F. Each test tells whether any
// byte of the word matches, without a false answer.
bool PlainWord(std::uint64_t word, bool macRoman) {
  constexpr std::uint64_t kOnes = 0x0101010101010101;
  constexpr std::uint64_t kHighs = 0x8080808080808080;
  const auto below = [&](std::uint64_t n) { return (word - kOnes * n) & ~word & kHighs; };
  const auto equal = [&](char c) {
    const std::uint64_t diff = word ^ (kOnes * static_cast<unsigned char>(c));
    return (diff - kOnes) & ~diff & kHighs;
  };
  if (macRoman && (word & kHighs) != 0) return false;
  return (below(0x20) | equal('&') | equal('<') | equal('>') | equal('"') | equal('\'')) == 0;
}

// One pass: runs of plain bytes are copied as they are; `macRoman` says
// whether bytes above 0x7F are Mac OS Roman (converted) or UTF-8 (kept).
void AppendEscaped(std::string& out, std::string_view text, bool macRoman = false) {
  std::size_t run = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    // Eight bytes at a time while they are plain; the eight that are not
    // byte by byte.
    if (i + 8 <= text.size()) {
      std::uint64_t word;
      std::memcpy(&word, text.data() + i, sizeof word);
      if (PlainWord(word, macRoman)) {
        i += 8;
        continue;
      }
    }
    for (const std::size_t end = std::min(text.size(), i + 8); i < end; ++i) {
      const auto byte = static_cast<unsigned char>(text[i]);
      const ByteKind kind = kByteKinds[byte];
      if (kind == ByteKind::kPlain || (kind == ByteKind::kHigh && !macRoman)) continue;
      out.append(text, run, i - run);
      if (kind == ByteKind::kEscape) {
        AppendReference(out, text[i]);
      } else {
        AppendUtf8(out, run::MacRomanToUnicode(byte));
      }
      run = i + 1;
    }
  }
  out.append(text, run, text.size() - run);
}

}  // namespace

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
  const std::string r(root);
  t += "<!DOCTYPE html>\n<html lang=\"en\" data-root=\"" + r + "\">\n<head>\n";
  t += "<meta charset=\"utf-8\">\n";
  t += "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
  t += "<title>" + std::string(title) + " \xe2\x80\x94 " + std::string(league) + "</title>\n";
  t += "<link rel=\"stylesheet\" href=\"" + r + "site.css\">\n";
  t += "<script src=\"" + r + "search-index.js\" defer></script>\n";
  t += "<script src=\"" + r + "site.js\" defer></script>\n";
  t += "</head>\n<body>\n<header class=\"site\">";
  t += Link(r + "index.html", std::string(league)).insert(2, " class=\"home\"");
  t += "\n<nav>" + Link(r + "index.html", "Standings") + " " + Link(r + "leaders.html", "Leaders") +
       " " + Link(r + "stats/passing.html", "Stats") + " " + Link(r + "index.html#teams", "Teams") +
       "</nav>\n";
  t += "<div class=\"search\"><label for=\"q\">Search</label><input id=\"q\" type=\"search\" "
       "placeholder=\"Player or team\" autocomplete=\"off\"><ul id=\"q-results\" "
       "role=\"listbox\" hidden></ul></div>\n</header>\n<main>\n";
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
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  NumberCell(out, std::string_view(digits, static_cast<std::size_t>(end - digits)));
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
