#pragma once

namespace aurivane {

// From now on every window the program shows, Qt's message boxes included,
// rings the control that has the keyboard focus while the window is active,
// however the focus came there: a light band and a dark one, each two pixels
// thick at scale 1, the outer one standing out from what the control lies
// on and the inner one from the control's edge. Called once, after the
// application is created.
void ShowFocusRingInEveryWindow();

} // namespace aurivane
