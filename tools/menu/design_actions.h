// The File menu's design entries on every window ("Open design...", "Save
// design", "Save design as...", "Recent designs") given to the design document.
#pragma once

namespace dishwright {

class DesignDocument;
class FileMenu;

// Connects the menu's entries to `document` (which enables them) and keeps the
// menu's list of recent designs the document's.
void addDesignActions(DesignDocument &document, FileMenu &menu);

} // namespace dishwright
