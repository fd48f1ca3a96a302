// The vector loops on any text, in every way this processor offers: the one-pass marker scan
// against one plain search per marker, and the byte class replacement against the plain loop.
// Input: the text itself.
#include <string>
#include <string_view>

#include "BaseUtils/ByteClass.h"
#include "BaseUtils/MarkerScan.h"
#include "BaseUtils/Text.h"
#include "FuzzHost.h"
#include "PageMarkers.h"

namespace {

// Controls, and the bytes of a few scattered groups, as a file name's forbidden bytes are.
constexpr zelvo::ByteClass kScattered = zelvo::MakeByteClass(
    [](unsigned char c) { return c < 32 || c == '"' || c == '*' || c == '|' || c == 0x98 || c >= 0xFE; });

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelvo;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::string plain(text);
  ReplaceBytes(plain, kScattered, '_', ScanKernel::Plain);
  for (const ScanKernel kernel : {ScanKernel::Best, ScanKernel::Ssse3, ScanKernel::Avx2}) {
    if (!KernelAvailable(kernel)) continue;
    std::string replaced(text);
    ReplaceBytes(replaced, kScattered, '_', kernel);
    fuzz::Require(replaced == plain, "the vector replacement changes exactly the bytes of the class");
    const MarkerHits hits = FindMarkers(text, kPageMarkers, kernel);
    for (std::size_t i = 0; i < kPageMarkers.count; ++i) {
      const Marker& marker = kPageMarkers.markers[i];
      fuzz::Require(hits.at[i] == FindCased(text, marker.text, 0, marker.ignoreCase),
                    "the scan finds each marker where its own search does", marker.text);
    }
  }
  return 0;
}
