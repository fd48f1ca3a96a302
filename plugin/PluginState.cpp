#include "PluginState.h"

#include "BaseUtils/HostTable.h"

namespace zelvo {

std::string CurrentFileName;

void ResetPluginState() {
  ResetUtilityState();
  CurrentFileName.clear();
}

}  // namespace zelvo
