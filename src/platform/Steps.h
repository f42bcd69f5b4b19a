#pragma once

#include <exception>
#include <utility>

namespace aurivane {

// Runs one step of an event handler. A step that fails is skipped without a
// word and the handler goes on with its next step: nothing escapes into the
// event loop. Returns whether the step completed.
template <typename Step> bool RunStep(Step&& step) noexcept {
    try {
        std::forward<Step>(step)();
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace aurivane
