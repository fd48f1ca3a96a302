#include "UniqueFileName.h"

#include <cstdint>

#include "Platform.h"
#include "Text.h"

namespace zelvo {

std::string UniqueFileName(const std::string& path) {
  if (!platform::FileExists(path)) return path;
  const std::size_t stemEnd = ExtensionStart(path);
  const std::string_view stem = std::string_view(path).substr(0, stemEnd);
  const std::string_view extension = std::string_view(path).substr(stemEnd);
  for (uint64_t n = 1;; ++n) {
    std::string candidate = Concat(stem, "_", std::to_string(n), extension);
    if (!platform::FileExists(candidate)) return candidate;
  }
}

}  // namespace zelvo
