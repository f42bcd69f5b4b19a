#include "frmMain.h"

#include "MainWindowHost.h"
#include "platform/Forms.h"

#include <QLabel>

namespace aurivane {

frmMain::frmMain(Platform& platform, Forms& forms, MainWindowHost* host, QWidget* parent)
    : QMainWindow(parent), m_platform(platform), m_forms(forms), m_host(host) {
    setWindowTitle(QStringLiteral("Aurivane v1.20"));
    lblFullBrand = new QLabel(this);
    lblCobrand = new QLabel(this);
    m_forms.loaded(this, [] {});
}

frmMain::~frmMain() = default;

} // namespace aurivane
