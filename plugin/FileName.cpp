#include "FileName.h"

#include <algorithm>
#include <array>
#include <utility>

#include "BaseUtils/ByteClass.h"
#include "BaseUtils/Platform.h"
#include "BaseUtils/Text.h"
#include "BaseUtils/Utf8.h"
#include "PageMarkers.h"

namespace zelvo {
namespace {

constexpr std::array<std::pair<std::string_view, char>, 6> kNamedReferences = {{
    {"&amp;", '&'},
    {"&lt;", '<'},
    {"&gt;", '>'},
    {"&quot;", '"'},
    {"&#39;", '\''},
    {"&apos;", '\''},
}};

// The ANSI form of a numeric reference "&#NNN;" or "&#xHH;" at the start of text, with its length.
bool DecodeNumericReference(std::string_view text, std::string& ansi, std::size_t& length) {
  std::size_t i = 2;
  const bool hex = text.size() > i && (text[i] == 'x' || text[i] == 'X');
  if (hex) ++i;
  const std::size_t digitsFrom = i;
  char32_t cp = 0;
  for (; i < text.size() && i - digitsFrom < 8; ++i) {
    const char c = text[i];
    unsigned digit = 0;
    if (c >= '0' && c <= '9')
      digit = static_cast<unsigned>(c - '0');
    else if (hex && c >= 'a' && c <= 'f')
      digit = static_cast<unsigned>(c - 'a' + 10);
    else if (hex && c >= 'A' && c <= 'F')
      digit = static_cast<unsigned>(c - 'A' + 10);
    else
      break;
    cp = cp * (hex ? 16u : 10u) + digit;
  }
  if (i == digitsFrom || i >= text.size() || text[i] != ';' || cp > 0x10FFFF) return false;
  std::string utf8;
  AppendUtf8(utf8, cp);
  ansi = platform::Utf8ToAnsi(utf8);
  // "?" back for anything else means the code page has no form for it: leave it as written.
  if (ansi.size() != 1 || (ansi == "?" && cp != '?')) return false;
  length = i + 1;
  return true;
}

bool IsReservedDeviceName(std::string_view name) {
  std::string_view base = name.substr(0, std::min(name.find('.'), name.size()));
  while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
  // Device names are three or four letters: only such a base is worth upper-casing.
  if (base.size() != 3 && base.size() != 4) return false;
  const std::string upper = platform::ToUpperAnsi(base);
  if (upper == "CON" || upper == "PRN" || upper == "AUX" || upper == "NUL") return true;
  return upper.size() == 4 && (upper.starts_with("COM") || upper.starts_with("LPT")) && upper[3] >= '1' &&
         upper[3] <= '9';
}

// The bytes that Windows refuses in a file name: controls and \ / : * ? " < > |.
constexpr ByteClass kForbiddenInName = MakeByteClass([](unsigned char c) {
  return c < 32 || std::string_view("\\/:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos;
});

}  // namespace

std::string DecodeHtmlText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    // Plain text up to the next "&" goes over as it is.
    const std::size_t amp = std::min(text.find('&'), text.size());
    out.append(text.substr(0, amp));
    text.remove_prefix(amp);
    if (text.empty()) break;
    std::size_t length = 1;
    std::string ansi(1, '&');
    for (const auto& [reference, character] : kNamedReferences) {
      if (text.starts_with(reference)) {
        ansi.assign(1, character);
        length = reference.size();
        break;
      }
    }
    if (length == 1 && text.starts_with("&#") && !DecodeNumericReference(text, ansi, length)) {
      ansi.assign(1, '&');
      length = 1;
    }
    out += ansi;
    text.remove_prefix(length);
  }
  return out;
}

std::string SanitiseFileName(std::string_view name) {
  std::string out(name);
  ReplaceBytes(out, kForbiddenInName, '_');
  // Windows drops them anyway; a name of only dots and blanks ends up empty here.
  while (!out.empty() && (out.back() == '.' || out.back() == ' ')) out.pop_back();
  if (IsReservedDeviceName(out)) out.insert(out.begin(), '_');
  return out;
}

std::optional<std::string> FileNameFromPage(std::string_view page) {
  return FileNameAt(page, Find(page, kNameBlockStart));
}

std::optional<std::string> FileNameAt(std::string_view page, std::size_t at) {
  if (at == std::string_view::npos) return std::nullopt;
  const std::string_view block = Before(page.substr(at + kNameBlockStart.size()), kNameBlockEnd);
  // A block without the icon tag is markup we do not know: no name rather than a guessed one.
  return SanitiseFileName(DecodeHtmlText(After(block, kNameIconEnd)));
}

}  // namespace zelvo
