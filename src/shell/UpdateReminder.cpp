#include "UpdateReminder.h"

#include "WebPageLauncher.h"
#include "modHelp.h"
#include "platform/Platform.h"

namespace aurivane::modHelp {

namespace {

void saveToday(Platform& platform) {
    if (!SaveSetting(platform, ReminderSettingName(), platform.dateToText(platform.today())))
        throw SettingsStoreError("the reminder date could not be stored");
}

} // namespace

QString ReminderSettingName() {
    return QStringLiteral("Duration");
}

QString UpdateQuestion() {
    return QStringLiteral("There maybe an update to this software available") + u'\r' +
           QStringLiteral("Do you want to check for an update?");
}

void RemindAboutUpdate(Platform& platform) {
    const std::optional<QString> stored = GetSetting(platform, ReminderSettingName());
    if (!stored)
        throw SettingsStoreError("the reminder date could not be read");

    // A value that is missing, or that no longer reads as a date (edited by
    // hand, or written under another date format), counts as a first start:
    // remember today and ask nothing, so the question comes back in time.
    const std::optional<QDate> last =
        stored->isEmpty() ? std::nullopt : platform.textToDate(*stored);
    if (!last) {
        saveToday(platform);
        return;
    }

    const qint64 days = Platform::DaysBetween(platform.today(), *last);
    if (days >= -ReminderIntervalDays && days <= ReminderIntervalDays)
        return;

    // Asked before any of the program's windows is shown: the box has no owner.
    const MessageAnswer answer = platform.showMessage(
        nullptr, UpdateQuestion(), MessageIcon::Information, MessageButtons::YesNo);
    saveToday(platform);
    if (answer == MessageAnswer::Yes)
        OpenWebPage(platform, WebPageKey::DownloadWebPage);
}

} // namespace aurivane::modHelp
