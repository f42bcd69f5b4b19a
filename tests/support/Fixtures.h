#pragma once

#include "shell/modHelp.h"
#include "support/FakePlatform.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QString>
#include <QTest>

#include <cstring>
#include <vector>

// Helpers that several suites share.

// Whether the text of `label`, wrapped within its width, fits its box.
inline bool WrappedTextFits(const QLabel& label) {
    const QRect needed =
        QFontMetrics(label.font())
            .boundingRect(QRect(0, 0, label.width(), 1 << 20),
                          Qt::TextWordWrap | (label.alignment() & Qt::AlignHorizontal_Mask),
                          label.text());
    return needed.width() <= label.width() && needed.height() <= label.height();
}

// The product's own address on the maker's site this build was made for.
inline const QString ProductAddress = QStringLiteral(AURIVANE_TEST_SITE "/aurivane/");

// The address of one of the pages the maker's site gives out by name.
inline QString SitePage(const QString& page) {
    return ProductAddress + QStringLiteral("ssd.php?page=") + page;
}

// Shows a form, activates it and waits until it is the active window.
template <typename Form> bool ShowActive(Form* form) {
    form->show();
    form->activateWindow();
    return QTest::qWaitForWindowActive(form);
}

// A screen reader on a link, as Orca and NVDA go about it: it moves the focus there (which opens
// nothing), then gives the link's first action, its press. False when `control` is not announced as
// a link, press first, with no value to read out after its name, or when the focus did not come.
inline bool PressLink(QWidget* control) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    QAccessibleActionInterface* actions = accessible->actionInterface();
    if (accessible->role() != QAccessible::Link || !accessible->state().linked ||
        !accessible->text(QAccessible::Value).isEmpty() || actions == nullptr ||
        actions->actionNames().value(0) != QAccessibleActionInterface::pressAction())
        return false;
    QWidget* before = QApplication::focusWidget();
    actions->doAction(QAccessibleActionInterface::setFocusAction());
    if (!control->hasFocus())
        return false;
    if (before != nullptr)
        before->setFocus(Qt::OtherFocusReason);
    actions->doAction(QAccessibleActionInterface::pressAction());
    return true;
}

// Where the fake platform keeps the date of the last update reminder: the
// program "aurivane", section "Settings", the shifted name "Duration".
inline const QString ReminderDateKey = aurivane::FakePlatform::SettingsKey(
    QStringLiteral("aurivane"), QStringLiteral("Settings"),
    QString::fromUtf16(u"\u0099\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3"));

// Stores `plain` as the reminder date, shifted as the program stores it.
inline void StoreReminderDate(aurivane::FakePlatform& platform, const QString& plain) {
    platform.settings.insert(ReminderDateKey, aurivane::modHelp::EncodeSetting(plain));
}

// The stored reminder date, shifted back.
inline QString StoredReminderDate(const aurivane::FakePlatform& platform) {
    return aurivane::modHelp::DecodeSetting(platform.settings.value(ReminderDateKey));
}

// QTEST_MAIN for suites that also run with the desktop's text enlarged: "-font-dpi N" first on the
// command line runs them at N dots per inch (QT_FONT_DPI, the way X11 desktops enlarge text);
// without it they run at the usual 96, whatever the developer's environment says.
#define AURIVANE_TEST_MAIN_WITH_FONT_DPI(TestObject)                                               \
    int main(int argc, char* argv[]) {                                                             \
        std::vector<char*> args(argv, argv + argc);                                                \
        if (args.size() >= 3 && std::strcmp(args.at(1), "-font-dpi") == 0) {                       \
            qputenv("QT_FONT_DPI", args.at(2));                                                    \
            args.erase(args.begin() + 1, args.begin() + 3);                                        \
        } else {                                                                                   \
            qunsetenv("QT_FONT_DPI");                                                              \
        }                                                                                          \
        int count = static_cast<int>(args.size());                                                 \
        QApplication app(count, args.data());                                                      \
        TestObject test;                                                                           \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, count, args.data());                                            \
    }
