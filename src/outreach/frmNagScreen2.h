#pragma once

#include <QIcon>
#include <QStringList>
#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace aurivane {

class ClickableLabel;
class Forms;
class Platform;
class ReferAFriendPanel;

// The support screen: the last window of a run. It asks the user to visit
// the forum, links to the maker's pages, carries the refer-a-friend panel
// and stays above other windows. Leaving it ends the program.
class frmNagScreen2 : public QWidget {
    Q_OBJECT
public:
    // `icon` is the application icon, borrowed from the start-up form.
    frmNagScreen2(Platform& platform, Forms& forms, const QIcon& icon, QWidget* parent = nullptr);
    ~frmNagScreen2() override;

    // The four texts one of which the screen shows, chosen at random.
    static QStringList SupportMessages();
    static QString Caption();

    void Form_Load();
    void Form_Unload();
    void Check1_Click();
    void lblGoToHome_Click();
    void cmdClose_Click();

    QLabel* picNagscreen2Icon = nullptr;
    QLabel* lblNagScreen2Caption = nullptr;
    QLabel* Label2 = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* cmdClose = nullptr;
    ReferAFriendPanel* Frame2 = nullptr;
    QGroupBox* Frame6 = nullptr;
    QLabel* Label3 = nullptr;
    ClickableLabel* lblGoToHome = nullptr;

private:
    void buildLayout();

    Platform& m_platform;
    Forms& m_forms;
    QIcon m_icon;
};

} // namespace aurivane
