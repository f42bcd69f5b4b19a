#include "frmStartup.h"

#include "mainwindow/frmMain.h"
#include "platform/Forms.h"

namespace aurivane {

frmStartup::frmStartup(Platform& platform, Forms& forms, QWidget* parent)
    : QWidget(parent), m_platform(platform), m_forms(forms) {}

frmStartup::~frmStartup() = default;

void frmStartup::Form_Load() {
    auto* main = new frmMain(m_platform, m_forms, nullptr);
    main->show();
}

} // namespace aurivane
