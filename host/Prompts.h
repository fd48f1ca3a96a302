// What the host asks the user in the terminal: the captcha's text and the options checklist.
#pragma once

#include <optional>
#include <string>

namespace zelvo::host {

// Shows the picture and the question on standard error and reads one line from standard input;
// a scripted answer is given at once instead. The texts are UTF-8.
std::string AskCaptchaText(const std::string& picturePath, const std::string& question,
                           const std::optional<std::string>& scriptedAnswer);

// Shows the form description (UTF-8) as a checklist and returns the form answer: lines of
// name=value, or the empty text when the user cancels.
std::string AskOptions(const std::string& form);

}  // namespace zelvo::host
