// Design files and the memory between runs, through the windows: a design saved
// with its tool windows comes back whole, a refused file changes nothing, and a
// new run starts where the last one ended unless told to start fresh.
#include "../screens/screen_fixture.h"
#include "screens/screen_style.h"
#include "tools/can_check/can_check_window.h"
#include "tools/feed/feed_window.h"
#include "tools/kit/screen_place.h"
#include "tools/kit/tool_state.h"
#include "tools/measure/measure_window.h"
#include "tools/measure/prime_focus_page.h"
#include "tools/measure/surface_page.h"
#include "tools/menu/builder_tools.h"
#include "tools/menu/design_document.h"
#include "tools/menu/session_memory.h"
#include "tools/menu/tool_menu.h"
#include "tools/menu/tool_table.h"
#include "tools/sun/sun_predict_page.h"
#include "tools/sun/sun_window.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace dishwright {
using test::Program;

namespace {

// The whole desktop program as main() puts it together, with its reports caught.
struct Desk {
  Program p;
  ToolMenu tools{*p.screens};
  std::unique_ptr<DesignDocument> document;
  QStringList reports;
  bool discard = true; // the answer to "Discard the unsaved changes...?"

  Desk() {
    addBuilderTools(tools, *p.screens, [](QWidget *, const QString &) { return true; });
    document = std::make_unique<DesignDocument>(*p.screens, tools);
    document->setReporter([this](QWidget *, const QString &message) { reports << message; });
    document->setQuestion([this](QWidget *, const QString &) { return discard; });
    p.close(ScreenId::Input); // loaded again, now watched by the document
    p.screens->openScreen(ScreenId::Input);
  }
  ~Desk() {
    for (std::size_t i = 0; i < tools.toolCount(); ++i)
      if (QWidget *window = tools.toolWindow(i)) {
        if (auto *measure = qobject_cast<MeasureWindow *>(window))
          measure->agreeToDiscard();
        window->close();
      }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  template <class Window> Window *open(const char *key) {
    for (std::size_t i = 0; i < tools.toolCount(); ++i)
      if (tools.toolRow(i).key == QLatin1String(key)) {
        if (!tools.toolWindow(i))
          tools.openTool(i, tools.seedFor(ScreenId::Input));
        return qobject_cast<Window *>(tools.toolWindow(i));
      }
    return nullptr;
  }
  QString typed(const char *control) const { return p.text(ScreenId::Input, control); }
};

QStringList pointRows(const MeasureWindow *window) {
  const QAbstractItemModel *model = window->surfacePage()->table()->model();
  QStringList rows;
  for (int row = 0; row + 1 < model->rowCount(); ++row) // the typing row left out
    rows << model->index(row, 0).data().toString() + QLatin1Char('|') +
                model->index(row, 1).data().toString();
  return rows;
}

void writeFile(const QString &path, const QByteArray &bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

} // namespace

class DesignDocumentTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true); // never the user's own settings
    useScreenStyle();
  }

  // Save a design with measured points, close everything, open it again:
  // every input is back, each window open as it was, and nothing counts as changed.
  void savedDesignComesBackWhole() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("shed.dish"));
    {
      Desk desk;
      desk.p.inputs(QStringLiteral("0.45"), QStringLiteral(" 1.2"), QStringLiteral("10368"));
      desk.p.click(ScreenId::Input, "Command2"); // METERS
      auto *measure = desk.open<MeasureWindow>("measure");
      QVERIFY(measure);
      measure->tabs()->setCurrentIndex(2);
      measure->surfacePage()->pastePoints(QStringLiteral("0 0\n150 12.50\n")); // read as numbers
      QAbstractItemModel *points = measure->surfacePage()->table()->model();
      points->setData(points->index(2, 0), QStringLiteral("300"));
      points->setData(points->index(2, 1), QStringLiteral("x"));
      measure->primeFocusPage()->depthField()->setText(QStringLiteral("88"));
      auto *feed = desk.open<FeedWindow>("feed");
      feed->modelChooser()->setCurrentIndex(FeedWindow::Beamwidth);
      feed->beamwidthField()->setText(QStringLiteral("64"));
      feed->close(); // closed windows keep their inputs in the file too
      auto *sun = desk.open<SunWindow>("sun");
      sun->predictPage()->gainField()->clear();
      QTest::keyClicks(sun->predictPage()->gainField(), QStringLiteral("31.5"));
      QVERIFY(desk.document->saveAs(path));
      QCOMPARE(measure->windowTitle(), QStringLiteral("Measure a dish - shed.dish[*]"));
      QVERIFY(!measure->isWindowModified());
    }
    Desk again;
    QVERIFY(again.document->open(path));
    QCOMPARE(again.typed("Text6"), QStringLiteral("0.45"));
    QCOMPARE(again.typed("Text8"), QStringLiteral(" 1.2"));
    QCOMPARE(again.typed("Text10"), QStringLiteral("10368"));
    QVERIFY(again.tools.lastMetric());
    auto *measure = qobject_cast<MeasureWindow *>(again.tools.toolWindow(1));
    QVERIFY(measure);
    QCOMPARE(pointRows(measure),
             (QStringList{"0|0", "150|12.5", "300|x"})); // the typed cells as typed
    QCOMPARE(measure->tabs()->currentIndex(), 2);
    QCOMPARE(measure->primeFocusPage()->depthField()->text(), QStringLiteral("88"));
    QCOMPARE(measure->enteredPointCount(), std::size_t(3));
    QVERIFY(again.tools.toolEdited(1)); // the user's work: a new design does not replace it
    QVERIFY(!again.tools.toolWindow(3));
    auto *feed = again.open<FeedWindow>("feed");
    QCOMPARE(feed->modelChooser()->currentIndex(), int(FeedWindow::Beamwidth));
    QCOMPARE(feed->beamwidthField()->text(), QStringLiteral("64"));
    auto *sun = qobject_cast<SunWindow *>(again.tools.toolWindow(4));
    QVERIFY(sun && sun->predictPage()->gainTyped());
    QCOMPARE(sun->predictPage()->gainField()->text(), QStringLiteral("31.5"));
    QVERIFY(!again.document->isModified());
    QCOMPARE(measure->windowTitle(), QStringLiteral("Measure a dish - shed.dish[*]"));
    QTest::keyClicks(measure->primeFocusPage()->depthField(), QStringLiteral("1"));
    QVERIFY(again.document->isModified());
    QVERIFY(measure->isWindowModified());
  }

  void refusedFileChangesNothing_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("why");
    const QByteArray design =
        R"("design": {"fd": "1", "diameter": "4", "unit": "feet", "frequencyMHz": "1"})";
    QTest::newRow("damaged") << QByteArray(R"({"format": "dishwright-design", "vers)")
                             << "it is damaged or not a design file";
    QTest::newRow("newer") << QByteArray(R"({"format": "dishwright-design", "version": 7})")
                           << "it was saved by a newer dishwright";
    QTest::newRow("missing field")
        << QByteArray(R"({"format": "dishwright-design", "version": 1, )" + design + "}")
        << "the field \"windows\" is missing";
    QTest::newRow("cancelled") << QByteArray(R"({"format": "dishwright-design", "version": 1,
        "windows": {}, )" + design + "}")
                               << QString(); // the user keeps the points
    QTest::newRow("wrong type") << QByteArray(R"({"format": "dishwright-design", "version": 1,
        "windows": [], )" + design + "}")
                                << "the field \"windows\" should be a group of fields";
  }
  void refusedFileChangesNothing() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, why);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bad\x1b.dish"));
    writeFile(path, bytes);
    Desk desk;
    desk.p.inputs(QStringLiteral("0.4"), QStringLiteral("4"), QStringLiteral("2304"));
    auto *measure = desk.open<MeasureWindow>("measure");
    measure->surfacePage()->pastePoints(QStringLiteral("0 0\n10 1\n"));
    desk.discard = false;
    QVERIFY(!desk.document->open(path));
    QCOMPARE(desk.reports.size(), why.isEmpty() ? 0 : 1);
    if (!why.isEmpty())
      QVERIFY2(desk.reports[0].startsWith(QStringLiteral("cannot open \"") + dir.path() +
                                          QStringLiteral("/bad\\033.dish\": ") + why),
               qPrintable(desk.reports[0]));
    QCOMPARE(desk.typed("Text6"), QStringLiteral("0.4"));
    QCOMPARE(desk.tools.toolWindow(1), measure);
    QCOMPARE(pointRows(measure), (QStringList{"0|0", "10|1"}));
    QCOMPARE(desk.document->path(), QString());
  }

  // A new run starts with the last design typed and each tool's last inputs
  // and place; without the memory (--fresh) the screens' start texts.
  void memoryBringsBackTheLastRun() {
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("memory.conf")), QSettings::IniFormat);
    QRect place; // the frame's corner and the window's size
    {
      Desk desk;
      SessionMemory memory(settings, *desk.document, *desk.p.screens, desk.tools);
      desk.p.inputs(QStringLiteral("0.38"), QStringLiteral("3"), QStringLiteral("5760"));
      auto *can = desk.open<CanCheckWindow>("canCheck");
      can->show();
      QTest::keyClicks(can->diameterField(), QStringLiteral("3.9"));
      can->setGeometry(QRect(140, 90, 520, 610));
      place = QRect(can->pos(), can->size());
      memory.store();
    }
    {
      Desk desk;
      SessionMemory memory(settings, *desk.document, *desk.p.screens, desk.tools);
      memory.recall();
      QCOMPARE(desk.typed("Text6"), QStringLiteral("0.38"));
      QCOMPARE(desk.typed("Text10"), QStringLiteral("5760"));
      QVERIFY(!desk.document->isModified());
      auto *can = desk.open<CanCheckWindow>("canCheck");
      QCOMPARE(can->diameterField()->text(), QStringLiteral("3.9"));
      QCOMPARE(QRect(can->pos(), can->size()), place);
      QCOMPARE(place.size(), QSize(520, 610));
    }
    Desk fresh; // no memory made: what --fresh does
    QCOMPARE(fresh.typed("Text6"), QStringLiteral(".0"));
    QCOMPARE(fresh.open<CanCheckWindow>("canCheck")->diameterField()->text(), QString());
  }

  void offScreenPlaceComesBackOn_data() {
    QTest::addColumn<QRect>("saved");
    QTest::addColumn<QRect>("placed");
    // Two screens side by side, the primary (1920x1040 available) first.
    QTest::newRow("on the primary") << QRect(100, 100, 500, 400) << QRect(100, 100, 500, 400);
    QTest::newRow("on the second") << QRect(2000, 50, 500, 400) << QRect(2000, 50, 500, 400);
    QTest::newRow("a 48 px corner showing")
        << QRect(-452, -352, 500, 400) << QRect(-452, -352, 500, 400);
    QTest::newRow("47 px showing") << QRect(-453, 100, 500, 400) << QRect(0, 100, 500, 400);
    QTest::newRow("where a third screen was")
        << QRect(4000, 700, 500, 400) << QRect(1420, 640, 500, 400);
    QTest::newRow("larger than the screen")
        << QRect(-3000, 0, 2500, 1200) << QRect(0, 0, 1920, 1040);
  }
  // Every field and chooser a user can change in a tool window is kept: each set
  // to a value of its own, saved and given to a new window, which shows them all.
  void everyInputOfEveryToolKept_data() {
    QTest::addColumn<int>("tool");
    for (std::size_t i = 0; i < toolTable().size(); ++i)
      QTest::newRow(qPrintable(toolTable()[i].title)) << int(i);
  }
  void everyInputOfEveryToolKept() {
    QFETCH(int, tool);
    const DesignSeed seed{0.4, 1.2, DishSizeUnit::Metres, 2304};
    const std::unique_ptr<QWidget> typed(toolTable()[std::size_t(tool)].open(seed));
    const auto inputs = [](QWidget *window) {
      QList<QLineEdit *> fields;
      for (QLineEdit *field : window->findChildren<QLineEdit *>())
        if (!field->isReadOnly() && !qobject_cast<QComboBox *>(field->parentWidget()))
          fields << field;
      return std::make_pair(fields, window->findChildren<QComboBox *>());
    };
    auto [fields, choosers] = inputs(typed.get());
    for (QComboBox *chooser : choosers)
      chooser->setCurrentIndex(chooser->count() - 1);
    for (int i = 0; i < fields.size(); ++i)
      fields[i]->setText(QString::number(i + 2));
    const QJsonObject saved = saveToolInputs(typed.get());
    const std::unique_ptr<QWidget> given(toolTable()[std::size_t(tool)].open(seed));
    restoreToolInputs(given.get(), saved);
    auto [givenFields, givenChoosers] = inputs(given.get());
    for (int i = 0; i < fields.size(); ++i)
      QVERIFY2(givenFields[i]->text() == fields[i]->text(),
               qPrintable(fields[i]->accessibleName()));
    for (int i = 0; i < choosers.size(); ++i)
      QVERIFY2(givenChoosers[i]->currentIndex() == choosers[i]->currentIndex(),
               qPrintable(choosers[i]->accessibleName()));
  }

  void offScreenPlaceComesBackOn() {
    QFETCH(QRect, saved);
    QFETCH(QRect, placed);
    QCOMPARE(placedOnScreen(saved, {QRect(0, 0, 1920, 1040), QRect(1920, 0, 1280, 1024)}), placed);
  }
};

} // namespace dishwright

QTEST_MAIN(dishwright::DesignDocumentTest)
#include "design_document_test.moc"
