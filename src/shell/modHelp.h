#pragma once

#include <QString>

#include <optional>

namespace aurivane {

class Forms;
class Platform;

namespace modHelp {

// The section every value of the program lives in.
QString SettingsSection();

// Shifts every character code up by 85 in the single-byte character set
// (Latin-1); characters that would pass code 255 are dropped.
QString EncodeSetting(const QString& text);
// Shifts every character code down by 85; characters that would fall below
// code 0 are dropped.
QString DecodeSetting(const QString& text);

// Reads the logical value `name` of this program's "Settings" section,
// shifted back; a value never written reads as the empty text.
// std::nullopt when the store could not be read.
std::optional<QString> GetSetting(Platform& platform, const QString& name);
// Writes the logical value `name`, shifted; false when it could not be stored.
bool SaveSetting(Platform& platform, const QString& name, const QString& value);

// Unloads every loaded form, in the order they were loaded, then ends the
// process. Each form's unload handler runs at most once, also when a
// handler calls back into this routine. The real platform never returns.
void ExitApplication(Forms& forms);

} // namespace modHelp

} // namespace aurivane
