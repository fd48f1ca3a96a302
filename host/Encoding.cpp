#include "Encoding.h"

#include <iconv.h>

namespace zelvo::host {
namespace {

std::string Convert(const char* to, const char* from, std::string_view text, std::size_t growth) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(text);
  std::string out(text.size() * growth + 4, '\0');
  char* in = const_cast<char*>(text.data());
  std::size_t inLeft = text.size();
  char* at = out.data();
  std::size_t outLeft = out.size();
  while (inLeft > 0 && iconv(cd, &in, &inLeft, &at, &outLeft) == static_cast<std::size_t>(-1)) {
    if (outLeft == 0) break;
    ++in;  // a byte that does not convert
    --inLeft;
    *at++ = '?';
    --outLeft;
  }
  iconv_close(cd);
  out.resize(out.size() - outLeft);
  return out;
}

}  // namespace

std::string Utf8FromAnsi(std::string_view ansi) { return Convert("UTF-8", "CP1251", ansi, 3); }

std::string AnsiFromUtf8(std::string_view utf8) { return Convert("CP1251", "UTF-8", utf8, 1); }

}  // namespace zelvo::host
