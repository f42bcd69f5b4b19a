#pragma once

class QComboBox;
class QString;

namespace aurivane {

// A closed drop-down list that tells assistive technology its value as it
// changes, as an open one does; its description reads "Month of birth, March".
void AnnounceListValue(QComboBox& list, const QString& name);

} // namespace aurivane
