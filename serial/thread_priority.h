#pragma once

namespace dtu {

enum class ThreadRole { Reader, Writer };

// Raises the calling thread's priority for its role where the system allows
// it; a refusal leaves the thread as it is.
void RaiseThreadPriority(ThreadRole role);

}  // namespace dtu
