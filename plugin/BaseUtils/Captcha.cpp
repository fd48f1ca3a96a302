#include "Captcha.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <limits>

#include "Bridge.h"
#include "Cp1251.h"
#include "Platform.h"
#include "SplitText.h"
#include "Text.h"

namespace zelvo {
namespace {

// A picture side as the size reply gives it: an optional sign and decimal digits, else 0.
// A width whose three-fold would not fit the 32-bit argument of SetArrLen reads as 0 too.
int32_t PictureSide(std::string_view text) {
  if (text.starts_with('+')) {
    text.remove_prefix(1);
    if (text.starts_with('-')) return 0;
  }
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return 0;
  constexpr int32_t kLimit = std::numeric_limits<int32_t>::max() / 3;
  return value > kLimit || value < -kLimit ? 0 : value;
}

// The part of a reply in front of its first "|" (the whole reply when it has none).
std::array<std::string, 2> SplitAtBar(std::string_view reply) {
  std::array<std::string, 2> parts;
  SplitText(reply, parts, '|');
  return parts;
}

}  // namespace

std::string BmpPathOf(std::string_view picturePath) {
  return Concat(picturePath.substr(0, ExtensionStart(picturePath)), ".bmp");
}

std::string AskCaptcha(const std::string& picturePath) {
  if (!platform::FileExists(picturePath)) return {};
  const auto size = SplitAtBar(GetPicSize(picturePath));
  const int32_t width = PictureSide(size[0]);
  const int32_t height = PictureSide(size[1]);

  // The host sizes, fills, reads and releases the pixels; the plug-in only holds the slot.
  TDArray pixels = nullptr;
  SetArrLen(&pixels, width * 3, height);
  PicToArr(picturePath, &pixels, width, height);
  ArrToPic(BmpPathOf(picturePath), &pixels, width, height);
  SetArrLen(&pixels, 0, 0);

  return SplitAtBar(ShowHAWindow(Concat(picturePath, "|", "Введите текст с изображения:"_ansi), 60))[0];
}

}  // namespace zelvo
