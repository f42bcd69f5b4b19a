#pragma once

class QScreen;
class QWidget;

namespace aurivane::Monitors {

// The monitor a window opens on: the one it was sent to (OpenOnMonitorOf),
// else its owner's while that shows, else the primary one. A monitor
// unplugged since counts as none.
QScreen* OpeningMonitor(const QWidget& window);

// `window` opens on the monitor `other` is on now, even once `other` has gone.
void OpenOnMonitorOf(QWidget& window, const QWidget& other);

// Centres the top-level `window`, frame included, in its opening monitor's free
// area on its first show (now, if it is showing), and only then; one larger than
// that area goes to its top-left corner. A window manager that will not say what
// frame it draws (KWin) places the window itself. Of fixed size, it keeps its
// size in points on a monitor of another scale: Windows does this itself, X11
// keeps the pixels and cuts the form off.
void CentreOnFirstShow(QWidget& window);

} // namespace aurivane::Monitors
