#pragma once

#include <QWidget>

namespace aurivane {

class Forms;
class Platform;

// The hidden start-up form. (Placeholder until the start-up sequence lands.)
class frmStartup : public QWidget {
    Q_OBJECT
public:
    frmStartup(Platform& platform, Forms& forms, QWidget* parent = nullptr);
    ~frmStartup() override;

    void Form_Load();

private:
    Platform& m_platform;
    Forms& m_forms;
};

} // namespace aurivane
