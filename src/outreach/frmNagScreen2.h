#pragma once

#include <QDialog>
#include <QIcon>

class QCheckBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QPushButton;

namespace aurivane {

class ClickableLabel;
class Forms;
class Platform;
class ReferAFriendPanel;

// The support screen, the last window of a run, above the others; leaving it
// ends the program. A dialog, run modeless, so that screen readers announce
// it as one and read its message as it opens.
class frmNagScreen2 : public QDialog {
    Q_OBJECT
public:
    // `icon` is the application icon, borrowed from the start-up form.
    frmNagScreen2(Platform& platform, Forms& forms, const QIcon& icon, QWidget* parent = nullptr);

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

protected:
    // Escape leaves the screen open, as it always has: closing it ends the
    // program, and a stray key must not lose a recommendation being typed.
    void keyPressEvent(QKeyEvent* event) override;

private:
    Platform& m_platform;
    Forms& m_forms;
    QIcon m_icon;
};

} // namespace aurivane
