#include "Steps.h"

namespace aurivane {

Q_LOGGING_CATEGORY(lcSteps, "aurivane.steps", QtWarningMsg)

void ReportFailedStep(const char* what) noexcept {
    try {
        qCInfo(lcSteps, "a step failed and was skipped: %s",
               what != nullptr ? what : "not a std::exception");
    } catch (...) {
        // Nothing more can be said.
    }
}

} // namespace aurivane
