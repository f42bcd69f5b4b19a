#pragma once

#include <QMainWindow>

class QLabel;

namespace aurivane {

class Forms;
class MainWindowHost;
class Platform;

// The main window. (Placeholder until the reading wizard lands.)
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    frmMain(Platform& platform, Forms& forms, MainWindowHost* host, QWidget* parent = nullptr);
    ~frmMain() override;

    QLabel* lblFullBrand = nullptr;
    QLabel* lblCobrand = nullptr;

private:
    Platform& m_platform;
    Forms& m_forms;
    MainWindowHost* m_host;
};

} // namespace aurivane
