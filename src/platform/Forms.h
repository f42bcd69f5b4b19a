#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace aurivane {

class Platform;

// The collection of loaded forms, in the order they were loaded. Unloading a
// form runs its unload handler once, then the form goes away. This is also
// where the program ends itself.
class Forms : public QObject {
    Q_OBJECT
public:
    explicit Forms(Platform& platform, QObject* parent = nullptr);
    ~Forms() override;

    // Records `form` as loaded, after every form loaded before it.
    // `unloadHandler` is the form's Form_Unload. With `deleteOnUnload` the
    // form is deleted once it has been unloaded.
    void loaded(QWidget* form, std::function<void()> unloadHandler, bool deleteOnUnload = true);

    bool isLoaded(const QWidget* form) const;
    bool isUnloading(const QWidget* form) const;
    QList<QWidget*> loadedForms() const;

    // Runs the form's unload handler (a failing handler is passed over),
    // removes it from the collection, hides it and, if so recorded, deletes
    // it later. Returns false, doing nothing, for a form that is not loaded
    // or whose unload is already under way.
    bool unload(QWidget* form);

    // Ends the process through the platform. Afterwards processEnded() is
    // true; a platform that returns from ending (a test's) finds nothing
    // more happening.
    void endProcess(int exitCode);
    bool processEnded() const { return m_processEnded; }

signals:
    // The unload of `form` begins: its unload handler runs next.
    void unloadStarted(QWidget* form);

private:
    struct Entry {
        QPointer<QWidget> form;
        std::function<void()> unloadHandler;
        bool deleteOnUnload = true;
        bool unloading = false;
    };

    // The entry of `form` in m_entries, or -1.
    qsizetype find(const QWidget* form) const;
    void forget(const QObject* form);

    Platform& m_platform;
    QList<Entry> m_entries;
    bool m_processEnded = false;
};

} // namespace aurivane
