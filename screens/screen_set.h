// The seven screens and the buttons that lead from one to another.
#pragma once

#include "design_values.h"

#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <memory>

class QPrinter;

namespace dishwright {

class Screen;

enum class ScreenId { Form1, Form2, Form3, Form4, Form5, Form6, Web };
constexpr std::size_t kScreenCount = 7;

class ScreenSet : public QObject {
  Q_OBJECT

public:
  ScreenSet();
  ~ScreenSet() override;

  // Shows a screen: creates its one instance the first time, loads it when it is
  // not loaded (a load that fails is reported and leaves it not loaded), and
  // brings it to the front.
  void show(ScreenId id);
  // The instance, or nullptr before the screen was first shown.
  Screen *screen(ScreenId id) const { return screens_[index(id)].get(); }
  bool isLoaded(ScreenId id) const;
  DesignValues &values() { return values_; }

  // What the program does on a failure: by default a message box naming it. Tests
  // capture the message instead.
  using Reporter = std::function<void(const QString &message)>;
  void setReporter(Reporter reporter) { report_ = std::move(reporter); }
  // What ends the program: EXIT, or closing the last loaded screen.
  void setExitHandler(std::function<void()> handler) { exit_ = std::move(handler); }
  // Where Print goes: by default the system's default printer; nullptr when
  // there is none.
  using PrinterFactory = std::function<std::unique_ptr<QPrinter>()>;
  void setPrinterFactory(PrinterFactory factory) { printer_ = std::move(factory); }

private:
  static std::size_t index(ScreenId id) { return static_cast<std::size_t>(id); }
  void onClicked(ScreenId id, const QString &control);
  void onClosed(ScreenId id);
  void storeInputsThenShow(ScreenId target);
  void printScreen(ScreenId id);
  void openWebPage();
  void endProgram();

  DesignValues values_;
  std::array<std::unique_ptr<Screen>, kScreenCount> screens_;
  Reporter report_;
  std::function<void()> exit_;
  PrinterFactory printer_;
};

} // namespace dishwright
