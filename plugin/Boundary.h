// Nothing thrown inside the plug-in may reach the host: every export runs its body through here.
#pragma once

namespace zelvo {

// Runs the body; whatever escapes it ends the call quietly, without an answer. The body's texts
// are released by unwinding before the catch is reached.
template <class Body>
void Guarded(Body&& body) noexcept {
  try {
    body();
  } catch (...) {
  }
}

}  // namespace zelvo
