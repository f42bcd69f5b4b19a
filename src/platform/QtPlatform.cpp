#include "QtPlatform.h"

#include "Monitors.h"
#include "ShortDate.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace aurivane {

namespace {

std::unique_ptr<QSettings> openSettings(const QString& file, const QString& application) {
    if (!file.isEmpty())
        return std::make_unique<QSettings>(file, QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, application,
                                       application);
}

// Centred on its owner's monitor, not over its owner; its size is known only
// once Qt has laid it out for showing.
class PlacedMessageBox final : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override {
        setAttribute(Qt::WA_Moved); // Else QDialog places it over its owner.
        QMessageBox::showEvent(event);
        Monitors::CentreOnFirstShow(*this);
        // As QDialog does: not a place the box asked for, else Qt would give its
        // laid-out size one where the window manager is to place it.
        setAttribute(Qt::WA_Moved, false);
    }
};

} // namespace

QtPlatform::QtPlatform() : m_random(std::random_device{}()) {}

QtPlatform::~QtPlatform() = default;

MessageAnswer QtPlatform::showMessage(QWidget* owner, const QString& text, MessageIcon icon,
                                      MessageButtons buttons, const QString& caption) {
    // As the window's transient, the box stays above it, a stay-on-top one included.
    PlacedMessageBox box(owner != nullptr ? owner->window() : nullptr);
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowTitle(caption.isEmpty() ? ApplicationTitle() : caption);
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    box.setIcon(icon == MessageIcon::Critical      ? QMessageBox::Critical
                : icon == MessageIcon::Information ? QMessageBox::Information
                                                   : QMessageBox::NoIcon);
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MessageAnswer::Ok;
}

std::optional<QString> QtPlatform::readSetting(const QString& application, const QString& section,
                                               const QString& name, const QString& defaultText) {
    const auto settings = openSettings(m_settingsFile, application);
    if (settings->status() == QSettings::AccessError)
        return std::nullopt;
    const QVariant value = settings->value(section + u'/' + name);
    if (!value.isValid())
        return defaultText;
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(u',');
    return value.toString();
}

bool QtPlatform::writeSetting(const QString& application, const QString& section,
                              const QString& name, const QString& value) {
    const auto settings = openSettings(m_settingsFile, application);
    if (!settings->isWritable())
        return false;
    settings->setValue(section + u'/' + name, value);
    settings->sync();
    return settings->status() == QSettings::NoError;
}

QString QtPlatform::programBaseName() const {
    const QString path = QCoreApplication::applicationFilePath();
    const QString base = QFileInfo(path).completeBaseName();
    return base.isEmpty() ? QStringLiteral("aurivane") : base;
}

QString QtPlatform::DefaultLockDirectory() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return runtime;
#if defined(Q_OS_UNIX)
    return QDir::tempPath() + QStringLiteral("/aurivane-") + QString::number(::getuid());
#else
    return QStandardPaths::writableLocation(QStandardPaths::TempLocation);
#endif
}

bool QtPlatform::anotherInstanceRunning() {
    if (m_anotherInstance.has_value())
        return *m_anotherInstance;

    const QString folder = m_lockDirectory.isEmpty() ? DefaultLockDirectory() : m_lockDirectory;
    if (!QDir().mkpath(folder)) {
        // Without a place for the lock, run rather than refuse every start.
        m_anotherInstance = false;
        return false;
    }
    const QString lockPath = folder + u'/' + programBaseName() + QStringLiteral(".lock");
    m_lock = std::make_unique<QLockFile>(lockPath);
    m_lock->setStaleLockTime(0);

    bool locked = m_lock->tryLock(0);
    if (!locked && m_lock->error() == QLockFile::LockFailedError) {
        // A lock naming our own process id is an earlier process's (containers): stale.
        qint64 pid = 0;
        QString host;
        QString app;
        if (m_lock->getLockInfo(&pid, &host, &app) && pid == QCoreApplication::applicationPid()) {
            m_lock->removeStaleLockFile();
            locked = m_lock->tryLock(0);
        }
    }
    // An unwritable folder, or no lock file where the lock goes: no lock, no refusal.
    if (!locked &&
        (m_lock->error() != QLockFile::LockFailedError || !QFileInfo(lockPath).isFile())) {
        m_lock.reset();
        m_anotherInstance = false;
        return false;
    }
    if (!locked)
        m_lock.reset();
    m_anotherInstance = !locked;
    return *m_anotherInstance;
}

bool QtPlatform::openWebAddress(const QString& address) {
    const QUrl url = QUrl::fromEncoded(address.toUtf8(), QUrl::StrictMode);
    if (!url.isValid())
        return false;
    return QDesktopServices::openUrl(url);
}

void QtPlatform::makeTopmost(QWidget& window) {
    const bool visible = window.isVisible();
    window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    // Changing the window flags hides a shown window.
    if (visible)
        window.show();
}

QDate QtPlatform::today() const {
    return QDate::currentDate();
}

QString QtPlatform::dateToText(QDate date) const {
    return ShortDate::ToText(date, QLocale::system());
}

std::optional<QDate> QtPlatform::textToDate(const QString& text) const {
    return ShortDate::FromText(text, QLocale::system());
}

void QtPlatform::seedRandomFromClock() {
    const auto now = static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch());
    std::seed_seq seed{static_cast<std::uint32_t>(now), static_cast<std::uint32_t>(now >> 32)};
    m_random.seed(seed);
}

float QtPlatform::nextRandom() {
    // 24 random bits: every value is exact in single precision and below 1.
    const std::uint32_t bits = m_random() >> 8;
    return static_cast<float>(bits) / 16777216.0F;
}

void QtPlatform::endProcess(int exitCode) {
    if (m_lock)
        m_lock->unlock();
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(exitCode);
}

} // namespace aurivane
