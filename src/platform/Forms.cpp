#include "Forms.h"

#include "Platform.h"
#include "Steps.h"

namespace aurivane {

Forms::Forms(Platform& platform, QObject* parent) : QObject(parent), m_platform(platform) {}

Forms::~Forms() = default;

void Forms::loaded(QWidget* form, std::function<void()> unloadHandler, bool deleteOnUnload) {
    if (form == nullptr || isLoaded(form))
        return;
    m_entries.append(Entry{form, std::move(unloadHandler), deleteOnUnload, false});
    connect(form, &QObject::destroyed, this, [this](QObject* gone) { forget(gone); });
}

qsizetype Forms::find(const QWidget* form) const {
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries.at(i).form == form)
            return i;
    }
    return -1;
}

void Forms::forget(const QObject* form) {
    m_entries.removeIf([form](const Entry& entry) {
        return entry.form.isNull() || static_cast<const QObject*>(entry.form.data()) == form;
    });
}

bool Forms::isLoaded(const QWidget* form) const {
    return form != nullptr && find(form) >= 0;
}

bool Forms::isUnloading(const QWidget* form) const {
    const qsizetype i = find(form);
    return i >= 0 && m_entries.at(i).unloading;
}

QList<QWidget*> Forms::loadedForms() const {
    QList<QWidget*> forms;
    for (const Entry& entry : m_entries) {
        if (!entry.form.isNull())
            forms.append(entry.form.data());
    }
    return forms;
}

bool Forms::unload(QWidget* form) {
    if (m_processEnded)
        return false;
    const qsizetype i = find(form);
    if (i < 0 || m_entries.at(i).unloading)
        return false;
    Entry& entry = m_entries[i];
    entry.unloading = true;
    // The handler may load or unload other forms: copied before the list changes.
    const std::function<void()> handler = entry.unloadHandler;
    const bool deleteOnUnload = entry.deleteOnUnload;
    emit unloadStarted(form);
    if (handler)
        RunStep(handler);
    if (m_processEnded)
        return true;
    QPointer<QWidget> guard(form);
    m_entries.removeIf([form](const Entry& e) { return e.form == form; });
    if (!guard.isNull()) {
        guard->hide();
        if (deleteOnUnload)
            guard->deleteLater();
    }
    return true;
}

void Forms::endProcess(int exitCode) {
    if (m_processEnded)
        return;
    m_processEnded = true;
    m_platform.endProcess(exitCode);
}

} // namespace aurivane
