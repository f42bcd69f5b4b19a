#pragma once

#include <stdexcept>

namespace aurivane {

class Platform;

namespace modHelp {

// The settings store could not be read or written: the reminder ends there,
// and its caller goes on with its next step.
class SettingsStoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Asks, once the stored date lies fifteen days or more away either way,
// whether to check for an update, and on Yes opens the download page.
// Stores today's date on the first start and whenever it asks.
void RemindAboutUpdate(Platform& platform);

} // namespace modHelp

} // namespace aurivane
