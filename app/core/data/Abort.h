#pragma once

#include <exception>

// The silent abort: an event handler throws it to abandon the action in progress (a post
// the handler refused, a close the user declined). The user has already been told why,
// so whoever catches it shows nothing; the window event loop swallows it.
class EAbort : public std::exception
{
public:
    const char *what() const noexcept override { return "Operation aborted"; }
};

[[noreturn]] inline void Abort()
{
    throw EAbort();
}
