#pragma once

#include "platform/Platform.h"

#include <QDate>
#include <QList>
#include <QLocale>
#include <QMap>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

namespace aurivane {

// A platform for tests: it scripts the answers of message boxes, today's
// date and the random draws, keeps the settings in memory, and records
// every message shown, address opened and window made topmost.
class FakePlatform final : public Platform {
public:
    struct Message {
        QString text;
        MessageIcon icon = MessageIcon::None;
        MessageButtons buttons = MessageButtons::Ok;
        QString caption;
        QPointer<QWidget> owner;
    };

    FakePlatform();
    ~FakePlatform() override;

    // --- scripting -------------------------------------------------------
    // Answers for the coming Yes/No questions, in order. A question with no
    // answer left gets No.
    QList<MessageAnswer> answers;
    // Called as each message is shown, before it is answered.
    std::function<void(const Message&)> onMessage;
    // Random draws handed out in order; when they run out, 0 is drawn.
    QList<float> draws;
    QDate todayDate{2026, 12, 8};
    QLocale locale = QLocale::c();
    QString baseName = QStringLiteral("aurivane");
    bool otherInstance = false;
    bool settingsReadFails = false;
    bool settingsWriteFails = false;

    // --- records ---------------------------------------------------------
    QList<Message> messages;
    QStringList openedAddresses;
    QList<QPointer<QWidget>> topmostWindows;
    QMap<QString, QString> settings; // key: application/section/name
    int settingsWrites = 0;
    int instanceChecks = 0;
    QList<int> endedWith;

    static QString SettingsKey(const QString& application, const QString& section,
                               const QString& name);
    QStringList messageTexts() const;
    bool ended() const { return !endedWith.isEmpty(); }

    // --- Platform --------------------------------------------------------
    MessageAnswer showMessage(QWidget* owner, const QString& text, MessageIcon icon,
                              MessageButtons buttons, const QString& caption) override;
    using Platform::showMessage;
    std::optional<QString> readSetting(const QString& application, const QString& section,
                                       const QString& name, const QString& defaultText) override;
    bool writeSetting(const QString& application, const QString& section, const QString& name,
                      const QString& value) override;
    QString programBaseName() const override { return baseName; }
    bool anotherInstanceRunning() override;
    bool openWebAddress(const QString& address) override;
    void makeTopmost(QWidget& window) override;
    QDate today() const override { return todayDate; }
    QString dateToText(QDate date) const override;
    std::optional<QDate> textToDate(const QString& text) const override;
    void seedRandomFromClock() override {}
    float nextRandom() override;
    void endProcess(int exitCode) override { endedWith.append(exitCode); }
};

} // namespace aurivane
