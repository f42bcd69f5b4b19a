#pragma once

class QWidget;

namespace aurivane {

// Labels that work as links tell assistive technology so: a label marked
// here is announced with the link role, its accessible name (or its text
// when it has none) and a Press action. Pressing it sends the label the
// Space key, the same key a keyboard user activates it with, so the label
// must handle Space. Mark a label right after creating it, before anything
// asks for its accessible interface.
void MarkAsLink(QWidget& label);

} // namespace aurivane
