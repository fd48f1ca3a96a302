// The real Windows calls. The conversions go through UTF-16 in bounded pieces, so a large page
// never needs a wide copy of itself.
#include <windows.h>

#include <algorithm>

#include "Platform.h"

namespace zelvo::platform {
namespace {

// The plug-in's code page is single-byte, so an ANSI text may be cut anywhere.
constexpr std::size_t kPiece = 1u << 20;

// Where a piece of UTF-8 may end: never inside a character, so that no valid sequence is split.
std::size_t Utf8PieceEnd(std::string_view text, std::size_t from) {
  std::size_t end = from + kPiece;
  if (end >= text.size()) return text.size();
  for (int back = 0; back < 3 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80; ++back) --end;
  return end;
}

void AppendConverted(std::string& out, std::wstring& wide, UINT fromPage, std::string_view piece,
                     UINT toPage) {
  if (piece.empty()) return;
  wide.resize(piece.size());
  const int wideLen = MultiByteToWideChar(fromPage, 0, piece.data(), static_cast<int>(piece.size()),
                                          wide.data(), static_cast<int>(wide.size()));
  if (wideLen <= 0) return;
  // No best fit, and the default "?" for what has no form; CP_UTF8 takes neither.
  const DWORD flags = toPage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
  const int need = WideCharToMultiByte(toPage, flags, wide.data(), wideLen, nullptr, 0, nullptr, nullptr);
  if (need <= 0) return;
  const std::size_t at = out.size();
  out.resize(at + static_cast<std::size_t>(need));
  WideCharToMultiByte(toPage, flags, wide.data(), wideLen, out.data() + at, need, nullptr, nullptr);
}

}  // namespace

unsigned AnsiCodePage() { return GetACP(); }

std::string AnsiToUtf8(std::string_view ansi) {
  std::string out;
  std::wstring wide;
  out.reserve(ansi.size());
  for (std::size_t from = 0; from < ansi.size(); from += kPiece)
    AppendConverted(out, wide, CP_ACP, ansi.substr(from, kPiece), CP_UTF8);
  return out;
}

std::string Utf8ToAnsi(std::string_view utf8) {
  std::string out;
  std::wstring wide;
  out.reserve(utf8.size());
  for (std::size_t from = 0; from < utf8.size();) {
    const std::size_t end = Utf8PieceEnd(utf8, from);
    AppendConverted(out, wide, CP_UTF8, utf8.substr(from, end - from), CP_ACP);
    from = end;
  }
  return out;
}

std::string ToUpperAnsi(std::string_view ansi) {
  std::string out(ansi);
  for (std::size_t from = 0; from < out.size(); from += kPiece) {
    const std::size_t len = std::min(kPiece, out.size() - from);
    CharUpperBuffA(out.data() + from, static_cast<DWORD>(len));
  }
  return out;
}

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

void RemoveFileQuietly(const std::string& path) { (void)DeleteFileA(path.c_str()); }

}  // namespace zelvo::platform
