// Roughly how common a byte is on the service's pages (HTML around Russian text in Windows-1251,
// or in UTF-8): 0 rare, 9 everywhere. It only decides which bytes of a marker a search keys on.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace zelvo {

inline constexpr std::array<std::uint8_t, 256> kByteFrequency = [] {
  std::array<std::uint8_t, 256> f{};
  const auto set = [&f](std::string_view bytes, std::uint8_t rank) {
    for (const char c : bytes) f[static_cast<unsigned char>(c)] = rank;
  };
  for (unsigned c = 'A'; c <= 'Z'; ++c) f[c] = 2;
  set("0123456789", 3);
  set("23456789", 2);
  set("jqxz", 1);
  set("bgkwy", 3);
  set("fmpuv", 5);
  set("cdhl", 6);
  set("aeinorst", 8);
  set(".,:;-_#&%()", 5);
  set(" <>\"=/\n\t", 9);
  // Cyrillic in Windows-1251: capitals are rare, small letters by their frequency in Russian.
  for (unsigned c = 0xC0; c <= 0xDF; ++c) f[c] = 2;
  set("\xEE\xE5\xE0\xE8\xED\xF2\xF1", 8);              // о е а и н т с
  set("\xF0\xE2\xEB\xEA\xEC\xE4\xEF\xF3", 7);          // р в л к м д п у
  set("\xFF\xFB\xFC\xE3\xE7\xE1\xF7", 5);              // я ы ь г з б ч
  set("\xE9\xF5\xE6\xF8\xFE\xF6\xF9\xFD\xF4\xFA", 3);  // й х ж ш ю ц щ э ф ъ
  // In UTF-8, Cyrillic is a lead byte D0 or D1 and a continuation byte.
  for (unsigned c = 0x80; c <= 0xBF; ++c)
    if (f[c] < 6) f[c] = 6;
  f[0xD0] = f[0xD1] = 9;
  return f;
}();

inline constexpr unsigned char FoldAscii(unsigned char c) {
  return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
}

// The cost of keying a search on a byte: its frequency, for both cases of a letter when case
// does not count.
constexpr unsigned KeyCost(unsigned char byte, bool ignoreCase) {
  const unsigned char lower = ignoreCase ? FoldAscii(byte) : byte;
  if (!ignoreCase || lower < 'a' || lower > 'z') return kByteFrequency[lower] + 1u;
  return kByteFrequency[lower] + kByteFrequency[lower - ('a' - 'A')] + 2u;
}

}  // namespace zelvo
