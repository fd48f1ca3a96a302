// Which vector loops this processor can run. Each loop is built for its instruction set only
// (SimdSsse3.cpp, SimdAvx2.cpp) and called only when the processor has it.
#pragma once

namespace zelvo {

// Best is the widest this processor offers; the others exist so that the tests can hold every
// way against the plain byte loops and searches.
enum class ScanKernel { Best, Plain, Ssse3, Avx2 };

bool KernelAvailable(ScanKernel kernel);

// The kernel that runs for the one asked for: Best resolved, one this processor lacks as Plain.
ScanKernel RunningKernel(ScanKernel kernel);

}  // namespace zelvo
