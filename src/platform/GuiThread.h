#pragma once
#include <functional>

namespace platform {

// True on the thread that owns the application object.
bool isGuiThread();

// Runs fn on the GUI thread and waits for it. On the GUI thread itself fn runs at once, so a
// caller there can never deadlock. Without an application object fn runs on the calling thread.
void runOnGuiThreadAndWait(const std::function<void()> &fn);

// Queues fn to run on the GUI thread later, without waiting.
void runOnGuiThreadLater(std::function<void()> fn);

} // namespace platform
