#pragma once

#include <QString>

#include <stdexcept>

namespace aurivane {

class Platform;

namespace modHelp {

// The stored date of the last update reminder, by its logical name.
QString ReminderSettingName();

// Days the stored date may lie away from today, either way, before the
// question comes back.
constexpr qint64 ReminderIntervalDays = 14;

// The question asked when the interval has passed.
QString UpdateQuestion();

// Raised when the settings store cannot be read or written; it ends the
// reminder and is left to the caller, which goes on with its next step.
class SettingsStoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Asks, at most every fifteen days, whether to check for an update, and on
// Yes opens the download page. Stores today's date on the first start and
// whenever it asks. Throws SettingsStoreError when the store fails.
void RemindAboutUpdate(Platform& platform);

} // namespace modHelp

} // namespace aurivane
