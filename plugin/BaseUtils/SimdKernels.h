// The vector loops, for every width: the marker scan and the replacement of a class of bytes.
//
// In the marker scan each marker keys on three bytes in a row (its fingerprint); a text position
// passes when each of the three bytes is accepted for a common bucket, looked up by its low and
// its high half-byte (16-entry tables). Only the positions that pass are compared with markers.
//
// This header is included by translation units built for wider instruction sets, so it holds
// nothing that the linker could share with the rest of the plug-in: no library templates.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zelvo::scan {

inline constexpr std::size_t kWindow = 3;
inline constexpr std::size_t kBuckets = 8;

struct Tables {
  std::uint8_t low[kWindow][16];
  std::uint8_t high[kWindow][16];
};

// Makes a fingerprint position of a bucket accept a byte: both cases of a letter when case does
// not count.
static constexpr void AcceptByte(Tables& t, std::size_t position, unsigned char byte, bool ignoreCase,
                                 std::uint8_t bit) {
  const bool letter = ignoreCase && ((byte | 0x20u) - 'a') < 26u;
  const unsigned char lower = letter ? static_cast<unsigned char>(byte | 0x20u) : byte;
  const unsigned char upper = letter ? static_cast<unsigned char>(lower - 0x20u) : byte;
  t.low[position][lower & 15u] = static_cast<std::uint8_t>(t.low[position][lower & 15u] | bit);
  t.high[position][lower >> 4] = static_cast<std::uint8_t>(t.high[position][lower >> 4] | bit);
  t.low[position][upper & 15u] = static_cast<std::uint8_t>(t.low[position][upper & 15u] | bit);
  t.high[position][upper >> 4] = static_cast<std::uint8_t>(t.high[position][upper >> 4] | bit);
}

// The buckets that accept the three bytes at p.
static inline std::uint8_t Fingerprint(const Tables& t, const unsigned char* p) {
  std::uint8_t buckets = 0xFF;
  for (std::size_t j = 0; j < kWindow; ++j)
    buckets = static_cast<std::uint8_t>(buckets & t.low[j][p[j] & 15u] & t.high[j][p[j] >> 4]);
  return buckets;
}

inline constexpr std::size_t kNotFound = ~std::size_t{0};

// One marker as the scan sees it.
struct ScanMarker {
  const unsigned char* text;
  std::size_t size;    // at least 4
  std::size_t window;  // where its fingerprint starts in it
  // Its last four bytes as one word, with 0x20 set in the bytes of letters when case does not
  // count, and that 0x20 mask: a cheap first comparison that most near matches fail.
  std::uint32_t tail;
  std::uint32_t tailFold;
  std::uint8_t bucket;
  bool ignoreCase;
};

static inline std::uint32_t LoadWord(const unsigned char* p) {
  std::uint32_t word;
  __builtin_memcpy(&word, p, sizeof word);
  return word;
}

// A marker whose fingerprint passes at least once in this many bytes without the marker being
// there is handed back to be looked for on its own, whose search stays linear however often it
// nearly matches; past the first 64 misses only.
inline constexpr std::size_t kDenseMiss = 16;
inline constexpr std::size_t kMissesBeforeHandover = 64;

struct ScanJob {
  const unsigned char* text;
  std::size_t size;  // at least kWindow
  const Tables* tables;
  const ScanMarker* markers;
  std::size_t count;               // at most 16
  const std::uint16_t* membersOf;  // per combination of buckets, their markers as bits
  // Out, per marker: where it first starts, or kNotFound; when handedOver, where its own search
  // must start instead (every earlier start has been compared).
  std::size_t* at;
  bool* handedOver;
};

using ScanFn = void (*)(const ScanJob& job);

void ScanSsse3(const ScanJob& job);
void ScanAvx2(const ScanJob& job);

// A set of byte values: a byte belongs when its entries in the two half-byte tables share a bit.
struct ByteTables {
  std::uint8_t low[16];
  std::uint8_t high[16];
};

static constexpr bool InClass(const ByteTables& c, unsigned char b) {
  return (c.low[b & 15u] & c.high[b >> 4]) != 0;
}

// Every byte of the class in text[0, size) becomes the replacement.
void ReplaceSsse3(unsigned char* text, std::size_t size, const ByteTables& tables, unsigned char replacement);
void ReplaceAvx2(unsigned char* text, std::size_t size, const ByteTables& tables, unsigned char replacement);

// Tables for the pending markers only: once a marker is found, its near matches stop passing.
static inline void RebuildTables(const ScanJob& job, std::uint16_t pending, Tables& t) {
  t = Tables{};
  for (unsigned markers = pending; markers; markers &= markers - 1) {
    const ScanMarker& m = job.markers[__builtin_ctz(markers)];
    for (std::size_t j = 0; j < kWindow; ++j)
      AcceptByte(t, j, m.text[m.window + j], m.ignoreCase, static_cast<std::uint8_t>(1u << m.bucket));
  }
}

static inline std::uint8_t ActiveBuckets(const ScanJob& job, std::uint16_t pending) {
  std::uint8_t active = 0;
  for (std::size_t b = 0; b < kBuckets; ++b)
    if (job.membersOf[1u << b] & pending) active = static_cast<std::uint8_t>(active | (1u << b));
  return active;
}

static inline bool MarkerStartsAt(const ScanMarker& m, const unsigned char* at) {
  if ((LoadWord(at + m.size - 4) | m.tailFold) != m.tail) return false;
  for (std::size_t k = m.size - 4; k-- > 0;) {
    unsigned a = at[k];
    unsigned b = m.text[k];
    if (m.ignoreCase) {
      a = a - 'A' < 26u ? a + 32u : a;
      b = b - 'A' < 26u ? b + 32u : b;
    }
    if (a != b) return false;
  }
  return true;
}

// Compares the markers of the buckets that passed at a text position; drops every marker that is
// found or handed back from `pending`.
static inline bool CheckCandidate(const ScanJob& job, std::size_t position, std::uint8_t buckets,
                                  std::uint16_t& pending, std::size_t* misses) {
  bool dropped = false;
  for (unsigned markers = job.membersOf[buckets] & pending; markers; markers &= markers - 1) {
    const auto i = static_cast<std::size_t>(__builtin_ctz(markers));
    const ScanMarker& m = job.markers[i];
    if (position < m.window) continue;
    const std::size_t start = position - m.window;
    if (m.size > job.size - start) continue;
    if (MarkerStartsAt(m, job.text + start)) {
      job.at[i] = start;
    } else if (++misses[i] > kMissesBeforeHandover && misses[i] * kDenseMiss > position) {
      job.at[i] = start + 1;
      job.handedOver[i] = true;
    } else {
      continue;
    }
    pending = static_cast<std::uint16_t>(pending & ~(1u << i));
    dropped = true;
  }
  return dropped;
}

// Ops: the vector type V, its width, and Load, Table, Broadcast, And, LowHalves, HighHalves,
// Lookup (a 16-entry table per lane), NonZeroMask (one bit per non-zero byte), Store, and
// Select (per byte: the first value where the mask is non-zero, else the second).
template <class Ops>
static inline void ScanWith(const ScanJob& job) {
  using V = typename Ops::V;
  Tables t = *job.tables;
  V low[kWindow];
  V high[kWindow];
  const auto loadTables = [&] {
    for (std::size_t j = 0; j < kWindow; ++j) {
      low[j] = Ops::Table(t.low[j]);
      high[j] = Ops::Table(t.high[j]);
    }
  };
  loadTables();
  std::size_t misses[16] = {};
  for (std::size_t i = 0; i < job.count; ++i) {
    job.at[i] = kNotFound;
    job.handedOver[i] = false;
  }
  auto pending = static_cast<std::uint16_t>((1u << job.count) - 1);
  std::uint8_t active = ActiveBuckets(job, pending);
  V wanted = Ops::Broadcast(active);
  const std::size_t end = job.size - kWindow + 1;  // positions where a fingerprint fits
  std::size_t x = 0;
  for (; active && x + Ops::kWidth <= end; x += Ops::kWidth) {
    V passed = wanted;
    for (std::size_t j = 0; j < kWindow; ++j) {
      const V bytes = Ops::Load(job.text + x + j);
      passed = Ops::And(passed, Ops::And(Ops::Lookup(low[j], Ops::LowHalves(bytes)),
                                         Ops::Lookup(high[j], Ops::HighHalves(bytes))));
    }
    std::uint32_t mask = Ops::NonZeroMask(passed);
    if (!mask) continue;
    std::uint8_t lanes[Ops::kWidth];
    Ops::Store(lanes, passed);
    for (; mask && active; mask &= mask - 1) {
      const auto k = static_cast<std::size_t>(__builtin_ctz(mask));
      if (CheckCandidate(job, x + k, static_cast<std::uint8_t>(lanes[k] & active), pending, misses)) {
        active = ActiveBuckets(job, pending);
        wanted = Ops::Broadcast(active);
        RebuildTables(job, pending, t);
        loadTables();
      }
    }
  }
  // The last positions, too few for a vector.
  for (; active && x < end; ++x) {
    if (const auto b = static_cast<std::uint8_t>(Fingerprint(t, job.text + x) & active)) {
      if (CheckCandidate(job, x, b, pending, misses)) {
        active = ActiveBuckets(job, pending);
        RebuildTables(job, pending, t);
      }
    }
  }
}

template <class Ops>
static inline void ReplaceWith(unsigned char* text, std::size_t size, const ByteTables& c,
                               unsigned char replacement) {
  using V = typename Ops::V;
  const V low = Ops::Table(c.low);
  const V high = Ops::Table(c.high);
  const V with = Ops::Broadcast(replacement);
  std::size_t x = 0;
  for (; x + Ops::kWidth <= size; x += Ops::kWidth) {
    const V bytes = Ops::Load(text + x);
    const V hit =
        Ops::And(Ops::Lookup(low, Ops::LowHalves(bytes)), Ops::Lookup(high, Ops::HighHalves(bytes)));
    if (Ops::NonZeroMask(hit)) Ops::Store(text + x, Ops::Select(hit, with, bytes));
  }
  for (; x < size; ++x)
    if (InClass(c, text[x])) text[x] = replacement;
}

}  // namespace zelvo::scan
