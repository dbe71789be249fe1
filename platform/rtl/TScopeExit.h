#pragma once
// Runs an action when the scope is left, however it is left (a return or an
// exception): for the free functions of the C libraries we use, and for the
// flags and stacks that a call sets for its own duration.
#include <utility>

namespace rtl {

template <typename Action>
class TScopeExit {
public:
    explicit TScopeExit(Action action) : FAction(std::move(action)) {}
    ~TScopeExit() { FAction(); }
    TScopeExit(const TScopeExit&) = delete;
    TScopeExit& operator=(const TScopeExit&) = delete;

private:
    Action FAction;
};

}  // namespace rtl
