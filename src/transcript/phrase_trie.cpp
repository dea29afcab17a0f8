// The phrase trie: built once per table, walked once per text.
#include "transcript/phrase_trie.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "transcript/reader.h"

namespace yl::transcript {

namespace {

bool Before(const PhraseTrie::Match& a, const PhraseTrie::Match& b) {
  return a.position != b.position ? a.position < b.position : a.cut < b.cut;
}

}  // namespace

PhraseTrie::PhraseTrie(std::span<const PhraseEntry> table, Direction direction,
                       std::size_t cutBlanks)
    : direction_(direction) {
  // Every phrase (and cut form) as the bytes a walk meets, in byte order.
  struct Key {
    std::string walk;
    Match match;
  };
  std::vector<Key> keys;
  const auto enter = [&](std::string_view text, Match match) {
    std::string walk(text);
    if (direction == Direction::kSuffix) std::reverse(walk.begin(), walk.end());
    keys.push_back(Key{std::move(walk), match});
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
  std::sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) {
    return a.walk != b.walk ? a.walk < b.walk : Before(a.match, b.match);
  });

  // Node `at` stands for the walk keys[first, last) share up to `depth`;
  // those that end there are its matches, the rest its children by their
  // next byte. A child's label runs on while its keys agree and none ends.
  // Children are made (and their edges written together) before any
  // grandchild.
  const auto build = [&](const auto& self, std::size_t first, std::size_t last, std::size_t depth,
                         std::uint32_t at, std::size_t matchesAbove) -> void {
    std::size_t k = first;
    nodes_[at].firstMatch = static_cast<std::uint32_t>(matches_.size());
    for (; k < last && keys[k].walk.size() == depth; ++k)
      matches_.push_back(keys[k].match);
    const std::size_t own = k - first;
    nodes_[at].matchCount = static_cast<std::uint16_t>(own);
    if (matchesAbove + own > kMaxMatches)
      throw std::logic_error("phrase table nests more phrases than PhraseTrie::kMaxMatches");

    struct Child {
      std::uint32_t node;
      std::size_t first, last, depth;
    };
    std::vector<Child> children;
    nodes_[at].firstEdge = static_cast<std::uint32_t>(edges_.size());
    while (k < last) {
      const char byte = keys[k].walk[depth];
      std::size_t end = k;
      while (end < last && keys[end].walk[depth] == byte)
        ++end;
      // Sorted keys all agree as far as the first and the last do; only the
      // first can end sooner (a key sorts before those it begins).
      const std::string& low = keys[k].walk;
      const std::string& high = keys[end - 1].walk;
      std::size_t reach = depth + 1;
      while (reach < low.size() && reach < high.size() && low[reach] == high[reach])
        ++reach;
      std::string label = keys[k].walk.substr(depth, reach - depth);
      if (direction == Direction::kSuffix) std::reverse(label.begin(), label.end());
      Node node;
      node.labelOffset = static_cast<std::uint32_t>(labels_.size());
      node.labelLength = static_cast<std::uint16_t>(label.size());
      labels_ += label;
      const auto index = static_cast<std::uint32_t>(nodes_.size());
      nodes_.push_back(node);
      const auto edgeByte = static_cast<unsigned char>(byte);
      edges_.push_back(Edge{edgeByte, index});
      if (at == 0) rootChildren_[edgeByte] = static_cast<std::int32_t>(index);
      children.push_back(Child{index, k, end, reach});
      k = end;
    }
    nodes_[at].edgeCount = static_cast<std::uint16_t>(children.size());
    for (const Child& child : children)
      self(self, child.first, child.last, child.depth, child.node, matchesAbove + own);
  };
  rootChildren_.fill(-1);
  nodes_.emplace_back();
  build(build, 0, keys.size(), 0, 0, 0);
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
  std::size_t from = at;
  if (direction_ == Direction::kPrefix) {
    if (text.size() - at < length) return false;
  } else {
    if (at < length) return false;
    from = at - length;
  }
  // Most labels are a few bytes long: for them a loop beats a call.
  if (length >= 12) return std::memcmp(text.data() + from, label, length) == 0;
  for (std::size_t k = 0; k < length; ++k) {
    if (text[from + k] != label[k]) return false;
  }
  return true;
}

std::optional<std::size_t> PhraseTrie::FirstPrefix(std::string_view text, std::size_t start) const {
  std::optional<std::size_t> best;
  std::uint32_t n = 0;
  std::size_t at = 0;
  while (true) {
    const Node& node = nodes_[n];
    for (std::uint32_t m = 0; m < node.matchCount; ++m) {
      const std::size_t position = matches_[node.firstMatch + m].position;
      if (position >= start && (!best || position < *best)) best = position;
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

PhraseTrie::SuffixMemo::Slot* PhraseTrie::SuffixMemo::SetOf(std::string_view text) {
  const std::uint64_t tail = WordAt(text.data() + text.size() - kShortest);
  const auto set = static_cast<std::size_t>((tail * 0x9E3779B97F4A7C15u) >> 56) % kSets;
  return &slots_[set * kWays];
}

const PhraseTrie::SuffixMemo::Slot* PhraseTrie::SuffixMemo::Find(Slot* set, std::string_view text) {
  for (std::size_t w = 0; w < kWays; ++w) {
    const Slot& slot = set[w];
    const std::size_t read = slot.read;
    if (read == 0) return nullptr;
    if (read > text.size()) continue;
    const char* from = text.data() + text.size() - read;
    if (WordAt(from) != slot.head) continue;
    // Eight bytes at a time; the last word may overlap the one before.
    bool same = true;
    for (std::size_t k = 8; same && k < read; k += 8)
      same =
          WordAt(from + std::min(k, read - 8)) == WordAt(slot.bytes.data() + std::min(k, read - 8));
    if (same) return &slot;
  }
  return nullptr;
}

// The walk reads the text from its end; a walk's state after `read` bytes
// depends on those bytes alone. A text that ends in the bytes a kept state
// had read resumes from that state, and goes where a walk from the root
// would have.
std::size_t PhraseTrie::Suffixes(std::string_view text, Matches& matches, SuffixMemo* memo) const {
  std::size_t count = 0;
  std::uint32_t n = 0;
  std::size_t at = text.size();
  SuffixMemo::Slot* set = nullptr;
  if (memo != nullptr && text.size() >= SuffixMemo::kShortest) {
    if (memo->trie_ != this) {
      memo->slots_.assign(SuffixMemo::kSets * SuffixMemo::kWays, SuffixMemo::Slot());
      memo->trie_ = this;
    }
    set = memo->SetOf(text);
    if (const SuffixMemo::Slot* slot = SuffixMemo::Find(set, text)) {
      n = slot->node;
      at = text.size() - slot->read;
      count = slot->count;
      std::copy_n(slot->matches.begin(), count, matches.begin());
      set = nullptr;  // nothing new to keep
    }
  }
  if (at == text.size()) {
    const Node& root = nodes_[0];
    for (std::uint32_t m = 0; m < root.matchCount; ++m)
      matches[count++] = matches_[root.firstMatch + m];
  }
  std::uint32_t keptNode = n;
  std::size_t keptAt = at;
  std::size_t keptCount = count;
  while (at > 0) {
    const std::int64_t child = Child(n, static_cast<unsigned char>(text[at - 1]));
    if (child < 0) break;
    n = static_cast<std::uint32_t>(child);
    if (!LabelMatches(nodes_[n], text, at)) break;
    at -= nodes_[n].labelLength;
    const Node& node = nodes_[n];
    for (std::uint32_t m = 0; m < node.matchCount; ++m)
      matches[count++] = matches_[node.firstMatch + m];
    if (text.size() - at <= SuffixMemo::kLongest && count <= SuffixMemo::kMatches) {
      keptNode = n;
      keptAt = at;
      keptCount = count;
    }
  }
  const std::size_t read = text.size() - keptAt;
  if (set != nullptr && read >= SuffixMemo::kShortest) {
    std::copy_backward(set, set + SuffixMemo::kWays - 1, set + SuffixMemo::kWays);
    SuffixMemo::Slot& slot = set[0];
    slot.head = WordAt(text.data() + keptAt);
    slot.node = keptNode;
    slot.read = static_cast<std::uint8_t>(read);
    slot.count = static_cast<std::uint8_t>(keptCount);
    std::copy_n(matches.begin(), keptCount, slot.matches.begin());
    std::memcpy(slot.bytes.data(), text.data() + keptAt, read);
  }
  // A handful of matches: an insertion sort.
  for (std::size_t k = 1; k < count; ++k) {
    const Match moving = matches[k];
    std::size_t m = k;
    for (; m > 0 && Before(moving, matches[m - 1]); --m)
      matches[m] = matches[m - 1];
    matches[m] = moving;
  }
  return count;
}

}  // namespace yl::transcript
