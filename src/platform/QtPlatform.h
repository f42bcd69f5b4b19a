#pragma once

#include "Platform.h"

#include <QString>

#include <memory>
#include <random>

class QLockFile;

namespace aurivane {

// The platform through Qt: QMessageBox, QSettings (the registry on Windows,
// an INI file elsewhere), QLockFile, QDesktopServices and the system locale.
class QtPlatform final : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    // Elsewhere than the per-user store and the default lock folder.
    void setSettingsFile(const QString& path) { m_settingsFile = path; }
    void setLockDirectory(const QString& path) { m_lockDirectory = path; }

    // The user's runtime folder, or a per-user folder under the temporary one.
    static QString DefaultLockDirectory();
    MessageAnswer showMessage(QWidget* owner, const QString& text, MessageIcon icon,
                              MessageButtons buttons, const QString& caption) override;
    using Platform::showMessage;

    std::optional<QString> readSetting(const QString& application, const QString& section,
                                       const QString& name, const QString& defaultText) override;
    bool writeSetting(const QString& application, const QString& section, const QString& name,
                      const QString& value) override;

    QString programBaseName() const override;
    bool anotherInstanceRunning() override;
    bool openWebAddress(const QString& address) override;
    void makeTopmost(QWidget& window) override;

    QDate today() const override;
    QString dateToText(QDate date) const override;
    std::optional<QDate> textToDate(const QString& text) const override;

    void seedRandomFromClock() override;
    float nextRandom() override;

    [[noreturn]] void endProcess(int exitCode) override;

private:
    QString m_settingsFile;
    QString m_lockDirectory;
    std::unique_ptr<QLockFile> m_lock;
    std::optional<bool> m_anotherInstance;
    std::mt19937 m_random;
};

} // namespace aurivane
