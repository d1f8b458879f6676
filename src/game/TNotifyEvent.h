#pragma once
// An event: a handler bound to its object, called with the object that fires
// it. An empty event is not called.

#include <functional>

template <class TSender> using TNotifyEvent = std::function<void(TSender& sender)>;
