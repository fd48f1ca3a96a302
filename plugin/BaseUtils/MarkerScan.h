// Finds where each of a fixed set of markers first occurs in a text, in one pass for the whole
// set: the page is read once for all the markers a step needs, not once per marker. The results
// are exactly those of Find, or FindIgnoringCase for a marker that ignores case, per marker.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

#include "ByteFrequency.h"
#include "Cp1251.h"
#include "SimdDispatch.h"
#include "SimdKernels.h"

namespace zelvo {

struct Marker {
  std::string_view text;
  bool ignoreCase = false;  // the 26 ASCII letters match in either case
};

inline constexpr std::size_t kMaxMarkers = 16;

// A set of markers with the tables of its scan, built by the compiler.
struct MarkerSet {
  std::array<Marker, kMaxMarkers> markers{};
  std::size_t count = 0;
  // Per marker: where its fingerprint (three bytes in a row) starts, and its bucket.
  std::array<std::uint8_t, kMaxMarkers> window{};
  std::array<std::uint8_t, kMaxMarkers> bucket{};
  // Per bucket: its markers, one bit per index.
  std::array<std::uint16_t, scan::kBuckets> members{};
  // Per combination of buckets (one bit each), the markers of all of them.
  std::array<std::uint16_t, 256> membersOf{};
  scan::Tables tables{};
};

// Where each marker of the set first occurs, by its index in the set; npos when it is absent.
struct MarkerHits {
  std::array<std::size_t, kMaxMarkers> at{};
  bool Found(std::size_t marker) const { return at[marker] != std::string_view::npos; }
};

MarkerHits FindMarkers(std::string_view text, const MarkerSet& set, ScanKernel kernel = ScanKernel::Best);

// Text of the kind that fills every page around the markers: markup, and the words of the
// service's pages. A fingerprint found in it would pass all over a page.
inline constexpr std::string_view kOrdinaryText =
    R"(<div class="file"><a href="/disk/"><span id="size" style="">)"
    R"(<script type="text/javascript" src="/js/"></script><img src="/i/" alt="" title="">)"
    R"(<input type="hidden" name="" value=""><form method="post" action=""><table><tr><td></td></tr>)"
    R"(<ul><li><p><br /><b></b><strong></strong></p></li></ul></div>&nbsp;&quot;&copy; http:// www. .html)"
    "Файл файлы Скачать скачивание Размер Загружен Пожалуйста подождите Каталог секунд МБ КБ"_ansi;

namespace scan {

// Three bytes in a row, letter case aside, as a slot of a small hashed table.
constexpr std::size_t TrigramSlot(const char* p) {
  const auto at = [p](std::size_t k) { return FoldAscii(static_cast<unsigned char>(p[k])); };
  return (at(0) * 961u + at(1) * 31u + at(2)) % 4096u;
}

// Which slots the three-byte runs of kOrdinaryText take.
inline constexpr std::array<std::uint64_t, 64> kOrdinaryTrigrams = [] {
  std::array<std::uint64_t, 64> slots{};
  for (std::size_t at = 0; at + kWindow <= kOrdinaryText.size(); ++at) {
    const std::size_t slot = TrigramSlot(kOrdinaryText.data() + at);
    slots[slot / 64] |= std::uint64_t{1} << (slot % 64);
  }
  return slots;
}();

// The marker's three bytes in a row that ordinary text lacks, the rarest bytes among them.
constexpr std::uint8_t ChooseWindow(const Marker& marker) {
  std::size_t best = 0;
  unsigned bestCost = ~0u;
  for (std::size_t w = 0; w + kWindow <= marker.text.size(); ++w) {
    const std::size_t slot = TrigramSlot(marker.text.data() + w);
    unsigned cost = (kOrdinaryTrigrams[slot / 64] >> (slot % 64)) & 1u ? 100u : 0u;
    for (std::size_t j = 0; j < kWindow; ++j)
      cost += KeyCost(static_cast<unsigned char>(marker.text[w + j]), marker.ignoreCase);
    if (cost < bestCost) {
      bestCost = cost;
      best = w;
    }
  }
  return static_cast<std::uint8_t>(best);
}

// How many byte triples a bucket's tables accept.
constexpr unsigned Accepted(const Tables& tables, std::uint8_t bit) {
  unsigned product = 1;
  for (std::size_t j = 0; j < kWindow; ++j) {
    unsigned lows = 0;
    unsigned highs = 0;
    for (std::size_t n = 0; n < 16; ++n) {
      lows += (tables.low[j][n] & bit) ? 1u : 0u;
      highs += (tables.high[j][n] & bit) ? 1u : 0u;
    }
    product *= lows * highs;
  }
  return product;
}

constexpr void AcceptWindow(Tables& tables, const Marker& marker, std::size_t window, std::uint8_t bit) {
  for (std::size_t j = 0; j < kWindow; ++j)
    AcceptByte(tables, j, static_cast<unsigned char>(marker.text[window + j]), marker.ignoreCase, bit);
}

}  // namespace scan

// Each marker keys on a fingerprint that ordinary text lacks, and joins the bucket whose tables
// accept the fewest new byte triples by it: an empty bucket, or one with the same fingerprint.
// The parts are joined in order: a marker's index in the set counts across them.
consteval MarkerSet MakeMarkerSet(std::initializer_list<std::span<const Marker>> parts) {
  MarkerSet set;
  for (const std::span<const Marker> part : parts) {
    for (const Marker& marker : part) {
      if (set.count == kMaxMarkers) throw "too many markers for one set";
      if (marker.text.size() < 4) throw "a marker needs at least four bytes";
      const std::size_t index = set.count++;
      set.markers[index] = marker;
      set.window[index] = scan::ChooseWindow(marker);
      unsigned bestGrowth = ~0u;
      for (std::uint8_t b = 0; b < scan::kBuckets; ++b) {
        const auto bit = static_cast<std::uint8_t>(1u << b);
        scan::Tables trial = set.tables;
        scan::AcceptWindow(trial, marker, set.window[index], bit);
        const unsigned before = set.members[b] ? scan::Accepted(set.tables, bit) : 0u;
        if (const unsigned growth = scan::Accepted(trial, bit) - before; growth < bestGrowth) {
          bestGrowth = growth;
          set.bucket[index] = b;
        }
      }
      set.members[set.bucket[index]] |= static_cast<std::uint16_t>(1u << index);
      scan::AcceptWindow(set.tables, marker, set.window[index],
                         static_cast<std::uint8_t>(1u << set.bucket[index]));
    }
  }
  for (std::size_t buckets = 0; buckets < set.membersOf.size(); ++buckets)
    for (std::size_t b = 0; b < scan::kBuckets; ++b)
      if (buckets & (1u << b)) set.membersOf[buckets] |= set.members[b];
  return set;
}

consteval MarkerSet MakeMarkerSet(std::span<const Marker> markers) { return MakeMarkerSet({markers}); }

}  // namespace zelvo
