// "Open design...", "Save design" and "Save design as..." on every screen's
// right-click menu, after the builder's tools, with their keys.
#pragma once

namespace dishwright {

class DesignDocument;
class ScreenSet;

// Call after the ToolMenu is made, so that the entries follow the tools'.
// "Save design as..." has no key here: Ctrl+Shift+S saves the profile as CSV on
// the screens with a profile.
void addDesignActions(DesignDocument &document, ScreenSet &screens);

} // namespace dishwright
