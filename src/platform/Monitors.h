#pragma once

class QGuiApplication;
class QScreen;
class QWidget;

namespace aurivane::Monitors {

// The monitor a window opens on, one rule for every window: the one it was
// sent to with OpenOnMonitorOf(); else, when it belongs to a window on
// screen, that window's monitor; else (the windows of the start) the primary
// monitor. A monitor unplugged since then counts as none.
QScreen* OpeningMonitor(const QWidget& window);

// `window` opens on the monitor `other` is on now, also once `other` has
// gone.
void OpenOnMonitorOf(QWidget& window, const QWidget& other);

// Moves the top-level `window` onto its opening monitor, centred in that
// monitor's free area: its whole frame, title bar included, once the system
// has told its size. A window larger than that area goes to its top-left
// corner, so that its title bar stays within reach.
void Centre(QWidget& window);

// Centres `window` the first time it is shown, and once more as soon as the
// window manager has framed it, when its frame turns out other than the one
// it was centred with (X11 tells the frame only then). Later shows leave it
// where it is.
void CentreOnFirstShow(QWidget& window);

// From now on a top-level window of fixed size that moves to a monitor of
// another scale takes its size for that scale at once: the same size in
// points, the pixels that scale gives. Windows does this itself; X11 keeps
// the pixels, which draws the form cut off, or in a corner of the window.
void KeepFixedSizesAtEveryScale(QGuiApplication& application);

} // namespace aurivane::Monitors
