#pragma once

namespace aurivane {

// What the main window asks of the program around it when it closes: the
// support screen comes up and the hidden start-up form stays hidden.
class MainWindowHost {
public:
    virtual ~MainWindowHost() = default;
    virtual void ShowSupportScreen() = 0;
    virtual void HideStartupForm() = 0;
};

} // namespace aurivane
