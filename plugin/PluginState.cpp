#include "PluginState.h"

#include "BaseUtils/HostTable.h"

namespace zelvo {

std::string g_currentFileName;

void ResetPluginState() {
  ResetUtilityState();
  g_currentFileName.clear();
}

}  // namespace zelvo
