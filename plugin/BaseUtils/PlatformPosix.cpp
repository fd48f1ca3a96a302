// The stand-in for the Windows calls, for the native build: the ANSI code page is always 1251.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>

#include "Cp1251.h"
#include "Platform.h"
#include "Utf8.h"

namespace zelvo::platform {

unsigned AnsiCodePage() { return 1251; }

std::string AnsiToUtf8(std::string_view ansi) {
  std::string out;
  out.reserve(ansi.size());
  for (const char c : ansi) AppendUtf8(out, cp1251::ToUnicode(static_cast<unsigned char>(c)));
  return out;
}

std::string Utf8ToAnsi(std::string_view utf8) {
  // Never longer: every character takes at least as many bytes in UTF-8 as it gives here.
  std::string out(utf8.size(), '\0');
  auto* to = reinterpret_cast<unsigned char*>(out.data());
  const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
  const auto* const end = p + utf8.size();
  while (p < end) {
    // The two common cases inline: ASCII, eight bytes at a time where it can, and Cyrillic.
    if (end - p >= 8) {
      std::uint64_t word;
      std::memcpy(&word, p, 8);
      if ((word & 0x8080808080808080u) == 0) {
        std::memcpy(to, &word, 8);
        p += 8;
        to += 8;
        continue;
      }
    }
    if (*p < 0x80) {
      *to++ = *p++;
      continue;
    }
    // A run of Cyrillic letters stays in this loop; the blank or sign after a word takes one
    // step of the one above.
    if ((*p == 0xD0 || *p == 0xD1) && end - p >= 2 && (p[1] & 0xC0) == 0x80) {
      do {
        const int b = cp1251::kReverse.bytes[1][((*p & 0x03u) << 6) | (p[1] & 0x3Fu)];
        *to++ = b < 0 ? '?' : static_cast<unsigned char>(b);
        p += 2;
      } while (end - p >= 2 && (*p == 0xD0 || *p == 0xD1) && (p[1] & 0xC0) == 0x80);
      continue;
    }
    if (*p < 0xC2 || *p > 0xF4) {  // a byte that cannot start a character
      *to++ = '?';
      ++p;
      continue;
    }
    const char32_t cp = DecodeOneUtf8(p, end);
    if (cp == kReplacementCharacter) {
      *to++ = '?';
      continue;
    }
    if (cp > 0xFFFF) {
      // Windows goes through UTF-16: one "?" for each half of the surrogate pair.
      *to++ = '?';
      *to++ = '?';
      continue;
    }
    const int b = cp1251::kReverse.Lookup(cp);
    *to++ = b < 0 ? '?' : static_cast<unsigned char>(b);
  }
  out.resize(static_cast<std::size_t>(to - reinterpret_cast<unsigned char*>(out.data())));
  return out;
}

std::string ToUpperAnsi(std::string_view ansi) {
  std::string out(ansi);
  for (char& c : out) c = static_cast<char>(cp1251::UpperByte(static_cast<unsigned char>(c)));
  return out;
}

bool FileExists(const std::string& path) {
  struct stat st {};
  return !path.empty() && ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

void RemoveFileQuietly(const std::string& path) {
  if (!path.empty()) (void)::unlink(path.c_str());
}

}  // namespace zelvo::platform
