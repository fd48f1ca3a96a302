// Windows-1251, the code page of every text of the plug-in: the byte table, single-character
// conversion both ways, and the compile-time converter that turns the UTF-8 literals of the
// source into Windows-1251 (an unmappable character there is a compile error).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zelvo::cp1251 {

// Code points of the bytes 0x80..0xFF. 0x98 has no character of its own and stands for U+0098,
// as the system's own table has it.
inline constexpr std::array<char16_t, 128> kHighBytes = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,  // C0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,  // C8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,  // D0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,  // D8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,  // E0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,  // E8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,  // F0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,  // F8
};

constexpr char16_t ToUnicode(unsigned char byte) {
  return byte < 0x80 ? char16_t{byte} : kHighBytes[byte - 0x80u];
}

// The byte of a code point, or -1 when Windows-1251 has no form for it (no best fit).
constexpr int FromUnicode(char32_t codePoint) {
  if (codePoint < 0x80) return static_cast<int>(codePoint);
  for (std::size_t i = 0; i < kHighBytes.size(); ++i)
    if (kHighBytes[i] == codePoint) return static_cast<int>(0x80 + i);
  return -1;
}

// Page-wise reverse table, so that converting a large page costs one lookup per character.
struct ReverseTable {
  // Only these Unicode pages hold characters of the code page: Latin-1, Cyrillic, punctuation,
  // letterlike symbols.
  static constexpr std::array<char32_t, 4> kPages = {0x00, 0x04, 0x20, 0x21};  // bytes[1]: Cyrillic
  std::array<std::array<int16_t, 256>, 4> bytes{};

  constexpr ReverseTable() {
    for (auto& page : bytes) page.fill(-1);
    for (unsigned b = 0; b < 256; ++b) {
      const char32_t cp = ToUnicode(static_cast<unsigned char>(b));
      for (std::size_t p = 0; p < kPages.size(); ++p)
        if ((cp >> 8) == kPages[p]) bytes[p][cp & 0xFF] = static_cast<int16_t>(b);
    }
  }
  constexpr int Lookup(char32_t cp) const {
    for (std::size_t p = 0; p < kPages.size(); ++p)
      if ((cp >> 8) == kPages[p]) return bytes[p][cp & 0xFF];
    return -1;
  }
};
inline constexpr ReverseTable kReverse{};

// The capital of a byte: ASCII and Cyrillic letters, as the system's locale upper-cases them.
constexpr unsigned char UpperByte(unsigned char byte) {
  if (byte >= 'a' && byte <= 'z') return static_cast<unsigned char>(byte - 32);
  const char16_t cp = ToUnicode(byte);
  char16_t upper = cp;
  if (cp >= 0x0430 && cp <= 0x044F)
    upper = static_cast<char16_t>(cp - 0x20);
  else if (cp >= 0x0450 && cp <= 0x045F)
    upper = static_cast<char16_t>(cp - 0x50);
  else if (cp == 0x0491)
    upper = 0x0490;
  const int b = kReverse.Lookup(upper);
  return b < 0 ? byte : static_cast<unsigned char>(b);
}

// ---- compile-time conversion of the source's UTF-8 literals ----

template <std::size_t N>
struct Utf8Literal {
  char text[N]{};
  consteval Utf8Literal(const char (&s)[N]) {
    for (std::size_t i = 0; i < N; ++i) text[i] = s[i];
  }
};

template <std::size_t N>
struct AnsiLiteral {
  char text[N]{};  // Windows-1251 never needs more bytes than UTF-8
  std::size_t size = 0;
  constexpr std::string_view view() const { return {text, size}; }
};

// Throwing here makes the literal ill-formed: the build stops at a broken or unmappable text.
template <std::size_t N>
consteval AnsiLiteral<N> ConvertLiteral(const char (&utf8)[N]) {
  AnsiLiteral<N> out;
  std::size_t i = 0;
  while (i + 1 < N) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    char32_t cp = 0;
    std::size_t len = 0;
    if (lead < 0x80) {
      cp = lead;
      len = 1;
    } else if ((lead & 0xE0) == 0xC0) {
      cp = lead & 0x1Fu;
      len = 2;
    } else if ((lead & 0xF0) == 0xE0) {
      cp = lead & 0x0Fu;
      len = 3;
    } else {
      throw "the literal holds a character that Windows-1251 cannot hold";
    }
    if (i + len >= N) throw "the literal is not valid UTF-8";
    for (std::size_t k = 1; k < len; ++k) {
      const auto cont = static_cast<unsigned char>(utf8[i + k]);
      if ((cont & 0xC0) != 0x80) throw "the literal is not valid UTF-8";
      cp = (cp << 6) | (cont & 0x3Fu);
    }
    const int b = FromUnicode(cp);
    if (b < 0) throw "the literal holds a character that Windows-1251 cannot hold";
    out.text[out.size++] = static_cast<char>(b);
    i += len;
  }
  return out;
}

template <Utf8Literal S>
inline constexpr auto kAnsiStorage = ConvertLiteral(S.text);

}  // namespace zelvo::cp1251

namespace zelvo {

// "Файл удален"_ansi: the text in Windows-1251, converted and checked by the compiler.
template <cp1251::Utf8Literal S>
consteval std::string_view operator""_ansi() {
  return cp1251::kAnsiStorage<S>.view();
}

}  // namespace zelvo
