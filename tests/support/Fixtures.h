#pragma once

#include "shell/modHelp.h"
#include "support/FakePlatform.h"

#include <QApplication>
#include <QString>
#include <QTest>

#include <cstring>
#include <vector>

// Helpers that several suites share.

// The product's own address on the maker's site this build was made for.
inline const QString ProductAddress = QStringLiteral(AURIVANE_TEST_SITE "/aurivane/");

// Shows a form, activates it and waits until it is the active window.
template <typename Form> bool ShowActive(Form* form) {
    form->show();
    form->activateWindow();
    return QTest::qWaitForWindowActive(form);
}

// Where the fake platform keeps the date of the last update reminder: the
// program "aurivane", section "Settings", the shifted name "Duration".
inline QString ReminderDateKey() {
    return aurivane::FakePlatform::SettingsKey(
        QStringLiteral("aurivane"), QStringLiteral("Settings"),
        aurivane::modHelp::EncodeSetting(QStringLiteral("Duration")));
}

// Stores `plain` as the reminder date, shifted as the program stores it.
inline void StoreReminderDate(aurivane::FakePlatform& platform, const QString& plain) {
    platform.settings.insert(ReminderDateKey(), aurivane::modHelp::EncodeSetting(plain));
}

// The stored reminder date, shifted back.
inline QString StoredReminderDate(const aurivane::FakePlatform& platform) {
    return aurivane::modHelp::DecodeSetting(platform.settings.value(ReminderDateKey()));
}

// QTEST_MAIN for suites that also run with the desktop's text enlarged:
// "-font-dpi N" first on the command line runs them at N dots per inch
// (QT_FONT_DPI, the way X11 desktops enlarge text); without it they run at
// the usual 96, whatever the developer's environment says.
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
