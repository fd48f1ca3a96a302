// The vector loops: every way they can run must give exactly what the plain loops give. The
// marker scan must find each marker where the plain search for it alone does; the byte class
// replacement must change exactly the bytes of the class.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AnsiText.h"
#include "BaseUtils/ByteClass.h"
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

class VectorLoop : public testing::TestWithParam<ScanKernel> {
 protected:
  void SetUp() override {
    if (!KernelAvailable(GetParam())) GTEST_SKIP() << "this processor or build has no such loop";
  }
};

class MarkerScan : public VectorLoop {
 protected:
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

constexpr auto kIsOddControl = [](unsigned char c) { return c < 32 && c % 2 == 1; };
constexpr auto kIsSpread = [](unsigned char c) {
  return c == '_' || c == 0xFF || c == 0x80 || (c >= 'a' && c <= 'f');
};
constexpr ByteClass kOddControls = MakeByteClass(kIsOddControl);
constexpr ByteClass kSpread = MakeByteClass(kIsSpread);

// A plain loop over the class's own definition, for comparison.
template <class Member>
std::string Replaced(std::string text, Member member, char with) {
  for (char& c : text)
    if (member(static_cast<unsigned char>(c))) c = with;
  return text;
}

TEST(ByteClassTables, HoldTheirSetExactly) {
  for (unsigned c = 0; c < 256; ++c) {
    const auto b = static_cast<unsigned char>(c);
    EXPECT_EQ(InClass(kOddControls, b), kIsOddControl(b)) << c;
    EXPECT_EQ(InClass(kSpread, b), kIsSpread(b)) << c;
  }
}

class ReplaceBytesIn : public VectorLoop {};

TEST_P(ReplaceBytesIn, ChangesExactlyTheBytesOfTheClassWhateverTheLength) {
  unsigned seed = 99;
  const auto next = [&seed] { return seed = seed * 1103515245u + 12345u, seed >> 8; };
  for (std::size_t length = 0; length < 200; ++length) {
    std::string text(length, '\0');
    for (char& c : text) c = static_cast<char>(next());
    std::string odd = text;
    ReplaceBytes(odd, kOddControls, '#', GetParam());
    ASSERT_EQ(odd, Replaced(text, kIsOddControl, '#')) << length;
    std::string spread = text;
    ReplaceBytes(spread, kSpread, 'x', GetParam());
    ASSERT_EQ(spread, Replaced(text, kIsSpread, 'x')) << length;
  }
}

INSTANTIATE_TEST_SUITE_P(Kernels, ReplaceBytesIn, testing::ValuesIn(kKernels), KernelName);

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
