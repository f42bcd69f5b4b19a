#pragma once

class QWidget;

namespace aurivane {

class Forms;

// Centres the top-level `window` on the monitor it opens on (its owner's, or
// the primary one) the first time it is shown; later shows leave it where it
// is.
void CentreOnFirstShow(QWidget& window);

// Closing `form` by its window frame (or close()) unloads it from `forms`,
// unless it is not loaded or its unload is already under way.
void UnloadOnClose(Forms& forms, QWidget& form);

// Marks the control of `window` that has the keyboard focus with a ring
// around it, the same on every form: a light band and a dark one, each two
// pixels thick at scale 1 and growing with the scale, the one outside
// standing out from what the control lies on (the dark red and navy forms,
// white) and the one inside from the control's own edge. The ring shows while the window is
// active, from the moment it opens, whether the focus came there by the
// keyboard, the mouse or the program.
void ShowFocusRing(QWidget& window);
// The same ring in every window the program opens from now on, the message
// boxes included.
void ShowFocusRingInEveryWindow();

} // namespace aurivane
