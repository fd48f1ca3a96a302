// Built with SSSE3 for its byte shuffle; called only when the processor has it.
#include <tmmintrin.h>

#include "SimdKernels.h"

namespace zelvo::scan {
namespace {

struct Ssse3Ops {
  using V = __m128i;
  static constexpr std::size_t kWidth = 16;
  static V Load(const unsigned char* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
  static V Table(const std::uint8_t (&t)[16]) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(t)); }
  static V Broadcast(std::uint8_t b) { return _mm_set1_epi8(static_cast<char>(b)); }
  static V And(V a, V b) { return _mm_and_si128(a, b); }
  static V LowHalves(V v) { return _mm_and_si128(v, _mm_set1_epi8(15)); }
  static V HighHalves(V v) { return _mm_and_si128(_mm_srli_epi16(v, 4), _mm_set1_epi8(15)); }
  static V Lookup(V table, V index) { return _mm_shuffle_epi8(table, index); }
  static std::uint32_t NonZeroMask(V v) {
    return ~static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_setzero_si128()))) & 0xFFFFu;
  }
  static V Select(V mask, V first, V second) {
    const V keep = _mm_cmpeq_epi8(mask, _mm_setzero_si128());
    return _mm_or_si128(_mm_and_si128(keep, second), _mm_andnot_si128(keep, first));
  }
  static void Store(std::uint8_t* out, V v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(out), v); }
};

}  // namespace

void ScanSsse3(const ScanJob& job) { ScanWith<Ssse3Ops>(job); }

void ReplaceSsse3(unsigned char* text, std::size_t size, const ByteTables& tables,
                  unsigned char replacement) {
  ReplaceWith<Ssse3Ops>(text, size, tables, replacement);
}

}  // namespace zelvo::scan
