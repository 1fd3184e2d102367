#include "font_warmup.h"

#include <fontconfig/fontconfig.h>

namespace dishwright {

// FcInit loads the configuration once per process and does nothing after that,
// so Qt's own call later finds it ready.
FontWarmup::FontWarmup() : thread_([] { FcInit(); }) {}

FontWarmup::~FontWarmup() { finish(); }

void FontWarmup::finish() {
  if (thread_.joinable())
    thread_.join();
}

} // namespace dishwright
