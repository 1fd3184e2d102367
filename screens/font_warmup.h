// Loads the desktop's font configuration on a second thread while the windowing
// system is being connected, so that the first screen's texts need not wait for it.
#pragma once

#include <thread>

namespace dishwright {

class FontWarmup {
public:
  FontWarmup();
  ~FontWarmup();
  FontWarmup(const FontWarmup &) = delete;
  FontWarmup &operator=(const FontWarmup &) = delete;
  // Waits until the configuration is loaded.
  void finish();

private:
  std::thread thread_;
};

} // namespace dishwright
