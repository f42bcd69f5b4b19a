#include "UpdateReminder.h"

#include "WebPageLauncher.h"
#include "modHelp.h"
#include "platform/Platform.h"

namespace aurivane::modHelp {

namespace {

const QString ReminderSetting = QStringLiteral("Duration");

void SaveToday(Platform& platform) {
    if (!SaveSetting(platform, ReminderSetting, platform.dateToText(platform.today())))
        throw SettingsStoreError("the reminder date could not be stored");
}

} // namespace

void RemindAboutUpdate(Platform& platform) {
    const std::optional<QString> stored = GetSetting(platform, ReminderSetting);
    if (!stored)
        throw SettingsStoreError("the reminder date could not be read");
    // A value missing or no longer a date (edited by hand, or written under
    // another date format) counts as a first start, so the question comes back.
    const std::optional<QDate> last =
        stored->isEmpty() ? std::nullopt : platform.textToDate(*stored);
    if (!last) {
        SaveToday(platform);
        return;
    }
    if (qAbs(platform.today().daysTo(*last)) <= 14)
        return;
    // Asked before any of the program's windows shows: the box has no owner.
    const MessageAnswer answer =
        platform.showMessage(nullptr,
                             QStringLiteral("There maybe an update to this software available\r"
                                            "Do you want to check for an update?"),
                             MessageIcon::Information, MessageButtons::YesNo);
    SaveToday(platform);
    if (answer == MessageAnswer::Yes)
        OpenWebPage(platform, WebPageKey::DownloadWebPage);
}

} // namespace aurivane::modHelp
