// The one-pass marker scan on any text, in every way this processor offers, against one plain
// search per marker. Input: the text itself.
#include <string_view>

#include "BaseUtils/MarkerScan.h"
#include "BaseUtils/Text.h"
#include "FuzzHost.h"
#include "PageMarkers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelvo;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const ScanKernel kernel : {ScanKernel::Best, ScanKernel::Ssse3, ScanKernel::Avx2}) {
    if (!KernelAvailable(kernel)) continue;
    const MarkerHits hits = FindMarkers(text, kPageMarkers, kernel);
    for (std::size_t i = 0; i < kPageMarkers.count; ++i) {
      const Marker& marker = kPageMarkers.markers[i];
      fuzz::Require(hits.at[i] == FindCased(text, marker.text, 0, marker.ignoreCase),
                    "the scan finds each marker where its own search does", marker.text);
    }
  }
  return 0;
}
