// The phrase trie: built once per table, walked once per text.
#include "transcript/phrase_trie.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <stdexcept>

namespace yl::transcript {

namespace {

bool Before(const PhraseTrie::Match& a, const PhraseTrie::Match& b) {
  return a.position != b.position ? a.position < b.position : a.cut < b.cut;
}

}  // namespace

PhraseTrie::PhraseTrie(std::span<const PhraseEntry> table, Direction direction,
                       std::size_t cutBlanks)
    : direction_(direction) {
  // First a trie of one byte per node, in walk order.
  struct Building {
    std::map<unsigned char, std::uint32_t> children;
    std::vector<Match> matches;
  };
  std::vector<Building> built(1);
  const auto enter = [&](std::string_view text, Match match) {
    std::uint32_t node = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
      const char c = direction == Direction::kPrefix ? text[i] : text[text.size() - 1 - i];
      const auto byte = static_cast<unsigned char>(c);
      const auto found = built[node].children.find(byte);
      if (found != built[node].children.end()) {
        node = found->second;
        continue;
      }
      const auto child = static_cast<std::uint32_t>(built.size());
      built.emplace_back();
      built[node].children.emplace(byte, child);
      node = child;
    }
    built[node].matches.push_back(match);
  };
  const std::string_view blanks = "        ";
  for (std::size_t p = 0; p < table.size(); ++p) {
    const std::string_view text = table[p].text;
    const auto position = static_cast<std::uint16_t>(p);
    enter(text, Match{position, 0});
    if (cutBlanks > 0 && cutBlanks <= blanks.size() && text.size() >= cutBlanks &&
        text.ends_with(blanks.substr(0, cutBlanks)))
      enter(text.substr(0, text.size() - cutBlanks), Match{position, 1});
  }

  // Then every chain without a branch or a phrase becomes one node. Node
  // `at` stands for built node `from`; its children are made (and its edges
  // written together) before any grandchild.
  const auto emit = [&](const auto& self, std::uint32_t from, std::uint32_t at,
                        std::size_t matchesAbove) -> void {
    std::vector<Match>& own = built[from].matches;
    std::sort(own.begin(), own.end(), Before);
    if (matchesAbove + own.size() > kMaxMatches)
      throw std::logic_error("phrase table nests more phrases than PhraseTrie::kMaxMatches");
    nodes_[at].firstMatch = static_cast<std::uint32_t>(matches_.size());
    nodes_[at].matchCount = static_cast<std::uint16_t>(own.size());
    matches_.insert(matches_.end(), own.begin(), own.end());

    std::vector<std::pair<std::uint32_t, std::uint32_t>> kids;  // node, built node it ends at
    nodes_[at].firstEdge = static_cast<std::uint32_t>(edges_.size());
    nodes_[at].edgeCount = static_cast<std::uint16_t>(built[from].children.size());
    for (const auto& [byte, child] : built[from].children) {
      std::string walk(1, static_cast<char>(byte));
      std::uint32_t end = child;
      while (built[end].matches.empty() && built[end].children.size() == 1) {
        walk.push_back(static_cast<char>(built[end].children.begin()->first));
        end = built[end].children.begin()->second;
      }
      if (direction == Direction::kSuffix) std::reverse(walk.begin(), walk.end());
      Node node;
      node.labelOffset = static_cast<std::uint32_t>(labels_.size());
      node.labelLength = static_cast<std::uint16_t>(walk.size());
      labels_ += walk;
      const auto index = static_cast<std::uint32_t>(nodes_.size());
      nodes_.push_back(node);
      edges_.push_back(Edge{byte, index});
      if (at == 0) rootChildren_[byte] = static_cast<std::int32_t>(index);
      kids.emplace_back(index, end);
    }
    for (const auto& [index, end] : kids)
      self(self, end, index, matchesAbove + own.size());
  };
  rootChildren_.fill(-1);
  nodes_.emplace_back();
  emit(emit, 0, 0, 0);
}

std::int64_t PhraseTrie::Child(std::uint32_t n, unsigned char byte) const {
  if (n == 0) return rootChildren_[byte];
  const Node& node = nodes_[n];
  for (std::uint32_t e = node.firstEdge; e < node.firstEdge + node.edgeCount; ++e) {
    if (edges_[e].byte == byte) return edges_[e].node;
  }
  return -1;
}

// Whether the node's label stands in the text from `at` (a prefix trie) or
// up to `at` (a suffix trie).
bool PhraseTrie::LabelMatches(const Node& node, std::string_view text, std::size_t at) const {
  const std::size_t length = node.labelLength;
  const char* label = labels_.data() + node.labelOffset;
  if (direction_ == Direction::kPrefix)
    return text.size() - at >= length && std::memcmp(text.data() + at, label, length) == 0;
  return at >= length && std::memcmp(text.data() + at - length, label, length) == 0;
}

int PhraseTrie::FirstPrefix(std::string_view text, std::size_t start) const {
  int best = -1;
  std::uint32_t n = 0;
  std::size_t at = 0;
  while (true) {
    const Node& node = nodes_[n];
    for (std::uint32_t m = 0; m < node.matchCount; ++m) {
      const std::size_t position = matches_[node.firstMatch + m].position;
      if (position >= start && (best < 0 || position < static_cast<std::size_t>(best)))
        best = static_cast<int>(position);
    }
    if (at >= text.size()) break;
    const std::int64_t child = Child(n, static_cast<unsigned char>(text[at]));
    if (child < 0) break;
    n = static_cast<std::uint32_t>(child);
    if (!LabelMatches(nodes_[n], text, at)) break;
    at += nodes_[n].labelLength;
  }
  return best;
}

std::size_t PhraseTrie::Suffixes(std::string_view text, Matches& matches) const {
  std::size_t count = 0;
  std::uint32_t n = 0;
  std::size_t at = text.size();
  while (true) {
    const Node& node = nodes_[n];
    for (std::uint32_t m = 0; m < node.matchCount; ++m)
      matches[count++] = matches_[node.firstMatch + m];
    if (at == 0) break;
    const std::int64_t child = Child(n, static_cast<unsigned char>(text[at - 1]));
    if (child < 0) break;
    n = static_cast<std::uint32_t>(child);
    if (!LabelMatches(nodes_[n], text, at)) break;
    at -= nodes_[n].labelLength;
  }
  std::sort(matches.begin(), matches.begin() + static_cast<std::ptrdiff_t>(count), Before);
  return count;
}

}  // namespace yl::transcript
