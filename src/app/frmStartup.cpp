#include "frmStartup.h"

#include "mainwindow/ChakraPictures.h"
#include "mainwindow/frmMain.h"
#include "outreach/frmNagScreen2.h"
#include "platform/Forms.h"
#include "platform/Monitors.h"
#include "platform/Platform.h"
#include "platform/Steps.h"
#include "shell/UpdateReminder.h"
#include "shell/modHelp.h"

#include <stdexcept>

namespace aurivane {

frmStartup::frmStartup(Platform& platform, Forms& forms, QWidget* parent)
    : QWidget(parent), m_platform(platform), m_forms(forms) {
    setWindowTitle(Platform::ApplicationTitle());
    IMGIcon.append(ChakraPictures::WindowIcon());
    // Unloaded by the exit, never deleted.
    m_forms.loaded(
        this, [this] { Form_Unload(); }, false);
}

frmStartup::~frmStartup() {
    // Reached only when the program did not end itself (tests).
    delete m_nagScreen.data();
    delete m_main.data();
}

void frmStartup::Form_Load() {
    bool refused = false;
    RunStep([&] { refused = m_platform.anotherInstanceRunning(); });
    if (refused) {
        RunStep([&] {
            m_platform.showMessage(nullptr, QStringLiteral("Application is already running"),
                                   MessageIcon::Information);
        });
        modHelp::ExitApplication(m_forms);
        return;
    }

    RunStep([&] { m_platform.seedRandomFromClock(); });
    RunStep([&] { modHelp::RemindAboutUpdate(m_platform); });
    RunStep([&] {
        if (m_main.isNull())
            m_main = new frmMain(m_platform, m_forms, this);
        m_main->show();
    });
    hide();
    RunStep([&] { CoBrand_Randomize(); });
}

void frmStartup::Form_Unload() {
    modHelp::ExitApplication(m_forms);
}

void frmStartup::CoBrand_Randomize() {
    const float r = m_platform.nextRandom();
    const float scaled = r * 6.0F + 1.0F;
    intCoBrandRandomNumber = static_cast<qint16>(Platform::RoundHalfEven(scaled));
    // 1, 3 and 5 bring the co-brand label forward, 2, 4 and 6 the full-brand one.
    if (intCoBrandRandomNumber < 1 || intCoBrandRandomNumber > 6)
        return;
    if (m_main.isNull())
        throw std::runtime_error("the main window is not there");
    m_main->BringPromotionToFront(intCoBrandRandomNumber % 2 == 1 ? m_main->lblCobrand
                                                                  : m_main->lblFullBrand);
}

void frmStartup::ShowSupportScreen() {
    if (m_nagScreen.isNull())
        m_nagScreen = new frmNagScreen2(m_platform, m_forms, IMGIcon.value(0));
    // It comes up where the user last looked: the main window's monitor.
    if (!m_main.isNull())
        Monitors::OpenOnMonitorOf(*m_nagScreen, *m_main);
    m_nagScreen->show();
    // The screen takes the keyboard from the closing main window.
    m_nagScreen->activateWindow();
}

void frmStartup::HideStartupForm() {
    hide();
}

} // namespace aurivane
