#pragma once

#include "shell/modHelp.h"
#include "support/FakePlatform.h"

#include <QString>
#include <QTest>

// Helpers that several suites share.

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
