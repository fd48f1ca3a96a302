#include "MarkerScan.h"

#include "Text.h"

namespace zelvo {
namespace {

scan::ScanFn KernelFunction(ScanKernel kernel) {
  switch (RunningKernel(kernel)) {
#if defined(ZT_SCAN_SSSE3)
    case ScanKernel::Ssse3:
      return &scan::ScanSsse3;
#endif
#if defined(ZT_SCAN_AVX2)
    case ScanKernel::Avx2:
      return &scan::ScanAvx2;
#endif
    default:
      return nullptr;
  }
}

}  // namespace

static_assert(scan::kNotFound == std::string_view::npos);

MarkerHits FindMarkers(std::string_view text, const MarkerSet& set, ScanKernel kernel) {
  MarkerHits hits;
  std::array<bool, kMaxMarkers> handedOver{};
  const scan::ScanFn scanWith = KernelFunction(kernel);
  if (scanWith && text.size() >= scan::kWindow) {
    std::array<scan::ScanMarker, kMaxMarkers> markers{};
    for (std::size_t i = 0; i < set.count; ++i) {
      const Marker& m = set.markers[i];
      const auto* bytes = reinterpret_cast<const unsigned char*>(m.text.data());
      std::uint32_t fold = 0;
      for (std::size_t k = 0; k < 4; ++k) {
        const unsigned char c = FoldAscii(bytes[m.text.size() - 4 + k]);
        if (m.ignoreCase && c >= 'a' && c <= 'z') reinterpret_cast<unsigned char*>(&fold)[k] = 0x20;
      }
      const std::size_t size = m.text.size();
      markers[i] = {.text = bytes,
                    .size = size,
                    .window = set.window[i],
                    .tail = scan::LoadWord(bytes + size - 4) | fold,
                    .tailFold = fold,
                    .bucket = set.bucket[i],
                    .ignoreCase = m.ignoreCase};
    }
    const scan::ScanJob job{reinterpret_cast<const unsigned char*>(text.data()),
                            text.size(),
                            &set.tables,
                            markers.data(),
                            set.count,
                            set.membersOf.data(),
                            hits.at.data(),
                            handedOver.data()};
    scanWith(job);
  } else {
    for (std::size_t i = 0; i < set.count; ++i) {
      hits.at[i] = 0;
      handedOver[i] = true;
    }
  }
  // A marker handed back, or every marker without a vector scan, is looked for on its own.
  for (std::size_t i = 0; i < set.count; ++i)
    if (handedOver[i])
      hits.at[i] = FindCased(text, set.markers[i].text, hits.at[i], set.markers[i].ignoreCase);
  return hits;
}

}  // namespace zelvo
