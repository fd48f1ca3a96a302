// A file name that no file bears yet.
#pragma once

#include <string>

namespace zelvo {

// The path itself when no file is there (a folder does not count), else the first free one of
// stem_1.ext, stem_2.ext, ... where ext is the last extension of the file-name part.
std::string UniqueFileName(const std::string& path);

}  // namespace zelvo
