// The options form: which of the service's mirrors the user wants to avoid.
#pragma once

namespace zelvo {

// Shows the seven stored mirror options in the host's form and stores what the form answers.
void ShowOptionsForm();

}  // namespace zelvo
