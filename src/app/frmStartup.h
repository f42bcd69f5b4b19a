#pragma once

#include "mainwindow/MainWindowHost.h"
#include "mainwindow/frmMain.h"
#include "outreach/frmNagScreen2.h"

#include <QIcon>
#include <QList>
#include <QPointer>
#include <QWidget>

namespace aurivane {

class Forms;
class Platform;

// The start-up form, loaded first and never shown: it runs the start-up and
// holds the icon the support screen borrows until the program ends.
class frmStartup : public QWidget, public MainWindowHost {
    Q_OBJECT
public:
    frmStartup(Platform& platform, Forms& forms, QWidget* parent = nullptr);
    ~frmStartup() override;

    void Form_Load();
    void Form_Unload();

    // Draws n in 1..7 and brings the main window's co-brand label (1, 3, 5)
    // or full-brand label (2, 4, 6) to the front; 7 leaves them as they are.
    void CoBrand_Randomize();

    // MainWindowHost
    void ShowSupportScreen() override;
    void HideStartupForm() override;

    QList<QIcon> IMGIcon; // the application icon first
    // The number last drawn by CoBrand_Randomize, 0 before the first draw.
    qint16 intCoBrandRandomNumber = 0;

    frmMain* mainWindow() const { return m_main; }
    frmNagScreen2* supportScreen() const { return m_nagScreen; }

private:
    Platform& m_platform;
    Forms& m_forms;
    QPointer<frmMain> m_main;
    QPointer<frmNagScreen2> m_nagScreen;
};

} // namespace aurivane
