#pragma once

#include <QString>

#include <optional>

namespace aurivane {

class Forms;
class Platform;

namespace modHelp {

// Each character code shifted up (to store) or down (to read) by 85 in the
// single-byte character set, Latin-1; what would leave it is dropped.
QString EncodeSetting(const QString& text);
QString DecodeSetting(const QString& text);

// The value `name` of this program's "Settings" section, shifted back; a
// value never written reads as empty, and std::nullopt means the store could
// not be read.
std::optional<QString> GetSetting(Platform& platform, const QString& name);
// Writes the value `name`, shifted; false when it could not be stored.
bool SaveSetting(Platform& platform, const QString& name, const QString& value);

// Unloads every loaded form, in the order they were loaded, then ends the
// process. Each form's unload handler runs at most once, also when a
// handler calls back into this routine. The real platform never returns.
void ExitApplication(Forms& forms);

} // namespace modHelp

} // namespace aurivane
