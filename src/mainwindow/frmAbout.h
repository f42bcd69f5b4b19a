#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace aurivane {

class ClickableLabel;
class Forms;
class Platform;

// The about box: what the program does, the offer of a fully branded copy
// and two links to Quillmoor. Made afresh for every opening.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    frmAbout(Platform& platform, Forms& forms, QWidget* parent = nullptr);

    QLabel* picIcon = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    ClickableLabel* lblHomePage = nullptr;
    QLabel* Label3 = nullptr;
    ClickableLabel* lblCoBrand = nullptr;
    QWidget* Line2 = nullptr;
    QPushButton* cmdOK = nullptr;

    void cmdOK_Click() { done(QDialog::Accepted); }
    void lblHomePage_Click();
    void lblCoBrand_Click();

    // Closing by any way (OK, Enter, Esc, the title bar) unloads the box.
    void done(int result) override;

private:
    Platform& m_platform;
    Forms& m_forms;
};

} // namespace aurivane
