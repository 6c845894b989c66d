#pragma once

#include <exception>

// A silent abort: the user has already been told why (or asked not to be), so whoever
// catches it just stops the operation that was running, without a further message.
class EAbort : public std::exception
{
public:
    const char *what() const noexcept override { return "Operation aborted"; }
};
