#pragma once

#include <QLoggingCategory>

#include <exception>
#include <utility>

namespace aurivane {

// Steps RunStep skipped; QT_LOGGING_RULES="aurivane.steps.info=true" shows them.
Q_DECLARE_LOGGING_CATEGORY(lcSteps)

// `what` is the exception's text, nullptr for no std::exception.
void ReportFailedStep(const char* what) noexcept;

// Runs one step of an event handler that can fail: a failure is skipped without
// a word to the user, and nothing escapes into the event loop.
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
