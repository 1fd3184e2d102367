// The seven screens and the buttons that lead from one to another.
#pragma once

#include "calc/screen_rules/design_values.h"
#include "print/screen_printer.h"
#include "screens/control_spec.h"

#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace dishwright {

class Screen;

enum class ScreenId {
  Input,               // InputScreen: the three inputs, FEET and METERS
  ImperialCalculation, // CalculationScreen: figures and profile in feet and inches
  MetricCalculation,   // CalculationScreen: figures and profile in metres, cm and mm
  CoffeeCan,           // CoffeeCanScreen: the coffee-can feed
  ImperialPrint,       // PrintScreen: the imperial profile in six columns
  MetricPrint,         // PrintScreen: the metric profile in six columns
  WebLink,             // WebScreen: the author's page
};
constexpr std::size_t kScreenCount = 7;

class ScreenSet : public QObject {
  Q_OBJECT

public:
  ScreenSet();
  ~ScreenSet() override;

  // Opens a screen: creates its one instance the first time, loads it when it is
  // not loaded (a load that fails is reported and leaves it not loaded), and
  // brings its window to the front. FEET, METERS and COFFEE CAN ANTENNA show the
  // design stored last, loading their screen again when it shows another; a print
  // screen lists the design of the calculation screen it is opened from.
  void openScreen(ScreenId id);
  // The instance, or nullptr before the screen was first shown.
  Screen *screen(ScreenId id) const { return screens_[index(id)].get(); }
  bool isLoaded(ScreenId id) const;
  DesignValues &values() { return values_; }
  // Opens the input screen and puts `text` into one of its fields (f/D ratio,
  // diameter or frequency), as if the user had typed it.
  void putInput(Field field, const QString &text);

  // Ends the program as EXIT does (File > Quit, Ctrl+Q): the quit guard is asked
  // first, over `over`, and answered no, everything stays as it was.
  void quit(QWidget *over);

  // What the program does on a failure: by default a message box over the window
  // of the screen whose action failed (`over`, nullptr when no screen is open),
  // modal to it. Tests capture the message instead.
  using Reporter = std::function<void(QWidget *over, const QString &message)>;
  void setReporter(Reporter reporter) { report_ = std::move(reporter); }
  // What ends the program: EXIT, or closing the last loaded screen.
  void setExitHandler(std::function<void()> handler) { exit_ = std::move(handler); }
  // Asked before the program ends (EXIT on any screen, or the close box of the
  // last screen open), with the window acted on: false and the program goes on,
  // every screen as it was. Windows of other parts of the program that hold the
  // user's work ask here; by default nothing is asked.
  using QuitGuard = std::function<bool(QWidget *over)>;
  void setQuitGuard(QuitGuard guard) { quitGuard_ = std::move(guard); }
  const QuitGuard &quitGuard() const { return quitGuard_; }
  // Where Print goes: by default the print system's default printer, or why
  // there is none.
  using PrinterFactory = dishwright::PrinterFactory;
  void setPrinterFactory(PrinterFactory factory) { printer_ = std::move(factory); }
  // How the user picks a printer when none is the default: by default the
  // standard print dialog.
  using PrintDialog = dishwright::PrintDialog;
  void setPrintDialog(PrintDialog dialog) { printDialog_ = std::move(dialog); }
  // How long printing a long listing runs before its progress shows, with
  // Cancel, ms.
  void setProgressAfter(int ms) { progressAfterMs_ = ms; }

signals:
  // A screen's window and controls were made and its figures written: it is about
  // to be shown. Windows of other parts of the program hook in here.
  void screenLoaded(dishwright::ScreenId id, QWidget *window);

private:
  static std::size_t index(ScreenId id) { return static_cast<std::size_t>(id); }
  void onClicked(ScreenId id, Command command);
  // Reports a failure over the screen whose action is running.
  void report(const QString &message);
  void onClosed(ScreenId id);
  // Whether the user's close of screen `id` may go ahead: when it is the last
  // screen open, the quit guard answers.
  bool mayClose(ScreenId id) const;
  bool mayQuit(QWidget *over) const { return !quitGuard_ || quitGuard_(over); }
  void storeInputsThenOpen(ScreenId target);
  // Loads with `design` when the screen is not loaded.
  void openScreen(ScreenId id, DesignValues &design);
  // Opens the screen showing `design`: a loaded screen that shows another design
  // is loaded again in its place; one that failed to load is reported and gone.
  void showDesign(ScreenId id, DesignValues &design);
  void openListing(ScreenId from, ScreenId target);
  void printScreen(ScreenId id);
  void openWebPage();
  void endProgram();

  DesignValues values_;
  std::array<std::unique_ptr<Screen>, kScreenCount> screens_;
  Reporter report_;
  ScreenId acting_ = ScreenId::Input; // the screen whose button or link runs
  std::function<void()> exit_;
  QuitGuard quitGuard_;
  PrinterFactory printer_;
  PrintDialog printDialog_ = standardPrintDialog;
  int progressAfterMs_ = 500; // a job shorter than this shows no progress
};

} // namespace dishwright
