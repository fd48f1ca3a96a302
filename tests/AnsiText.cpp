#include "AnsiText.h"

#include <stdexcept>

#include "BaseUtils/Cp1251.h"
#include "BaseUtils/Utf8.h"

namespace zelvo::test {

std::string W(std::string_view utf8) {
  std::string out;
  DecodeUtf8(utf8, [&out](char32_t cp) {
    const int b = cp1251::kReverse.Lookup(cp);
    if (b < 0) throw std::invalid_argument("no Windows-1251 form in a test text");
    out += static_cast<char>(b);
  });
  return out;
}

std::string Readable(std::string_view cp1251) {
  std::string out;
  for (const char c : cp1251) AppendUtf8(out, cp1251::ToUnicode(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace zelvo::test
