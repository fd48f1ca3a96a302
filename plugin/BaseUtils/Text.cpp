#include "Text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "ByteFrequency.h"

namespace zelvo {
namespace {

// The byte of the pattern that a search looks for first: the rarest one, with both cases of a
// letter when case does not count.
struct Anchor {
  std::size_t offset = 0;
  std::array<unsigned char, 2> bytes{};
  std::size_t count = 1;
};

Anchor ChooseAnchor(std::string_view pattern, bool ignoreCase) {
  Anchor best;
  unsigned bestCost = ~0u;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const auto c = static_cast<unsigned char>(pattern[i]);
    const unsigned char lower = ignoreCase ? FoldAscii(c) : c;
    const bool twoCases = ignoreCase && lower >= 'a' && lower <= 'z';
    const unsigned char upper = twoCases ? static_cast<unsigned char>(lower - ('a' - 'A')) : lower;
    const unsigned cost = KeyCost(c, ignoreCase);
    if (cost < bestCost) {
      bestCost = cost;
      best = Anchor{i, {lower, upper}, twoCases ? 2u : 1u};
    }
  }
  return best;
}

}  // namespace

bool MatchesAt(const char* at, std::string_view pattern, bool ignoreCase) {
  if (!ignoreCase) return std::memcmp(at, pattern.data(), pattern.size()) == 0;
  for (std::size_t i = 0; i < pattern.size(); ++i)
    if (FoldAscii(static_cast<unsigned char>(at[i])) != FoldAscii(static_cast<unsigned char>(pattern[i])))
      return false;
  return true;
}

namespace {

// Horspool over folded bytes when case does not count; no table building per call beyond 256
// entries, used only once anchor hits turn out to be dense.
std::size_t Horspool(std::string_view text, std::string_view pattern, std::size_t from, bool ignoreCase) {
  const std::size_t m = pattern.size();
  std::array<std::size_t, 256> shift;
  shift.fill(m);
  const auto key = [ignoreCase](char c) {
    const auto b = static_cast<unsigned char>(c);
    return ignoreCase ? FoldAscii(b) : b;
  };
  for (std::size_t i = 0; i + 1 < m; ++i) shift[key(pattern[i])] = m - 1 - i;
  const unsigned char lastKey = key(pattern[m - 1]);
  for (std::size_t at = from; at + m <= text.size();) {
    const unsigned char k = key(text[at + m - 1]);
    if (k == lastKey && MatchesAt(text.data() + at, pattern, ignoreCase)) return at;
    at += shift[k];
  }
  return std::string_view::npos;
}

// One miss in this many bytes makes the anchor too common. Measured on the service's pages, a
// restarted memchr beats Horspool's steps until misses come about this close together.
constexpr std::size_t kDenseMiss = 16;

std::size_t Search(std::string_view text, std::string_view pattern, std::size_t from, bool ignoreCase) {
  if (pattern.empty() || from > text.size() || pattern.size() > text.size() - from)
    return std::string_view::npos;
  const Anchor anchor = ChooseAnchor(pattern, ignoreCase);
  // Anchor positions that leave room for the whole pattern: [first, last).
  const char* const base = text.data();
  const char* const first = base + from + anchor.offset;
  const char* const last = base + (text.size() - pattern.size()) + anchor.offset + 1;
  std::array<const char*, 2> next{};
  const auto seek = [&](std::size_t k, const char* at) {
    next[k] =
        at < last
            ? static_cast<const char*>(std::memchr(at, anchor.bytes[k], static_cast<std::size_t>(last - at)))
            : nullptr;
  };
  for (std::size_t k = 0; k < anchor.count; ++k) seek(k, first);

  // memchr runs at memory speed while the anchor is rare; a page that makes it common is
  // finished by Horspool, so the cost stays linear in the page whatever it holds.
  std::size_t misses = 0;
  for (;;) {
    std::size_t k = 0;
    if (anchor.count == 2 && next[1] && (!next[0] || next[1] < next[0])) k = 1;
    const char* hit = next[k];
    if (!hit) return std::string_view::npos;
    const char* start = hit - anchor.offset;
    if (MatchesAt(start, pattern, ignoreCase)) return static_cast<std::size_t>(start - base);
    if (++misses > 64 && misses * kDenseMiss > static_cast<std::size_t>(hit - first))
      return Horspool(text, pattern, static_cast<std::size_t>(start - base) + 1, ignoreCase);
    seek(k, hit + 1);
  }
}

}  // namespace

std::size_t FindCased(std::string_view text, std::string_view pattern, std::size_t from, bool ignoreCase) {
  return Search(text, pattern, from, ignoreCase);
}

std::size_t Find(std::string_view text, std::string_view pattern, std::size_t from) {
  return Search(text, pattern, from, false);
}

std::size_t FindIgnoringCase(std::string_view text, std::string_view pattern, std::size_t from) {
  return Search(text, pattern, from, true);
}

std::string_view After(std::string_view text, std::string_view marker) {
  const std::size_t at = Find(text, marker);
  return at == std::string_view::npos ? std::string_view() : text.substr(at + marker.size());
}

std::string_view Before(std::string_view text, std::string_view marker) {
  const std::size_t at = Find(text, marker);
  return at == std::string_view::npos ? std::string_view() : text.substr(0, at);
}

std::string LowerAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(FoldAscii(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace zelvo
