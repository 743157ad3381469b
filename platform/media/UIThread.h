#pragma once
#include <functional>

// Runs fn later on the user-interface thread (the thread of the application object), from any
// thread. Without an application object it runs at once on the calling thread. Whoever posts
// guards against the receiver being gone by the time fn runs.
void PostToUIThread(std::function<void()> fn);
