// Page pieces of the league site.
#include "site/html.h"

#include "run/mac_roman.h"
#include "run/version.h"

namespace yl::site {

std::string EscapeUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (const char c : utf8) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        // Control bytes have no place in a page; the rest is the text.
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t')
          out += ' ';
        else
          out += c;
    }
  }
  return out;
}

std::string Escape(std::string_view macRoman) {
  return EscapeUtf8(run::MacRomanToUtf8(macRoman));
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

void BeginTable(std::string& out, std::string_view classes, std::string_view caption,
                const std::vector<Column>& columns) {
  out += "<div class=\"table-wrap\"><table class=\"";
  out += classes;
  out += "\">";
  if (!caption.empty()) out += "<caption>" + EscapeUtf8(caption) + "</caption>";
  out += "\n<thead><tr>";
  for (const Column& column : columns) {
    out += column.number ? "<th scope=\"col\" class=\"n\" title=\"" : "<th scope=\"col\" title=\"";
    out += EscapeUtf8(column.title.empty() ? column.word : column.title);
    out += "\">" + EscapeUtf8(column.word) + "</th>";
  }
  out += "</tr></thead>\n<tbody>\n";
}

void EndTable(std::string& out, std::string_view foot) {
  out += "</tbody>";
  if (!foot.empty()) {
    out += "<tfoot>";
    out += foot;
    out += "</tfoot>";
  }
  out += "</table></div>\n";
}

void NumberCell(std::string& out, std::string_view text) {
  out += "<td class=\"n\">";
  out += EscapeUtf8(text);
  out += "</td>";
}

void TextCell(std::string& out, std::string_view macRoman) {
  out += "<td>" + Escape(macRoman) + "</td>";
}

void HtmlCell(std::string& out, std::string_view html, bool header) {
  out += header ? "<th scope=\"row\">" : "<td>";
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
