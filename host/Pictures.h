// The picture services for the captcha (GIF, PNG or JPEG in, BMP out) and a picture drawn in
// the terminal with half blocks in 24-bit colour.
#pragma once

#include <cstdint>
#include <string>

namespace zelvo::host {

// "width|height", or empty when the file is not a picture.
std::string PictureSize(const std::string& path);

// The pixel block behind the plug-in's array slot: rows of RGB triples.
void ResizeBlock(void** slot, std::int32_t rowBytes, std::int32_t rows);
void DecodeInto(const std::string& path, void** slot, std::int32_t width, std::int32_t height);
void WriteBmp(const std::string& path, void* const* slot, std::int32_t width, std::int32_t height);

// The picture as lines of text for a terminal, at most maxColumns wide; empty when unreadable.
std::string TerminalPicture(const std::string& path, int maxColumns);

}  // namespace zelvo::host
