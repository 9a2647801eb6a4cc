#pragma once
// The mouse wheel over a scrolled settings panel scrolls the panel: a combo box or spin box in it
// takes the wheel only once it has the focus (a click or Tab gives it), so that scrolling past a
// setting never changes it.

class QWidget;

namespace platform {

// Every combo box and spin box under root now: the wheel gives it no focus, and while it has none
// the wheel goes on to the scroll area it lies in. The guard belongs to root.
void wheelScrollsPanel(QWidget *root);

} // namespace platform
