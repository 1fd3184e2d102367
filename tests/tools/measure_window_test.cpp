// The measure window driven as a user drives it, on the offscreen platform.
#include "tests/tools/tool_test_support.h"
#include "tools/measure/measure_window.h"
#include "tools/measure/offset_page.h"
#include "tools/measure/point_table_model.h"
#include "tools/measure/prime_focus_page.h"
#include "tools/measure/surface_page.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <QWindow>

using namespace dishwright;
using namespace dishwright::testing;

namespace {

const char kExamplePoints[] = "# r z, mm\n0 1.0\n150 12.5\n300 47.8\n\n450\t105.0\n600 188.0\n";

// The table's rows of points as "r z" texts between bars, "0 1|150 |300 47.8".
QString tableText(const QAbstractItemModel *model) {
  QStringList rows;
  for (int row = 0; row + 1 < model->rowCount(); ++row) // not the typing row
    rows << model->index(row, 0).data().toString() + ' ' + model->index(row, 1).data().toString();
  return rows.join('|');
}

} // namespace

class MeasureWindowTest : public QObject {
  Q_OBJECT
private slots:
  void typingUpdatesTheFigures_data();
  void typingUpdatesTheFigures();
  void seedFillsTheDesign();
  void pastingFillsTableAndFit();
  void stepsAreUndoneAndRedone_data();
  void stepsAreUndoneAndRedone();
  void tabFromAnOpenCellLeavesTheTable();
  void typedPointsAreFitted();
  void fdChosenCarriesTheShownFd();
  void closingAsksWhilePointsAreEntered_data();
  void closingAsksWhilePointsAreEntered();
  void closeQuestionKeepsThePointsByDefault();
  void tabFollowsTheForm();
};

void MeasureWindowTest::typingUpdatesTheFigures_data() {
  QTest::addColumn<int>("page");
  QTest::addColumn<QStringList>("typed");
  QTest::addColumn<QStringList>("shown");
  QTest::addColumn<QString>("note");
  QTest::newRow("prime") << 0 << QStringList{"3000", "450"}
                         << QStringList{"1250.0 mm", "0.41667", "61.928 degrees", "2.6708 dB"}
                         << "";
  // Focus, tapes, half-angle and aim point checked apart, by the distances and
  // the angle bisector from the focus to the two rim points of the parabola.
  const QStringList offset{"282.95 mm", "23.074 degrees", "0.71282",  "283.06 mm",
                           "479.02 mm", "38.654 degrees", "185.72 mm"};
  QTest::newRow("offset") << 1 << QStringList{"460", "500", "43"} << offset << "";
  QTest::newRow("offset, height first")
      << 1 << QStringList{"500", "460", "43"} << offset
      << "Taken the other way round: the larger size, 500 mm, as the height (long axis), 460 mm "
         "as the width.";
}

void MeasureWindowTest::typingUpdatesTheFigures() {
  QFETCH(int, page);
  QFETCH(QStringList, typed);
  QFETCH(QStringList, shown);
  QFETCH(QString, note);
  MeasureWindow window(DesignSeed{0.4, 1.2, DishSizeUnit::Metres, 10368});
  window.tabs()->setCurrentIndex(page);
  QList<QLineEdit *> fields;
  ResultGrid *results = nullptr;
  if (page == 0) {
    fields = {window.primeFocusPage()->diameterField(), window.primeFocusPage()->depthField()};
    results = window.primeFocusPage()->results();
  } else {
    fields = {window.offsetPage()->widthField(), window.offsetPage()->heightField(),
              window.offsetPage()->depthField()};
    results = window.offsetPage()->results();
  }
  for (int i = 0; i < typed.size(); ++i)
    type(fields[i], typed[i]);
  for (int i = 0; i < shown.size(); ++i)
    QCOMPARE(value(results, i), shown[i]);
  if (page == 1) { // the f/D of a round dish the feed sees, not the oval's own
    QCOMPARE(results->valueField(2)->accessibleName(),
             QString("Equivalent f/D (for choosing the feed)"));
    QCOMPARE(window.offsetPage()->axesNote()->text(), note);
  }
  QCOMPARE(window.useFdButton()->isEnabled(), !shown[0].isEmpty());
  window.unitChooser()->setCurrentIndex(window.unitChooser()->findText("inch"));
  if (!shown[0].isEmpty())
    QVERIFY(value(results, 0).endsWith(" in"));
}

void MeasureWindowTest::seedFillsTheDesign() {
  MeasureWindow window(DesignSeed{0.4, 4, DishSizeUnit::Feet, 2304});
  QCOMPARE(window.primeFocusPage()->diameterField()->text(), QString("48"));
  QCOMPARE(window.unitChooser()->currentText(), QString("inch"));
  QCOMPARE(window.surfacePage()->frequencyField()->text(), QString("2304"));
}

void MeasureWindowTest::pastingFillsTableAndFit() {
  MeasureWindow window(DesignSeed{0.4, 1.2, DishSizeUnit::Metres, 10368});
  window.show();
  window.tabs()->setCurrentWidget(window.surfacePage());
  SurfacePage *page = window.surfacePage();
  QApplication::clipboard()->setText(kExamplePoints);
  page->table()->setFocus();
  QTest::keyClick(page->table(), Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(page->table()->model()->rowCount(), 6); // five points and the typing row
  QCOMPARE(page->table()->model()->index(3, 0).data().toString(), QString("450"));
  QCOMPARE(value(page->results(), 1), QString("481.93 mm"));
  QCOMPARE(value(page->results(), 3), QString("0.37555 mm"));
  QCOMPARE(value(page->results(), 4), QString("30482 MHz"));
  QCOMPARE(value(page->results(), 5), QString("0.11569 dB"));
  page->table()->selectRow(4); // Delete leaves the farthest point out
  QTest::keyClick(page->table(), Qt::Key_Delete);
  QCOMPARE(value(page->results(), 0), QString("4"));
  page->pastePoints("0 1\n150 12.5\n300 47,8 x\n");
  QVERIFY(page->message()->text().contains("line 3: expected two numbers"));
  QCOMPARE(page->table()->model()->rowCount(), 6);
}

void MeasureWindowTest::stepsAreUndoneAndRedone_data() {
  QTest::addColumn<QString>("step"); // at the current cell, or over the selected cells
  QTest::addColumn<QRect>("cells");  // x column, y row: current cell, or cells selected
  QTest::addColumn<QString>("redoKey");
  QTest::addColumn<QString>("after");
  QTest::newRow("paste at a depth over two rows") << "paste" << QRect(1, 1, 1, 1) << "Ctrl+Y"
                                                  << "0 1|10 2|20 3|450 105";
  QTest::newRow("paste past the end") << "paste" << QRect(0, 3, 1, 1) << "Ctrl+Shift+Z"
                                      << "0 1|150 12.5|300 47.8|10 2|20 3";
  QTest::newRow("paste in the typing row") << "paste" << QRect(0, 4, 1, 1) << "Ctrl+Y"
                                           << "0 1|150 12.5|300 47.8|450 105|10 2|20 3";
  QTest::newRow("delete two rows") << "delete" << QRect(0, 1, 2, 2) << "Ctrl+Y"
                                   << "0 1| | |450 105";
  QTest::newRow("delete a depth") << "delete" << QRect(1, 2, 1, 1) << "Ctrl+Y"
                                  << "0 1|150 12.5|300 |450 105";
  QTest::newRow("clear") << "clear" << QRect(0, 0, 1, 1) << "Ctrl+Shift+Z"
                         << "";
}

void MeasureWindowTest::stepsAreUndoneAndRedone() {
  QFETCH(QString, step);
  QFETCH(QRect, cells);
  QFETCH(QString, redoKey);
  QFETCH(QString, after);
  const QString before = "0 1|150 12.5|300 47.8|450 105";
  MeasureWindow window(DesignSeed{0.4, 1.2, DishSizeUnit::Metres, 10368});
  window.tabs()->setCurrentWidget(window.surfacePage());
  window.show();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  SurfacePage *page = window.surfacePage();
  QTableView *table = page->table();
  QAbstractItemModel *model = table->model();
  page->pastePoints("0 1\n150 12.5\n300 47.8\n450 105\n");
  table->setFocus();
  table->setCurrentIndex(model->index(cells.y(), cells.x()));
  table->selectionModel()->select(QItemSelection(model->index(cells.top(), cells.left()),
                                                 model->index(cells.bottom(), cells.right())),
                                  QItemSelectionModel::ClearAndSelect);
  QApplication::clipboard()->setText("10 2\n# a comment\n20 3\n");
  if (step == "paste")
    QTest::keyClick(table, Qt::Key_V, Qt::ControlModifier);
  else if (step == "delete")
    QTest::keyClick(table, Qt::Key_Delete);
  else
    QTest::mouseClick(button(page, "C&lear points"), Qt::LeftButton);
  QCOMPARE(tableText(model), after);
  table->setFocus();
  QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(tableText(model), before);
  QCOMPARE(value(page->results(), 0), QString("4"));
  QTest::keySequence(table, QKeySequence(redoKey));
  QCOMPARE(tableText(model), after);
  QTest::mouseClick(button(page, "Un&do"), Qt::LeftButton);
  QCOMPARE(tableText(model), before);
}

// Tab in an open cell commits it and goes on to the buttons, as from any field:
// the table never keeps the focus.
void MeasureWindowTest::tabFromAnOpenCellLeavesTheTable() {
  MeasureWindow window(DesignSeed{0.4, 1.2, DishSizeUnit::Metres, 10368});
  window.tabs()->setCurrentWidget(window.surfacePage());
  window.show();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  QTableView *table = window.surfacePage()->table();
  table->setFocus();
  table->setCurrentIndex(table->model()->index(0, 1));
  table->edit(table->currentIndex());
  QVERIFY(QApplication::focusWidget() != table);
  QTest::keyClicks(QApplication::focusWidget(), "25");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), button(&window, "P&aste points"));
  QCOMPARE(table->model()->index(0, 1).data().toString(), QString("25"));
  QCOMPARE(window.enteredPointCount(), std::size_t{1});
}

void MeasureWindowTest::typedPointsAreFitted() {
  MeasureWindow window(DesignSeed{0.4, 1.2, DishSizeUnit::Metres, 0});
  SurfacePage *page = window.surfacePage();
  QAbstractItemModel *model = page->table()->model();
  const char *cells[][2] = {{"0", "0"}, {"100", "5"}, {"200", "20"}};
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < 2; ++column)
      model->setData(model->index(row, column), cells[row][column]);
  QCOMPARE(model->rowCount(), 4);
  QCOMPARE(value(page->results(), 1), QString("500.00 mm")); // z = r^2 / 2000
  model->setData(model->index(1, 1), "five");
  QCOMPARE(page->message()->text(), QString("Row 2: the depth \"five\" is not a number."));
  QCOMPARE(value(page->results(), 1), QString());
}

void MeasureWindowTest::fdChosenCarriesTheShownFd() {
  MeasureWindow window(DesignSeed{0.4, 1.2, DishSizeUnit::Metres, 10368});
  QSignalSpy chosen(&window, &MeasureWindow::fdChosen);
  window.tabs()->setCurrentWidget(window.surfacePage());
  QVERIFY(!window.useFdButton()->isEnabled());
  window.surfacePage()->pastePoints(kExamplePoints);
  QTest::mouseClick(window.useFdButton(), Qt::LeftButton);
  QCOMPARE(chosen.count(), 1);
  // The fitted focus over twice the farthest radius, 600 mm.
  QVERIFY(qAbs(chosen[0][0].toDouble() - 481.92919 / 1200) < 1e-6);
}

void MeasureWindowTest::closingAsksWhilePointsAreEntered_data() {
  QTest::addColumn<QString>("route");
  QTest::addColumn<QString>("pasted");
  QTest::addColumn<bool>("discard");
  QTest::addColumn<QString>("question"); // "" when nothing is asked
  const QString twelve = QString("100 5\n").repeated(12);
  const QString ask12 = "Close and discard the 12 measured points?";
  for (const char *route : {"Escape", "Close key", "close box", "Alt+F4"}) {
    QTest::addRow("%s, Cancel", route) << route << twelve << false << ask12;
    QTest::addRow("%s, Discard", route) << route << twelve << true << ask12;
    QTest::addRow("%s, no points", route) << route << "" << false << "";
  }
  QTest::newRow("1 point") << "close box"
                           << "100 5\n"
                           << false << "Close and discard the 1 measured point?";
}

// Every way of closing the window asks while it holds points, and once; the
// window manager's Alt+F4 arrives as the close the window system delivers.
void MeasureWindowTest::closingAsksWhilePointsAreEntered() {
  QFETCH(QString, route);
  QFETCH(QString, pasted);
  QFETCH(bool, discard);
  QFETCH(QString, question);
  QPointer<MeasureWindow> window =
      new MeasureWindow(DesignSeed{0.4, 1.2, DishSizeUnit::Metres, 10368});
  window->setAttribute(Qt::WA_DeleteOnClose); // as the tool menu opens it
  QStringList asked;
  window->setCloseQuestion([&](QWidget *over, const QString &text) {
    asked << text;
    return over == window && discard;
  });
  if (!pasted.isEmpty())
    window->surfacePage()->pastePoints(pasted);
  window->show();
  QVERIFY(QTest::qWaitForWindowActive(window));
  if (route == "Escape")
    QTest::keyClick(window, Qt::Key_Escape);
  else if (route == "Close key")
    QTest::keySequence(window, QKeySequence::Close);
  else if (route == "close box")
    window->close();
  else { // what the window system sends on the window manager's word
    QCloseEvent event;
    QApplication::sendEvent(window->windowHandle(), &event);
  }
  QCOMPARE(asked, question.isEmpty() ? QStringList() : QStringList{question});
  if (question.isEmpty() || discard) {
    QTRY_VERIFY(!window); // closed and gone
    return;
  }
  QVERIFY(window->isVisible());
  QCOMPARE(window->enteredPointCount(), std::size_t(pasted.count('\n')));
  delete window;
}

// The question as the user meets it: Enter (its default button) and Escape keep
// the points, Discard closes.
void MeasureWindowTest::closeQuestionKeepsThePointsByDefault() {
  MeasureWindow window(DesignSeed{0.4, 1.2, DishSizeUnit::Metres, 10368});
  window.surfacePage()->pastePoints("100 5\n200 20\n");
  window.show();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  QString asked;
  const auto answerWith = [&asked](Qt::Key key) {
    QTimer::singleShot(0, [&asked, key] {
      if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
        asked = box->text();
        QTest::keyClick(box, key);
      }
    });
  };
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
    asked.clear();
    answerWith(key);
    QVERIFY(!window.close());
    QCOMPARE(asked, QString("Close and discard the 2 measured points?"));
    QVERIFY(window.isVisible());
    QCOMPARE(window.enteredPointCount(), std::size_t{2});
  }
  QTimer::singleShot(0, [] {
    if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
      QTest::mouseClick(button(box, "&Discard"), Qt::LeftButton);
  });
  QVERIFY(window.close());
  QVERIFY(!window.isVisible());
}

// Tab from the first field reaches the inputs in reading order, then the figures.
void MeasureWindowTest::tabFollowsTheForm() {
  MeasureWindow measure(DesignSeed{});
  QCOMPARE(nextTabStop(measure.primeFocusPage()->diameterField()),
           measure.primeFocusPage()->depthField());
  QCOMPARE(nextTabStop(measure.primeFocusPage()->depthField()),
           measure.primeFocusPage()->results()->valueField(0));
  // Out of the points table: Paste, Clear (Undo and Redo have no step yet), the frequency.
  SurfacePage *surface = measure.surfacePage();
  QWidget *clear = button(surface, "C&lear points");
  QCOMPARE(nextTabStop(surface->table()), button(surface, "P&aste points"));
  QCOMPARE(nextTabStop(button(surface, "P&aste points")), clear);
  QCOMPARE(nextTabStop(clear), surface->frequencyField());
}

QTEST_MAIN(MeasureWindowTest)
#include "measure_window_test.moc"
