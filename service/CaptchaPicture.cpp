#include "CaptchaPicture.h"

#include <stb_easy_font.h>
#include <stb_image_write.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

namespace zelvo::service {
namespace {

constexpr int kScale = 4;  // each font pixel as a square of this side
constexpr int kMargin = 8;

struct Vertex {
  float x, y, z;
  unsigned char color[4];
};

void AppendBytes(void* context, void* data, int size) {
  static_cast<std::string*>(context)->append(static_cast<const char*>(data), static_cast<std::size_t>(size));
}

}  // namespace

std::string CaptchaPng(std::string_view text) {
  const std::string source(text);
  std::vector<Vertex> quads(static_cast<std::size_t>(source.size()) * 64 * 4);
  const int quadCount = stb_easy_font_print(0, 0, const_cast<char*>(source.c_str()), nullptr, quads.data(),
                                            static_cast<int>(quads.size() * sizeof(Vertex)));
  const int width = stb_easy_font_width(const_cast<char*>(source.c_str())) * kScale + 2 * kMargin;
  const int height = stb_easy_font_height(const_cast<char*>(source.c_str())) * kScale + 2 * kMargin;

  // Light noise behind dark glyphs: readable for a person, not a plain byte pattern.
  std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width * height * 3));
  std::mt19937 noise(static_cast<unsigned>(std::hash<std::string_view>{}(text)));
  for (auto& channel : pixels) channel = static_cast<std::uint8_t>(200 + noise() % 56);
  for (int q = 0; q < quadCount; ++q) {
    const Vertex* v = &quads[static_cast<std::size_t>(q) * 4];
    const int x0 = static_cast<int>(v[0].x) * kScale + kMargin,
              y0 = static_cast<int>(v[0].y) * kScale + kMargin;
    const int x1 = static_cast<int>(v[2].x) * kScale + kMargin,
              y1 = static_cast<int>(v[2].y) * kScale + kMargin;
    for (int y = std::max(0, y0); y < std::min(height, y1); ++y)
      for (int x = std::max(0, x0); x < std::min(width, x1); ++x) {
        std::uint8_t* p = &pixels[static_cast<std::size_t>((y * width + x) * 3)];
        p[0] = 30;
        p[1] = 40;
        p[2] = static_cast<std::uint8_t>(110 + noise() % 40);
      }
  }
  std::string png;
  stbi_write_png_to_func(&AppendBytes, &png, width, height, 3, pixels.data(), width * 3);
  return png;
}

}  // namespace zelvo::service
