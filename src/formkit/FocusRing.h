#pragma once

namespace aurivane {

// From now on, every window the program shows (its forms and dialogs, Qt's
// message boxes included) marks the control that has the keyboard focus
// with a ring around it, the same in each: a light band and a dark one, each
// two pixels thick at scale 1 and growing with the scale, the one outside
// standing out from what the control lies on (the dark red and navy forms,
// white) and the one inside from the control's own edge. The ring shows
// while the window is active, from the moment it opens, whether the focus
// came there by the keyboard, the mouse or the program. Called once, after
// the application is created.
void ShowFocusRingInEveryWindow();

} // namespace aurivane
