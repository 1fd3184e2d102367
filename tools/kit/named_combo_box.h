// Screen readers on Linux take a combo box's name from the item it shows ("inch",
// "Rib", "A4"), not from the name the program gives it. This gives every combo
// box of the tool windows the name it was given, its shown item as its value.
#pragma once

namespace dishwright {

// Installs the accessible interface once; every tool window calls it.
void useNamedComboBoxes();

} // namespace dishwright
