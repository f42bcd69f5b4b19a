#include "FormBehaviour.h"

#include "platform/Forms.h"
#include "platform/Steps.h"

#include <QEvent>
#include <QWidget>

namespace aurivane {

namespace {

class CloseUnloading final : public QObject {
public:
    CloseUnloading(Forms& forms, QWidget& form) : QObject(&form), m_forms(forms), m_form(form) {
        form.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &m_form && event->type() == QEvent::Close) {
            RunStep([this] {
                if (m_forms.isLoaded(&m_form) && !m_forms.isUnloading(&m_form))
                    m_forms.unload(&m_form);
            });
        }
        return false;
    }

private:
    Forms& m_forms;
    QWidget& m_form;
};

} // namespace

void UnloadOnClose(Forms& forms, QWidget& form) {
    new CloseUnloading(forms, form);
}

} // namespace aurivane
