// Puts the builder's tools into every screen's menu.
#pragma once

namespace dishwright {

class ScreenSet;
class ToolMenu;

// Templates... (Ctrl+T), Measure a dish... (Ctrl+M), Check a can... (Ctrl+K),
// Feed and efficiency... (Ctrl+E) and Check with the sun... (Ctrl+U).
// A measured f/D the user takes goes into the input screen's f/D field.
void addBuilderTools(ToolMenu &menu, ScreenSet &screens);

} // namespace dishwright
