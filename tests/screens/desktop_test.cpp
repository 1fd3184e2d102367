// The screens on a real desktop: any theme, figures whole, keyboard, windows.
#include "screens/screen_style.h"
#include "tests/screens/screen_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QDesktopServices>
#include <QLineEdit>
#include <QTest>
#include <QUrl>

namespace dishwright {
using test::Program;
using test::UrlCatcher;

namespace {

QImage grabScreen(Program &p, ScreenId id) {
  QWidget *w = p.screen(id)->window();
  return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A dark desktop palette, as a dark theme gives the application.
QPalette darkDesktop() {
  QPalette dark(QColor(53, 53, 53), QColor(40, 40, 40));
  dark.setColor(QPalette::Text, QColor(235, 235, 235));
  dark.setColor(QPalette::WindowText, QColor(235, 235, 235));
  dark.setColor(QPalette::ButtonText, QColor(235, 235, 235));
  dark.setColor(QPalette::Base, QColor(30, 30, 30));
  dark.setColor(QPalette::Highlight, QColor(120, 170, 255));
  return dark;
}

// True when the field shows the whole of its text: with the cursor at the end the
// text has not been scrolled, so end and start lie a full text width apart. (The
// edit works out its scrolling when it paints, hence the grabs.)
bool showsWholeText(QLineEdit *edit) {
  edit->setCursorPosition(edit->text().size());
  edit->grab();
  const int end = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
  edit->setCursorPosition(0);
  edit->grab();
  const int start = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
  return end - start == edit->fontMetrics().horizontalAdvance(edit->text());
}

} // namespace

class DesktopTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { useScreenStyle(); }

  void darkThemeLooksLikeLight_data() {
    QTest::addColumn<int>("screen");
    for (int id = 0; id < int(kScreenCount); ++id)
      QTest::newRow(qPrintable(QString("screen %1").arg(id))) << id;
  }
  void darkThemeLooksLikeLight() {
    QFETCH(int, screen);
    const QPalette desktop = QApplication::palette();
    Program light;
    light.openEveryScreen();
    const QImage expected = grabScreen(light, ScreenId(screen));
    QApplication::setPalette(darkDesktop());
    Program dark;
    dark.openEveryScreen();
    const QImage actual = grabScreen(dark, ScreenId(screen));
    QApplication::setPalette(desktop);
    QCOMPARE(actual, expected);
  }

  void figuresAreShownWhole_data() {
    QTest::addColumn<QString>("freq");
    QTest::addColumn<QString>("mesh");
    QTest::addColumn<bool>("designSize"); // the design font, because the text fits
    QTest::newRow("frequency typed in Hz") << "2304000000"
                                           << "5.125868E-07" << false;
    QTest::newRow("worked example, cut before") << "2304"
                                                << "0.5125868" << false;
    QTest::newRow("short figure") << "1296"
                                  << "0.9112654" << false;
    QTest::newRow("fits at the design size") << "11810"
                                             << "0.1" << true;
  }
  void figuresAreShownWhole() {
    QFETCH(QString, freq);
    QFETCH(QString, mesh);
    QFETCH(bool, designSize);
    Program p;
    p.inputs("0.4", "4", freq);
    p.click(ScreenId::Input, "Command1");
    auto *edit =
        qobject_cast<QLineEdit *>(p.screen(ScreenId::ImperialCalculation)->control("Text36"));
    QCOMPARE(edit->text(), mesh);
    QVERIFY(showsWholeText(edit));
    QCOMPARE(edit->font().pixelSize() == kNumberFont.pixelSize, designSize);
    QCOMPARE(QAccessible::queryAccessibleInterface(edit)->text(QAccessible::Value), mesh);
  }

  void leavingAFieldShowsItsStart() {
    Program p;
    p.inputs("0.4", "4", "2304");
    p.click(ScreenId::Input, "Command1");
    p.click(ScreenId::ImperialCalculation, "Command2");
    QWidget *window = p.screen(ScreenId::CoffeeCan)->window();
    for (int i = 0; i < 11; ++i) // a whole round of Tab, as a user would go
      QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
    for (QLineEdit *edit : window->findChildren<QLineEdit *>())
      if (edit != window->focusWidget())
        QCOMPARE(edit->cursorPosition(), 0);
  }

  void enterPressesTheFocusedButton_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
  }
  void enterPressesTheFocusedButton() {
    QFETCH(int, key);
    Program p;
    p.inputs("0.4", "4", "2304");
    QWidget *feet = p.screen(ScreenId::Input)->control("Command1");
    feet->setFocus();
    QTest::keyClick(feet, Qt::Key(key));
    QTRY_VERIFY(p.loaded(ScreenId::ImperialCalculation));
  }

  void keysOpenTheWebLink() {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("http", &catcher, "open");
    QDesktopServices::setUrlHandler("https", &catcher, "open");
    Program p;
    p.inputs("0.4", "4", "2304");
    p.click(ScreenId::Input, "Command1");
    p.click(ScreenId::ImperialCalculation, "Command1");
    QWidget *web = p.screen(ScreenId::WebLink)->window();
    QTest::keyClick(web, Qt::Key_Return);
    QTest::keyClick(web, Qt::Key_Space);
    QDesktopServices::unsetUrlHandler("http");
    QDesktopServices::unsetUrlHandler("https");
    QCOMPARE(catcher.urls.size(), 2);
  }

  void aMinimisedScreenComesBack() {
    Program p;
    p.inputs("0.4", "4", "2304");
    p.click(ScreenId::Input, "Command1");
    QWidget *calc = p.screen(ScreenId::ImperialCalculation)->window();
    calc->showMinimized();
    QVERIFY(calc->isMinimized());
    p.click(ScreenId::Input, "Command1");
    QVERIFY(!calc->isMinimized());
    QVERIFY(calc->isVisible());
  }

  void aPasteOfAnyLengthIsReadWhole() {
    Program p;
    p.inputs("0.4", QString(40000, '0') + "4", "2304");
    p.click(ScreenId::Input, "Command1");
    QCOMPARE(p.text(ScreenId::ImperialCalculation, "Text30"), "4");
  }
};

} // namespace dishwright

QTEST_MAIN(dishwright::DesktopTest)
#include "desktop_test.moc"
