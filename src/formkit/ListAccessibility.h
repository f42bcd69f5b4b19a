#pragma once

class QComboBox;
class QString;

namespace aurivane {

// A closed drop-down list that tells assistive technology its value as it
// changes under the arrow keys, the way an open one does. `name` says which
// value the list holds; its description then reads "<name>, <value>" at all
// times ("Month of birth, March").
void AnnounceListValue(QComboBox& list, const QString& name);

} // namespace aurivane
