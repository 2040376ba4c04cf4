#pragma once

#include <functional>

namespace quillan::app {

// Runs work that waits on the data service on a worker thread while the window keeps handling its
// events in a local loop; returns when the work is done. The data service client's own time-outs
// bound the wait. Callers disable the commands that could interleave before calling.
void runWhileWaiting(const std::function<void()>& work);

}  // namespace quillan::app
