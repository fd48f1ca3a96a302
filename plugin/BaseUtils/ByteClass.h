// Classes of byte values, replaced in a text 16 or 32 bytes at a time where the processor can.
#pragma once

#include <cstdint>
#include <string>

#include "SimdDispatch.h"
#include "SimdKernels.h"

namespace zelvo {

struct ByteClass {
  scan::ByteTables tables{};
};

// The class of the bytes for which member(byte) holds. Bytes of a high half-byte that share
// their low half-bytes share a table bit, so the tables hold the set exactly; a set that would
// need more than 8 such groups stops the build.
template <class Member>
consteval ByteClass MakeByteClass(Member member) {
  ByteClass c;
  std::uint16_t groups[8] = {};
  std::size_t used = 0;
  for (unsigned high = 0; high < 16; ++high) {
    std::uint16_t lows = 0;
    for (unsigned low = 0; low < 16; ++low)
      if (member(static_cast<unsigned char>(high << 4 | low)))
        lows = static_cast<std::uint16_t>(lows | 1u << low);
    if (!lows) continue;
    std::size_t group = 0;
    while (group < used && groups[group] != lows) ++group;
    if (group == used) {
      if (used == 8) throw "the byte class needs more than 8 groups";
      groups[used++] = lows;
    }
    const auto bit = static_cast<std::uint8_t>(1u << group);
    c.tables.high[high] = static_cast<std::uint8_t>(c.tables.high[high] | bit);
    for (unsigned low = 0; low < 16; ++low)
      if (lows & (1u << low)) c.tables.low[low] = static_cast<std::uint8_t>(c.tables.low[low] | bit);
  }
  return c;
}

constexpr bool InClass(const ByteClass& c, unsigned char byte) { return scan::InClass(c.tables, byte); }

// Every byte of the class in the text becomes the replacement.
void ReplaceBytes(std::string& text, const ByteClass& c, char replacement,
                  ScanKernel kernel = ScanKernel::Best);

}  // namespace zelvo
