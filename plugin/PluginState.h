// The main unit's state kept between calls.
#pragma once

#include <string>

namespace zelvo {

// The file name that the last resolved page showed; PlgOnSuccess proposes it later.
extern std::string CurrentFileName;

// Every process-wide value back to what loading the library gives.
void ResetPluginState();

}  // namespace zelvo
