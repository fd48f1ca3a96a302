#include "Pictures.h"

#include <stb_image.h>
#include <stb_image_write.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>

namespace zelvo::host {
namespace {

// The plug-in sees only the slot; the host remembers how large the block behind it is.
std::map<void*, std::size_t> g_blockSizes;
constexpr std::size_t kLargestBlock = std::size_t{64} << 20;

std::size_t BlockSize(void* block) {
  const auto found = g_blockSizes.find(block);
  return found == g_blockSizes.end() ? 0 : found->second;
}

}  // namespace

std::string PictureSize(const std::string& path) {
  int width = 0, height = 0, channels = 0;
  if (!stbi_info(path.c_str(), &width, &height, &channels)) return {};
  return std::to_string(width) + "|" + std::to_string(height);
}

void ResizeBlock(void** slot, std::int32_t rowBytes, std::int32_t rows) {
  if (!slot) return;
  if (*slot) {
    g_blockSizes.erase(*slot);
    std::free(*slot);
    *slot = nullptr;
  }
  if (rowBytes <= 0 || rows <= 0) return;
  const std::size_t size = static_cast<std::size_t>(rowBytes) * static_cast<std::size_t>(rows);
  if (size > kLargestBlock) return;
  *slot = std::calloc(size, 1);
  if (*slot) g_blockSizes[*slot] = size;
}

void DecodeInto(const std::string& path, void** slot, std::int32_t width, std::int32_t height) {
  if (!slot || !*slot || width <= 0 || height <= 0) return;
  int w = 0, h = 0, channels = 0;
  unsigned char* pixels = stbi_load(path.c_str(), &w, &h, &channels, 3);
  if (!pixels) return;
  auto* block = static_cast<unsigned char*>(*slot);
  const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
  const std::size_t available = BlockSize(*slot);
  for (int y = 0; y < std::min(h, height); ++y) {
    const std::size_t at = static_cast<std::size_t>(y) * rowBytes;
    const std::size_t copy = std::min(rowBytes, static_cast<std::size_t>(w) * 3);
    if (at + copy > available) break;
    std::memcpy(block + at, pixels + static_cast<std::size_t>(y) * static_cast<std::size_t>(w) * 3, copy);
  }
  stbi_image_free(pixels);
}

void WriteBmp(const std::string& path, void* const* slot, std::int32_t width, std::int32_t height) {
  if (!slot || !*slot || width <= 0 || height <= 0) return;
  if (static_cast<std::size_t>(width) * 3 * static_cast<std::size_t>(height) > BlockSize(*slot)) return;
  stbi_write_bmp(path.c_str(), width, height, 3, *slot);
}

std::string TerminalPicture(const std::string& path, int maxColumns) {
  int w = 0, h = 0, channels = 0;
  unsigned char* pixels = stbi_load(path.c_str(), &w, &h, &channels, 3);
  if (!pixels) return {};
  // One column per pixel, two pixel rows per line ("▀": top in the foreground colour).
  const int step = std::max(1, (w + maxColumns - 1) / maxColumns);
  std::string out;
  char code[64];
  for (int y = 0; y < h; y += 2 * step) {
    for (int x = 0; x < w; x += step) {
      const unsigned char* top =
          pixels +
          (static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x)) * 3;
      const int below = std::min(h - 1, y + step);
      const unsigned char* bottom =
          pixels +
          (static_cast<std::size_t>(below) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x)) * 3;
      std::snprintf(code, sizeof code, "\x1b[38;2;%d;%d;%dm\x1b[48;2;%d;%d;%dm\xE2\x96\x80", top[0], top[1],
                    top[2], bottom[0], bottom[1], bottom[2]);
      out += code;
    }
    out += "\x1b[0m\n";
  }
  stbi_image_free(pixels);
  return out;
}

}  // namespace zelvo::host
