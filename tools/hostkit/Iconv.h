// For the tools around the plug-in: text conversion with glibc's iconv, where what does not
// convert becomes "?" byte by byte.
#pragma once

#include <iconv.h>

#include <string>
#include <string_view>

namespace zelvo::hostkit {

// `growth`: the most output bytes one input byte can give.
inline std::string Iconv(const char* to, const char* from, std::string_view text, std::size_t growth) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(text);
  std::string out(text.size() * growth + 4, '\0');
  char* in = const_cast<char*>(text.data());
  std::size_t inLeft = text.size();
  char* at = out.data();
  std::size_t outLeft = out.size();
  while (inLeft > 0 && iconv(cd, &in, &inLeft, &at, &outLeft) == static_cast<std::size_t>(-1) &&
         outLeft > 0) {
    ++in;  // a byte that does not convert
    --inLeft;
    *at++ = '?';
    --outLeft;
  }
  iconv_close(cd);
  out.resize(out.size() - outLeft);
  return out;
}

inline std::string Cp1251FromUtf8(std::string_view utf8) { return Iconv("CP1251", "UTF-8", utf8, 1); }
inline std::string Utf8FromCp1251(std::string_view ansi) { return Iconv("UTF-8", "CP1251", ansi, 3); }

}  // namespace zelvo::hostkit
