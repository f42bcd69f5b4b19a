#pragma once

#include <QDate>
#include <QString>

#include <optional>

class QWidget;

namespace aurivane {

enum class MessageIcon { None, Critical, Information };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// The program's one door to the world outside it, so that tests can hand
// every form and module a fake one.
class Platform {
public:
    Platform() = default;
    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;
    virtual ~Platform() = default;

    // The caption of every message box, and with the version that of the windows.
    static QString ApplicationTitle() { return QStringLiteral("Aurivane"); }
    static QString TitleWithVersion() {
        return QStringLiteral("Aurivane v" AURIVANE_TITLE_VERSION);
    }

    // A modal message box; returns the button pressed (closing it: OK, or No).
    // It stays above `owner`, nullptr only while none of our windows shows.
    virtual MessageAnswer showMessage(QWidget* owner, const QString& text, MessageIcon icon,
                                      MessageButtons buttons, const QString& caption) = 0;
    MessageAnswer showMessage(QWidget* owner, const QString& text, MessageIcon icon,
                              MessageButtons buttons = MessageButtons::Ok) {
        return showMessage(owner, text, icon, buttons, ApplicationTitle());
    }

    // Per-user settings. A value never written reads as `defaultText`;
    // std::nullopt means the store itself could not be read.
    virtual std::optional<QString> readSetting(const QString& application, const QString& section,
                                               const QString& name, const QString& defaultText) = 0;
    // Writes and flushes at once; false when the value could not be stored.
    virtual bool writeSetting(const QString& application, const QString& section,
                              const QString& name, const QString& value) = 0;

    // Base name of the running program file, without folder or extension.
    virtual QString programBaseName() const = 0;

    // Whether another instance runs for this user; the first call decides.
    virtual bool anotherInstanceRunning() = 0;

    // Hands a web address to the default browser; false when it was refused.
    virtual bool openWebAddress(const QString& address) = 0;

    // Keeps a top-level window above all other windows.
    virtual void makeTopmost(QWidget& window) = 0;

    virtual QDate today() const = 0;
    // The user's short date (four-digit year, Latin digits), and back.
    virtual QString dateToText(QDate date) const = 0;
    virtual std::optional<QDate> textToDate(const QString& text) const = 0;

    virtual void seedRandomFromClock() = 0;
    // A uniform draw in [0, 1), single precision.
    virtual float nextRandom() = 0;
    // Nearest whole number, halves to the even one (2.5 gives 2, 5.5 gives 6).
    static int RoundHalfEven(double value);

    // Ends the process at once; the real platform never returns.
    virtual void endProcess(int exitCode) = 0;
};

} // namespace aurivane
