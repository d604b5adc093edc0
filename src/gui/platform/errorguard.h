#pragma once

#include <functional>
#include <type_traits>
#include <utility>

namespace tincta {

// The one last resort for exceptions thrown by handlers: none crosses the Qt event loop and none
// is swallowed silently. The main window installs what happens then (one message, every window
// closed); without it the error is logged and the program stops.
class ErrorGuard {
public:
    static void setLastResort(std::function<void()> lastResort);
    // Runs `action`; an exception ends in the last resort. False when one was thrown.
    static bool run(const std::function<void()>& action) noexcept;
};

// Wraps a handler for a signal connection so that it runs behind the guard. Signal arguments the
// handler does not take (such as a timer's private tag) are dropped.
template <typename F> auto guarded(F handler) {
    return [handler](auto&&... args) {
        ErrorGuard::run([&] {
            if constexpr (std::is_invocable_v<F, decltype(args)...>)
                handler(std::forward<decltype(args)>(args)...);
            else
                handler();
        });
    };
}

} // namespace tincta
