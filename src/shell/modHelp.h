#pragma once

#include <QString>

#include <optional>

namespace aurivane {

class Forms;
class Platform;

namespace modHelp {

// Each character code shifted up by 85 in the single-byte character set
// (Latin-1); characters that would pass code 255 are dropped.
QString EncodeSetting(const QString& text);
// Each character code shifted down by 85; characters that would fall below
// code 0 are dropped.
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
