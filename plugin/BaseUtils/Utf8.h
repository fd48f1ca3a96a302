// UTF-8 encoding and decoding for the stand-in conversions.
#pragma once

#include <string>
#include <string_view>

namespace zelvo {

inline void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Decodes the character at p and moves p past it; a malformed sequence (its longest valid
// beginning, or one bad byte) is U+FFFD. Overlong forms, surrogates and values past U+10FFFF are
// malformed. p must be before end.
inline char32_t DecodeOneUtf8(const unsigned char*& p, const unsigned char* end) {
  const unsigned char lead = *p++;
  if (lead < 0x80) return lead;
  std::size_t need = 0;
  char32_t cp = 0;
  unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    need = 1;
    cp = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    need = 2;
    cp = lead & 0x0Fu;
    if (lead == 0xE0) lo = 0xA0;
    if (lead == 0xED) hi = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    need = 3;
    cp = lead & 0x07u;
    if (lead == 0xF0) lo = 0x90;
    if (lead == 0xF4) hi = 0x8F;
  } else {
    return kReplacementCharacter;
  }
  for (std::size_t got = 0; got < need; ++got) {
    if (p == end) return kReplacementCharacter;
    const unsigned char c = *p;
    if (got == 0 ? (c < lo || c > hi) : (c & 0xC0) != 0x80) return kReplacementCharacter;
    cp = (cp << 6) | (c & 0x3Fu);
    ++p;
  }
  return cp;
}

// Calls emit for each character of the text, decoded as DecodeOneUtf8 does.
template <class Emit>
void DecodeUtf8(std::string_view text, Emit&& emit) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const auto* const end = p + text.size();
  while (p < end) emit(DecodeOneUtf8(p, end));
}

}  // namespace zelvo
