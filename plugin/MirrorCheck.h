// The last phase of an attempt: the start link's mirror against the user's choices, then the
// redirect target as the direct link.
#pragma once

#include <string>
#include <string_view>

namespace zelvo {

enum class MirrorOutcome { Finished, Retry };

// The start link of a page that contains it: "http://" + the service host + the start path.
std::string StartLinkOf(std::string_view page);

// Finishes the job (with the success answer, or with none) or asks for another attempt. The page
// may be handed over from its start link on, so that the link is not searched for twice.
MirrorOutcome CheckMirrorAndFinish(std::string_view page, int& attempt, bool barEmulation);

}  // namespace zelvo
