#include "PluginLibrary.h"

#include <dlfcn.h>

namespace zelvo::host {
namespace {

template <class Export>
bool Bind(void* library, const char* name, Export& slot, std::string& error) {
  slot = reinterpret_cast<Export>(dlsym(library, name));
  if (!slot) error = std::string("the library has no export ") + name;
  return slot != nullptr;
}

}  // namespace

bool LoadPlugin(const std::string& path, Plugin& plugin, std::string& error) {
  // The library stays loaded until the process ends, as in the download manager.
  void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!library) {
    const char* why = dlerror();
    error = why ? why : "dlopen failed";
    return false;
  }
  return Bind(library, "PlgInit", plugin.init, error) && Bind(library, "PlgDestroy", plugin.destroy, error) &&
         Bind(library, "PlgInfo", plugin.info, error) && Bind(library, "PlgGetAbout", plugin.about, error) &&
         Bind(library, "PlgGetOptions", plugin.options, error) &&
         Bind(library, "PlgGetDirectLink", plugin.directLink, error) &&
         Bind(library, "PlgOnError", plugin.onError, error) &&
         Bind(library, "PlgOnSuccess", plugin.onSuccess, error);
}

}  // namespace zelvo::host
