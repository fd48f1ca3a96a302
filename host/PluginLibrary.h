// The plug-in library, loaded with dlopen, and its eight exports.
#pragma once

#include <string>

#include "ZelvoDiskTrumoAbi.h"

namespace zelvo::host {

struct Plugin {
  decltype(&::PlgInit) init = nullptr;
  decltype(&::PlgDestroy) destroy = nullptr;
  decltype(&::PlgInfo) info = nullptr;
  decltype(&::PlgGetAbout) about = nullptr;
  decltype(&::PlgGetOptions) options = nullptr;
  decltype(&::PlgGetDirectLink) directLink = nullptr;
  decltype(&::PlgOnError) onError = nullptr;
  decltype(&::PlgOnSuccess) onSuccess = nullptr;
};

// Loads the library and finds every export; on failure the error says why.
bool LoadPlugin(const std::string& path, Plugin& plugin, std::string& error);

}  // namespace zelvo::host
