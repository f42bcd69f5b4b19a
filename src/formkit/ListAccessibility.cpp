#include "ListAccessibility.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>

namespace aurivane {

namespace {

// Orca says nothing when a closed list's value, name or description changes,
// but reads an entry that takes the focus, as in the open list: so the entry
// now chosen is told as focused, within the list named like the box.
void TellChosenEntry(QComboBox& list) {
    if (!list.hasFocus() || list.view()->isVisible())
        return; // elsewhere, or open: the open list tells it itself
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(&list);
    QAccessibleInterface* entries = box != nullptr ? box->child(0) : nullptr;
    QAccessibleInterface* chosen =
        entries != nullptr ? entries->child(list.currentIndex()) : nullptr;
    if (chosen == nullptr)
        return;
    QAccessibleEvent focus(chosen, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

} // namespace

void AnnounceListValue(QComboBox& list, const QString& name) {
    list.setAccessibleName(name);
    // The open list of entries is named like the box.
    list.view()->setAccessibleName(name);
    list.setAccessibleDescription(name + QStringLiteral(", ") + list.currentText());
    QObject::connect(&list, &QComboBox::currentTextChanged, &list,
                     [&list, name](const QString& value) {
                         list.setAccessibleDescription(name + QStringLiteral(", ") + value);
                         TellChosenEntry(list);
                     });
}

} // namespace aurivane
