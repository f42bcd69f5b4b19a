#include "FakePlatform.h"

#include "platform/ShortDate.h"

namespace aurivane {

FakePlatform::FakePlatform() = default;
FakePlatform::~FakePlatform() = default;

QString FakePlatform::SettingsKey(const QString& application, const QString& section,
                                  const QString& name) {
    return application + u'/' + section + u'/' + name;
}

QStringList FakePlatform::messageTexts() const {
    QStringList texts;
    for (const Message& message : messages)
        texts << message.text;
    return texts;
}

MessageAnswer FakePlatform::showMessage(QWidget* owner, const QString& text, MessageIcon icon,
                                        MessageButtons buttons, const QString& caption) {
    const Message message{text, icon, buttons, caption, QPointer<QWidget>(owner)};
    messages.append(message);
    if (onMessage)
        onMessage(message);
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answers.isEmpty() ? MessageAnswer::No : answers.takeFirst();
}

std::optional<QString> FakePlatform::readSetting(const QString& application, const QString& section,
                                                 const QString& name, const QString& defaultText) {
    if (settingsReadFails)
        return std::nullopt;
    return settings.value(SettingsKey(application, section, name), defaultText);
}

bool FakePlatform::writeSetting(const QString& application, const QString& section,
                                const QString& name, const QString& value) {
    if (settingsWriteFails)
        return false;
    ++settingsWrites;
    settings.insert(SettingsKey(application, section, name), value);
    return true;
}

bool FakePlatform::anotherInstanceRunning() {
    ++instanceChecks;
    return otherInstance;
}

bool FakePlatform::openWebAddress(const QString& address) {
    openedAddresses.append(address);
    return true;
}

void FakePlatform::makeTopmost(QWidget& window) {
    topmostWindows.append(QPointer<QWidget>(&window));
    window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

QString FakePlatform::dateToText(QDate date) const {
    return ShortDate::ToText(date, locale);
}

std::optional<QDate> FakePlatform::textToDate(const QString& text) const {
    return ShortDate::FromText(text, locale);
}

float FakePlatform::nextRandom() {
    return draws.isEmpty() ? 0.0F : draws.takeFirst();
}

} // namespace aurivane
