#pragma once

class QWidget;

namespace aurivane {

class Forms;

// Closing `form` by its window frame (or close()) unloads it from `forms`,
// unless it is not loaded or its unload is already under way.
void UnloadOnClose(Forms& forms, QWidget& form);

} // namespace aurivane
