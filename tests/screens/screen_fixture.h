// A screen set with captured failure reports and a recorded end of program, and
// small helpers to drive the screens as a user would.
#pragma once

#include "screens/row_list_model.h"
#include "screens/screen.h"
#include "screens/screen_set.h"

#include <QLineEdit>
#include <QList>
#include <QStringList>
#include <QTest>
#include <QUrl>

#include <memory>

namespace dishwright::test {

// Receives the addresses the desktop is asked to open, in place of a browser.
class UrlCatcher : public QObject {
  Q_OBJECT
public:
  QList<QUrl> urls;
public slots:
  void open(const QUrl &url) { urls << url; }
};

struct Program {
  std::unique_ptr<ScreenSet> screens = std::make_unique<ScreenSet>();
  QStringList reports;
  QList<QWidget *> reportedOver; // the window each report was placed over
  int exits = 0;

  Program() {
    screens->setReporter([this](QWidget *over, const QString &message) {
      reports << message;
      reportedOver << over;
    });
    screens->setExitHandler([this] { ++exits; });
    screens->openScreen(ScreenId::Input);
  }

  Screen *screen(ScreenId id) const { return screens->screen(id); }
  bool loaded(ScreenId id) const { return screens->isLoaded(id); }
  QString text(ScreenId id, const char *control) const {
    return screen(id)->text(QString::fromLatin1(control));
  }
  void type(const char *control, const QString &text) {
    auto *edit = qobject_cast<QLineEdit *>(screen(ScreenId::Input)->control(control));
    QVERIFY(edit);
    edit->setText(text);
  }
  void inputs(const QString &fd, const QString &dia, const QString &freq) {
    type("Text6", fd);
    type("Text8", dia);
    type("Text10", freq);
  }
  void click(ScreenId id, const char *control) {
    QWidget *w = screen(id)->control(QString::fromLatin1(control));
    QVERIFY2(w, control);
    QTest::mouseClick(w, Qt::LeftButton);
  }
  void close(ScreenId id) { screen(id)->window()->close(); }
  // Opens every screen from one design (0.4, 1.2, 2304 MHz) by their buttons.
  void openEveryScreen() {
    inputs("0.4", "1.2", "2304");
    click(ScreenId::Input, "Command1");
    click(ScreenId::Input, "Command2");
    click(ScreenId::ImperialCalculation, "Command2");
    click(ScreenId::ImperialCalculation, "Command5");
    click(ScreenId::MetricCalculation, "Command5");
    click(ScreenId::ImperialCalculation, "Command1");
  }
};

} // namespace dishwright::test
