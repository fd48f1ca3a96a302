// The one-pass marker scan: every way it can run must give, for every marker, exactly what the
// plain search for that marker alone gives.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AnsiText.h"
#include "BaseUtils/MarkerScan.h"
#include "BaseUtils/Text.h"
#include "PageMarkers.h"

namespace zelvo::test {
namespace {

// More markers than buckets, sharing bytes and fingerprints, in both kinds of letter case.
constexpr std::array<Marker, 16> kCrowdedMarkers = {{
    {"abcd"},
    {"abce"},
    {"ABCD", true},
    {"xbcd", true},
    {"a-b-c-d"},
    {"dcba", true},
    {"aaaa"},
    {"aaab", true},
    {"bcd!"},
    {"zzzz"},
    {"0123456789"},
    {"=\"a\"="},
    {"abcdabcd"},
    {"q q q", true},
    {"cdab"},
    {"ab ab ab ab ab ab ab ab ab ab"},
}};
constexpr MarkerSet kCrowded = MakeMarkerSet(kCrowdedMarkers);

const ScanKernel kKernels[] = {ScanKernel::Best, ScanKernel::Plain, ScanKernel::Ssse3, ScanKernel::Avx2};

std::string KernelName(const testing::TestParamInfo<ScanKernel>& info) {
  switch (info.param) {
    case ScanKernel::Best:
      return "Best";
    case ScanKernel::Plain:
      return "Plain";
    case ScanKernel::Ssse3:
      return "Ssse3";
    case ScanKernel::Avx2:
      return "Avx2";
  }
  return "Unknown";
}

class MarkerScan : public testing::TestWithParam<ScanKernel> {
 protected:
  void SetUp() override {
    if (!KernelAvailable(GetParam())) GTEST_SKIP() << "this processor or build has no such scan";
  }

  // Compares the scan of the text with one search per marker.
  static void ExpectPlainResults(const std::string& text, const MarkerSet& set, const std::string& label) {
    const MarkerHits hits = FindMarkers(text, set, GetParam());
    for (std::size_t i = 0; i < set.count; ++i) {
      const Marker& m = set.markers[i];
      const std::size_t expected =
          m.ignoreCase ? LowerAscii(text).find(LowerAscii(m.text)) : text.find(std::string(m.text));
      ASSERT_EQ(hits.at[i], expected)
          << label << ", marker " << i << " (" << Readable(std::string(m.text)) << ")";
    }
  }
};

TEST_P(MarkerScan, FindsEachMarkerAtEveryOffsetAroundTheVectorWidths) {
  for (std::size_t i = 0; i < kPageMarkers.count; ++i) {
    const std::string marker(kPageMarkers.markers[i].text);
    for (std::size_t offset = 0; offset < 70; ++offset)
      for (const std::size_t after : {0u, 1u, 2u, 3u, 40u}) {
        const std::string text = std::string(offset, 'x') + marker + std::string(after, 'y');
        ExpectPlainResults(text, kPageMarkers,
                           "offset " + std::to_string(offset) + " after " + std::to_string(after));
      }
  }
}

TEST_P(MarkerScan, ShortTextsHoldNothingOrOnlyTheirOwnMarker) {
  for (const std::string text : {"", "a", "ab", "abc", "abcd", "ABCD", "abc\xFF"})
    ExpectPlainResults(text, kCrowded, "text \"" + text + "\"");
}

// Texts pieced together from the markers' fragments, their case flipped and their bytes bent,
// so that fingerprints pass far more often than on a real page, near matches abound and markers
// overlap; the dense ones hand markers back to their own searches part-way through.
TEST_P(MarkerScan, AgreesWithThePlainSearchesOnTextsMadeOfMarkerFragments) {
  unsigned seed = 4711;
  const auto next = [&seed] { return seed = seed * 1103515245u + 12345u, seed >> 8; };
  for (const MarkerSet* set : {&kCrowded, &kPageMarkers}) {
    for (int round = 0; round < 300; ++round) {
      std::string text;
      const std::size_t length = round % 10 == 0 ? 20000 : next() % 400;
      while (text.size() < length) {
        const std::string_view marker = set->markers[next() % set->count].text;
        std::string piece(marker.substr(next() % marker.size()).substr(0, 1 + next() % marker.size()));
        if (next() % 4 == 0)
          for (char& c : piece) c = static_cast<char>(c ^ 0x20);
        if (next() % 4 == 0) piece[next() % piece.size()] = static_cast<char>(next());
        text += next() % 8 == 0 ? std::string(marker) : piece;
        if (next() % 3 == 0) text += static_cast<char>(next());
      }
      ExpectPlainResults(text, *set, "round " + std::to_string(round));
    }
  }
}

TEST_P(MarkerScan, ManyNearMatchesBeforeTheMarkerStillFindIt) {
  std::string text;
  for (int i = 0; i < 20000; ++i) text += W("Файл удале");
  text += W("Файл удален") + W("Файл заблокирован");
  ExpectPlainResults(text, kPageMarkers, "near matches");
}

INSTANTIATE_TEST_SUITE_P(Kernels, MarkerScan, testing::ValuesIn(kKernels), KernelName);

TEST(MarkerSet, EachMarkerPassesItsOwnFingerprint) {
  for (const MarkerSet* set : {&kCrowded, &kPageMarkers})
    for (std::size_t i = 0; i < set->count; ++i) {
      const auto* window =
          reinterpret_cast<const unsigned char*>(set->markers[i].text.data()) + set->window[i];
      EXPECT_TRUE(scan::Fingerprint(set->tables, window) & (1u << set->bucket[i])) << "marker " << i;
      EXPECT_TRUE(set->members[set->bucket[i]] & (1u << i)) << "marker " << i;
    }
}

}  // namespace
}  // namespace zelvo::test
