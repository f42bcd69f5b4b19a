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

} // namespace aurivane
