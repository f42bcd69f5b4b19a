#pragma once

#include "engine/ChakraReading.h"
#include "shell/WebPageLauncher.h"

#include <QMainWindow>

#include <array>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace aurivane {

class ClickableLabel;
class Forms;
class MainWindowHost;
class Platform;

// The main window: the two-page reading wizard (page 1 asks for a name and a
// birth date, page 2 shows the reading), the menus, the forum banner and the
// two stacked promotional labels. Closing it hands over to the support
// screen through the host.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    frmMain(Platform& platform, Forms& forms, MainWindowHost* host, QWidget* parent = nullptr);

    // The two promotional labels lie on the same spot; the one in front is
    // the one the user sees. The start-up form brings one of them forward.
    QLabel* lblFullBrand = nullptr;
    QLabel* lblCobrand = nullptr;

    ClickableLabel* Label14 = nullptr;
    QGroupBox* fraFullBrand = nullptr;
    std::array<QGroupBox*, 2> fraStep{};
    std::array<QLabel*, 14> lblLabel{};
    std::array<QLabel*, 11> lblResult{};
    std::array<QLabel*, 7> picDisp{};
    QLineEdit* txtName = nullptr;
    QComboBox* cboMonth = nullptr;
    QComboBox* cboDate = nullptr;
    QComboBox* cboYear = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdBack = nullptr;
    QLabel* picChakra = nullptr;
    QWidget* Shape1 = nullptr;

    QMenu* mnuFile = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuOnline = nullptr;
    QAction* mnuVisit = nullptr;
    QAction* mnuSep1 = nullptr;
    QAction* mnuUpdate = nullptr;
    QAction* mnuSep2 = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuDonate = nullptr;
    QAction* mnuMakeMoney = nullptr;

    // The one reading this window holds.
    const ChakraReading& Reading() const { return m_reading; }

    void Form_Load();
    void cmdNext_Click();
    void cmdBack_Click();
    bool ValidatePersonalDetails();
    void ShowReading(const ChakraReading& reading);

    // Brings one of the two promotions stacked in fraFullBrand to the front;
    // the other is hidden, out of reach of Tab, the mouse and screen readers.
    void BringPromotionToFront(QLabel* promotion);
    void Label14_Click() { OpenPage(WebPageKey::HomePage); }
    void lblFullBrand_Click() { OpenPage(WebPageKey::FullyBranded); }
    void lblCobrand_Click() { OpenPage(WebPageKey::CoBrand); }
    void mnuExit_Click();
    void mnuOnline_Click() { OpenPage(WebPageKey::HelpWebPage); }
    void mnuVisit_Click() { OpenPage(WebPageKey::HomePage); }
    void mnuUpdate_Click() { OpenPage(WebPageKey::DownloadWebPage); }
    void mnuAbout_Click();
    void mnuDonate_Click() { OpenPage(WebPageKey::Donate); }
    void mnuMakeMoney_Click() { OpenPage(WebPageKey::FullyBranded); }

    void Form_Unload();

private:
    void BuildMenus();
    void BuildBanner(QWidget& client);
    void BuildPersonalDetailsPage(QWidget& client);
    void BuildReadingPage(QWidget& client);
    void BuildTabOrder();
    void ShowPage(std::size_t page, QWidget* focus);
    void OpenPage(WebPageKey key);

    Platform& m_platform;
    Forms& m_forms;
    MainWindowHost* m_host;
    ChakraReading m_reading;
};

} // namespace aurivane
