// Built with AVX2; called only when the processor has it. Not on Windows, where the compiler
// cannot rely on the 32-byte stack alignment that spilled 256-bit values would need.
#include <immintrin.h>

#include "SimdKernels.h"

namespace zelvo::scan {
namespace {

struct Avx2Ops {
  using V = __m256i;
  static constexpr std::size_t kWidth = 32;
  static V Load(const unsigned char* p) { return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)); }
  // The shuffle looks up within each 16-byte lane, so both lanes get the table.
  static V Table(const std::uint8_t (&t)[16]) {
    return _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(t)));
  }
  static V Broadcast(std::uint8_t b) { return _mm256_set1_epi8(static_cast<char>(b)); }
  static V And(V a, V b) { return _mm256_and_si256(a, b); }
  static V LowHalves(V v) { return _mm256_and_si256(v, _mm256_set1_epi8(15)); }
  static V HighHalves(V v) { return _mm256_and_si256(_mm256_srli_epi16(v, 4), _mm256_set1_epi8(15)); }
  static V Lookup(V table, V index) { return _mm256_shuffle_epi8(table, index); }
  static std::uint32_t NonZeroMask(V v) {
    return ~static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(v, _mm256_setzero_si256())));
  }
  static V Select(V mask, V first, V second) {
    const V keep = _mm256_cmpeq_epi8(mask, _mm256_setzero_si256());
    return _mm256_or_si256(_mm256_and_si256(keep, second), _mm256_andnot_si256(keep, first));
  }
  static void Store(std::uint8_t* out, V v) { _mm256_storeu_si256(reinterpret_cast<__m256i*>(out), v); }
};

}  // namespace

void ScanAvx2(const ScanJob& job) { ScanWith<Avx2Ops>(job); }

void ReplaceAvx2(unsigned char* text, std::size_t size, const ByteTables& tables, unsigned char replacement) {
  ReplaceWith<Avx2Ops>(text, size, tables, replacement);
}

}  // namespace zelvo::scan
