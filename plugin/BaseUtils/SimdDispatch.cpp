#include "SimdDispatch.h"

namespace zelvo {
namespace {

bool Supported(ScanKernel kernel) {
#if defined(ZT_SCAN_SSSE3) || defined(ZT_SCAN_AVX2)
  __builtin_cpu_init();
#endif
  switch (kernel) {
    case ScanKernel::Ssse3:
#if defined(ZT_SCAN_SSSE3)
      return __builtin_cpu_supports("ssse3");
#else
      return false;
#endif
    case ScanKernel::Avx2:
#if defined(ZT_SCAN_AVX2)
      return __builtin_cpu_supports("avx2");
#else
      return false;
#endif
    case ScanKernel::Best:
    case ScanKernel::Plain:
      return true;
  }
  return false;
}

}  // namespace

bool KernelAvailable(ScanKernel kernel) { return Supported(kernel); }

ScanKernel RunningKernel(ScanKernel kernel) {
  if (kernel == ScanKernel::Best) {
    if (Supported(ScanKernel::Avx2)) return ScanKernel::Avx2;
    if (Supported(ScanKernel::Ssse3)) return ScanKernel::Ssse3;
    return ScanKernel::Plain;
  }
  return Supported(kernel) ? kernel : ScanKernel::Plain;
}

}  // namespace zelvo
