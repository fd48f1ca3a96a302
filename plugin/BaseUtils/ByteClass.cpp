#include "ByteClass.h"

#include <span>

namespace zelvo {

void ReplaceBytes(std::string& text, const ByteClass& c, char replacement, ScanKernel kernel) {
  auto* bytes = reinterpret_cast<unsigned char*>(text.data());
  const auto with = static_cast<unsigned char>(replacement);
  switch (RunningKernel(kernel)) {
#if defined(ZT_SCAN_SSSE3)
    case ScanKernel::Ssse3:
      return scan::ReplaceSsse3(bytes, text.size(), c.tables, with);
#endif
#if defined(ZT_SCAN_AVX2)
    case ScanKernel::Avx2:
      return scan::ReplaceAvx2(bytes, text.size(), c.tables, with);
#endif
    default:
      for (unsigned char& b : std::span(bytes, text.size()))
        if (InClass(c, b)) b = with;
  }
}

}  // namespace zelvo
