// The stand-in for the Windows calls, for the native build: the ANSI code page is always 1251.
#include <sys/stat.h>
#include <unistd.h>

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
  std::string out;
  out.reserve(utf8.size());
  DecodeUtf8(utf8, [&out](char32_t cp) {
    if (cp > 0xFFFF) {
      out += "??";  // Windows goes through UTF-16: one "?" for each half of the surrogate pair
      return;
    }
    const int b = cp1251::kReverse.Lookup(cp);
    out += b < 0 ? '?' : static_cast<char>(b);
  });
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
