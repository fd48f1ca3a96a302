// The captcha picture: the text drawn large on a noisy background, as PNG bytes.
#pragma once

#include <string>
#include <string_view>

namespace zelvo::service {

std::string CaptchaPng(std::string_view text);

}  // namespace zelvo::service
