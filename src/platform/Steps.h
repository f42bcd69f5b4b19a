#pragma once

#include <QLoggingCategory>

#include <exception>
#include <utility>

namespace aurivane {

// Steps that failed, as RunStep skips them. Quiet unless switched on, for
// example with QT_LOGGING_RULES="aurivane.steps.info=true".
Q_DECLARE_LOGGING_CATEGORY(lcSteps)

// Reports a skipped step in lcSteps; `what` is the exception's text, or
// nullptr when it was no std::exception. Never throws.
void ReportFailedStep(const char* what) noexcept;

// Runs one step of an event handler. A step that fails is skipped without a
// word to the user (a developer sees it in lcSteps) and the handler goes on
// with its next step: nothing escapes into the event loop. Returns whether
// the step completed.
template <typename Step> bool RunStep(Step&& step) noexcept {
    try {
        std::forward<Step>(step)();
        return true;
    } catch (const std::exception& error) {
        ReportFailedStep(error.what());
    } catch (...) {
        ReportFailedStep(nullptr);
    }
    return false;
}

} // namespace aurivane
