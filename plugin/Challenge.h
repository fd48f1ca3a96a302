// The answers to the service's password and captcha challenges.
#pragma once

#include <optional>
#include <string>

#include "LinkNormalise.h"
#include "PageMarkers.h"

namespace zelvo {

// Posts the answer to the challenge that the page shows: the captcha (with the password when the
// page also asks for one), else the password. Yields the page the service returned once it
// accepted the answer; nothing when the job has ended, with its answer or without one.
std::optional<ScannedPage> SubmitChallenge(const NormalisedLink& link, bool captcha, bool password);

}  // namespace zelvo
