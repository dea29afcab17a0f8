// The pieces every page of the league site is made of: text from the games
// escaped for HTML, addresses made from names, the page's head and foot,
// and tables whose headers say what each column is.
#pragma once

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace yl::site {

// Transcript or team-file text (Mac OS Roman) as HTML text: in UTF-8, with
// & < > " ' written as references.
std::string Escape(std::string_view macRoman);
// The same, appended to `out`.
void AppendText(std::string& out, std::string_view macRoman);
// The longest a byte of text becomes on a page ("&quot;").
inline constexpr std::size_t kEscapeGrowth = 6;
// Writes `text` escaped at `dest`, which has room for kEscapeGrowth bytes
// per byte of it; returns the end. Bytes above 0x7F are Mac OS Roman when
// `macRoman`, else UTF-8 and kept.
char* EscapeInto(char* dest, std::string_view text, bool macRoman);
// Text of our own (ASCII or UTF-8) as HTML text.
std::string EscapeUtf8(std::string_view utf8);

// The part of an address made from a name: lower-case letters and digits,
// everything else one "-" between them; "x" when nothing is left.
std::string Slug(std::string_view macRoman);

// Addresses for names: the first to ask for a slug gets it, the next ones
// the slug with "-2", "-3", ... so that every page has an address of its own
// and the order of the games decides who keeps the plain one.
class AddressBook {
 public:
  std::string Claim(const std::string& slug);

 private:
  std::map<std::string, int> taken_;
};

// A page: the root is "" for pages at the site's root, "../" for pages one
// folder down.
// Room a page is given from its start, so that it seldom grows by copying.
inline constexpr std::size_t kPageRoom = 64 * 1024;
struct Page {
  std::string root;
  std::string text;
};
Page BeginPage(std::string_view root, std::string_view title, std::string_view league);
// Closes the page; the result is the whole file.
std::string EndPage(Page& page);

// A column of a table: its header word, its full name (the tooltip) and
// whether it holds numbers (right-aligned).
struct Column {
  std::string word;
  std::string title;
  bool number = true;
};

// "<div class=table-wrap><table class=...><caption>..</caption><thead>..":
// the caption and header words are escaped here.
void BeginTable(std::string& out, std::string_view classes, std::string_view caption,
                const std::vector<Column>& columns);
// The same with the head made once by TableHead, for tables that repeat it.
std::string TableHead(const std::vector<Column>& columns);
void BeginTable(std::string& out, std::string_view classes, std::string_view caption,
                std::string_view head);
// Closes the body; `foot` (rows of HTML), when given, follows it as the
// table's foot, which sorting leaves in place.
void EndTable(std::string& out, std::string_view foot = {});

// Cells: a number (as a figure's text: nothing in it to escape), a text
// (escaped from Mac OS Roman; marked as text, or plain in tables of text
// alone) and a cell of HTML made by the caller.
void NumberCell(std::string& out, std::string_view text);
void NumberCell(std::string& out, std::int64_t value);
void TextCell(std::string& out, std::string_view macRoman);
void PlainCell(std::string& out, std::string_view macRoman);
void HtmlCell(std::string& out, std::string_view html, bool header = false);

// A row's bytes gathered on the stack and added to the page in one piece:
// a cell is a few bytes, and appending each piece to the page on its own
// costs more than copying it. Nothing reaches the page before Flush().
class RowText {
 public:
  explicit RowText(std::string& out) : out_(out) {}
  RowText(const RowText&) = delete;
  RowText& operator=(const RowText&) = delete;

  void Add(std::string_view html) {
    if (html.size() > kShort || html.size() > kRoom - used_) {
      AddLong(html);
      return;
    }
    CopyShort(bytes_ + used_, html.data(), html.size());
    used_ += html.size();
  }
  void Number(std::int64_t value) {
    Write(kDigitsRoom, [&](char* at) { return std::to_chars(at, bytes_ + kRoom, value).ptr; });
  }
  // What `write` writes at the place it is given, which has `room` bytes
  // (at most kRoom); it returns the end of what it wrote.
  template <typename Writer>
  void Write(std::size_t room, const Writer& write) {
    if (kRoom - used_ < room) Flush();
    used_ = static_cast<std::size_t>(write(bytes_ + used_) - bytes_);
  }
  // Text from a game or a team file, escaped as AppendText does.
  void Text(std::string_view macRoman);
  // Text of our own (UTF-8), escaped as EscapeUtf8 does.
  void OwnText(std::string_view utf8);
  void Flush();

 private:
  void AddLong(std::string_view html);
  void AddEscaped(std::string_view text, bool macRoman);

  // Most pieces of a row are a few bytes: copied here without a call, as
  // two words that may overlap; longer ones go through AddLong.
  template <typename Word>
  static void CopyEnds(char* dest, const char* source, std::size_t size) {
    Word head;
    Word tail;
    std::memcpy(&head, source, sizeof head);
    std::memcpy(&tail, source + size - sizeof tail, sizeof tail);
    std::memcpy(dest, &head, sizeof head);
    std::memcpy(dest + size - sizeof tail, &tail, sizeof tail);
  }
  // At most kShort bytes.
  static void CopyShort(char* dest, const char* source, std::size_t size) {
    if (size >= 8) {
      CopyEnds<std::uint64_t>(dest, source, size);
    } else if (size >= 4) {
      CopyEnds<std::uint32_t>(dest, source, size);
    } else if (size > 0) {
      dest[0] = source[0];
      dest[size / 2] = source[size / 2];
      dest[size - 1] = source[size - 1];
    }
  }

  static constexpr std::size_t kShort = 16;
  static constexpr std::size_t kRoom = 2048;
  static constexpr std::size_t kDigitsRoom = 20;
  std::string& out_;
  std::size_t used_ = 0;
  char bytes_[kRoom];
};

// <a href="...">html</a>
std::string Link(std::string_view href, std::string_view html);

// The full name of a report's header word ("YDS" -> "Yards").
std::string ColumnTitle(std::string_view word);

}  // namespace yl::site
