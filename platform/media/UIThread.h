#pragma once
#include <functional>

// Runs fn later on the user-interface thread (the thread of the application object), from any
// thread, in the order posted. Without an application object it runs at once on the calling
// thread. Whoever posts guards against the receiver being gone by the time fn runs.
void PostToUIThread(std::function<void()> fn);

// Sets up the wake-up of the user-interface thread; called on that thread (the film and sound
// objects do it when they are made). Until then posts go through the application's own queue.
void PrepareUIThreadPosting();
