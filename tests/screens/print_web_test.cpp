#include "screens/screen_style.h"
#include "tests/screens/screen_fixture.h"

#include "screens/coffee_can_screen.h"
#include "screens/print_screen.h"
#include "screens/row_list_model.h"
#include "screens/web_screen.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QImage>
#include <QListView>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

namespace dishwright {
using test::Program;
using test::UrlCatcher;

namespace {

QListView *columnList(Program &p, ScreenId id) {
  auto *list = qobject_cast<QListView *>(p.screen(id)->control("List1"));
  QCoreApplication::processEvents(); // let the view lay out its items
  return list;
}

// Prints go to a PDF file at `pdf`, on A4.
ScreenSet::PrinterFactory pdfPrinter(const QString &pdf) {
  return [pdf] {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdf);
    printer->setPageSize(QPageSize(QPageSize::A4));
    return PrinterChoice(std::move(printer));
  };
}

// Bounding box of the pixels that are not white.
QRect inkBox(const QImage &image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 250)
        box |= QRect(x, y, 1, 1);
  return box;
}

} // namespace

class PrintWebTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { useScreenStyle(); }

  // Print X, Y lists the dish its calculation screen shows, whatever was typed
  // and stored since: the heading, the rows and the printed pages name it.
  void printScreenListsTheDishShown_data() {
    QTest::addColumn<int>("calculation"); // the screen Print X, Y is pressed on
    QTest::addColumn<QString>("unitButton");
    QTest::addColumn<QString>("otherButton");
    QTest::addColumn<int>("print");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<int>("rows");
    QTest::newRow("imperial") << int(ScreenId::ImperialCalculation) << "Command1"
                              << "Command2" << int(ScreenId::ImperialPrint)
                              << "f/D 0.4   diameter 4 FEET   profile IN INCHES: radius....depth"
                              << 24; // 1 to 24 inches
    QTest::newRow("metric") << int(ScreenId::MetricCalculation) << "Command2"
                            << "Command1" << int(ScreenId::MetricPrint)
                            << "f/D 0.4   diameter 4 METERS   profile IN CMS: radius....depth"
                            << 100; // 1 to 199 cm in steps of 2
  }
  void printScreenListsTheDishShown() {
    QFETCH(int, calculation);
    QFETCH(QString, unitButton);
    QFETCH(QString, otherButton);
    QFETCH(int, print);
    QFETCH(QString, heading);
    QFETCH(int, rows);
    Program p;
    p.inputs("0.4", "4", "2304");
    p.click(ScreenId::Input, unitButton.toLatin1());
    p.inputs("0.4", "1.2", "2304");
    p.click(ScreenId::Input, otherButton.toLatin1());
    p.click(ScreenId(calculation), "Command5");
    const auto *listing = static_cast<const PrintScreen *>(p.screen(ScreenId(print)));
    QCOMPARE(listing->heading(), heading);
    QCOMPARE(listing->rows()->rowCount(), rows);
  }

  void coffeeCanExamples_data() {
    QTest::addColumn<QString>("freq");
    QTest::addColumn<QStringList>("texts"); // Text24, 2, 4, 7, 8, 12, 14, 16, 17, 20, 22
    QTest::newRow("2400") << "2400" << QStringList{"2400",    "3.49178",  "8.875",    "9.8374",
                                                   "14.7561", "2.177906", "5.531881", "24.987",
                                                   "37.4805", "1.17",     "2.9718"};
    QTest::newRow("1296") << "1296" << QStringList{"1296",     "6.466259", "16.43518", "18.22008",
                                                   "27.33012", "4.033159", "10.24422", "46.279",
                                                   "69.4185",  "2.166667", "5.503334"};
  }
  void coffeeCanExamples() {
    QFETCH(QString, freq);
    QFETCH(QStringList, texts);
    Program p;
    p.inputs("0.4", "4", freq);
    p.click(ScreenId::Input, "Command1");
    p.click(ScreenId::ImperialCalculation, "Command2");
    const char *fields[] = {"Text24", "Text2",  "Text4",  "Text7",  "Text8", "Text12",
                            "Text14", "Text16", "Text17", "Text20", "Text22"};
    for (int i = 0; i < texts.size(); ++i)
      QCOMPARE(p.text(ScreenId::CoffeeCan, fields[i]), texts[i]);
    // a new frequency sizes the can again: 983.6 / 5760 x 0.71 x 12 in across
    p.inputs("0.4", "4", "5760");
    p.click(ScreenId::Input, "Command1");
    p.click(ScreenId::ImperialCalculation, "Command2");
    QCOMPARE(p.text(ScreenId::CoffeeCan, "Text24"), "5760");
    QCOMPARE(p.text(ScreenId::CoffeeCan, "Text2"), "1.454908");
  }

  void printListsFillSixColumns_data() {
    QTest::addColumn<bool>("metric");
    QTest::addColumn<QString>("dia");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("last");
    QTest::newRow("feet") << false << "4.25" << 25 << "25....7.659";
    QTest::newRow("metres") << true << "1.21" << 30 << "59....17.98";
    QTest::newRow("many feet") << false << "60" << 360 << "360....112.5";
  }
  void printListsFillSixColumns() {
    QFETCH(bool, metric);
    QFETCH(QString, dia);
    QFETCH(int, rows);
    QFETCH(QString, last);
    Program p;
    p.inputs("0.4", dia, "2304");
    p.click(ScreenId::Input, metric ? "Command2" : "Command1");
    p.click(metric ? ScreenId::MetricCalculation : ScreenId::ImperialCalculation, "Command5");
    const ScreenId id = metric ? ScreenId::MetricPrint : ScreenId::ImperialPrint;
    const RowListModel *model = p.screen(id)->rows();
    QCOMPARE(model->rowCount(), rows);
    QCOMPARE(model->rowText(rows - 1), last);
    QCOMPARE(model->rowText(0).left(5), "1....");

    QListView *list = columnList(p, id);
    const int column = list->viewport()->width() / 6;
    const QRect first = list->visualRect(model->index(0));
    const QRect second = list->visualRect(model->index(1));
    QCOMPARE(second.left(), first.left()); // top to bottom first
    QVERIFY(second.top() > first.top());
    int perColumn = 1;
    while (perColumn < rows && list->visualRect(model->index(perColumn)).left() == first.left())
      ++perColumn;
    QVERIFY(perColumn > 20);
    if (rows > perColumn) // the next column starts a sixth of the list further right
      QVERIFY(qAbs(list->visualRect(model->index(perColumn)).left() - first.left() - column) <= 1);
    QCOMPARE(list->horizontalScrollBar()->isVisible(), rows > 6 * perColumn);
    QVERIFY(!list->verticalScrollBar()->isVisible());
  }

  void printingPutsTheWindowOnThePage() {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("form5.pdf");
    Program p;
    p.screens->setPrinterFactory(pdfPrinter(pdf));
    p.inputs("0.4", "4", "2304"); // 24 rows: they fit the window, so the window is printed
    p.click(ScreenId::Input, "Command1");
    p.click(ScreenId::ImperialCalculation, "Command5");
    // The screen as laid out, under the menu bar, which is not printed.
    QWidget *window = p.screen(ScreenId::ImperialPrint)->clientArea();
    QCoreApplication::processEvents();
    p.click(ScreenId::ImperialPrint, "Command2");
    QVERIFY(p.reports.isEmpty());

    // The page at 96 dpi: the window's image at its own size.
    QProcess render;
    render.start("pdftoppm", {"-r", "96", "-png", "-singlefile", pdf, dir.filePath("page")});
    QVERIFY(render.waitForFinished(30000));
    QImage page(dir.filePath("page.png"));
    QVERIFY(!page.isNull());
    const QRect ink = inkBox(page);
    QVERIFY2(qAbs(ink.width() - window->width()) <= 3 && qAbs(ink.height() - window->height()) <= 3,
             qPrintable(QString("ink %1x%2").arg(ink.width()).arg(ink.height())));
    // The list's text is on the page: dark pixels where the first column stands.
    const QImage onPage = page.copy(ink).convertToFormat(QImage::Format_RGB32);
    const QImage onScreen = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect firstColumn(10, 10, 80, 300);
    int dark = 0, alike = 0, total = 0;
    for (int y = firstColumn.top(); y <= firstColumn.bottom(); ++y)
      for (int x = firstColumn.left(); x <= firstColumn.right(); ++x) {
        const bool pageDark = qGray(onPage.pixel(x, y)) < 128;
        dark += pageDark;
        alike += pageDark == (qGray(onScreen.pixel(x, y)) < 128);
        ++total;
      }
    QVERIFY(dark > 500);
    QVERIFY2(alike > total * 85 / 100, qPrintable(QString("%1 of %2 alike").arg(alike).arg(total)));
  }

  // A listing longer than its window is printed whole over pages, read back from
  // the PDF as text: every row once, in order, each page headed and numbered.
  void longListingPrintsEveryRowOverPages() {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("listing.pdf");
    Program p;
    p.screens->setPrinterFactory(pdfPrinter(pdf));
    p.inputs("0.4", "300", "2304"); // 1,800 rows, 1 to 1800 inches
    p.click(ScreenId::Input, "Command1");
    p.click(ScreenId::ImperialCalculation, "Command5");
    QCoreApplication::processEvents();
    p.click(ScreenId::ImperialPrint, "Command2");
    QVERIFY(p.reports.isEmpty());

    QProcess text;
    text.start("pdftotext", {"-layout", pdf, "-"});
    QVERIFY(text.waitForFinished(30000));
    const QString all = QString::fromUtf8(text.readAllStandardOutput());
    const QStringList pages = all.split(QChar('\f'), Qt::SkipEmptyParts);
    QVERIFY2(pages.size() >= 2, qPrintable(QString::number(pages.size())));
    QList<int> xs;
    static const QRegularExpression row(QStringLiteral("(\\d+)\\.\\.\\.\\.([0-9.]+)"));
    for (int i = 0; i < pages.size(); ++i) {
      QVERIFY(pages[i].simplified().contains("f/D 0.4 diameter 300 FEET"));
      QVERIFY(pages[i].contains(QString("page %1 of %2").arg(i + 1).arg(pages.size())));
      for (auto m = row.globalMatch(pages[i]); m.hasNext();)
        xs << m.next().captured(1).toInt();
    }
    std::sort(xs.begin(), xs.end());
    QCOMPARE(xs.size(), 1800);
    QCOMPARE(xs.front(), 1);
    QCOMPARE(xs.back(), 1800);
    QVERIFY(std::adjacent_find(xs.begin(), xs.end()) == xs.end()); // none twice
    QVERIFY(all.contains("1800....562.5"));                        // 1800^2 / (4 x 1440 in)
  }

  // Cancelled from its progress, a long listing's job leaves no file and no report.
  void cancelledListingLeavesNoFile() {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("listing.pdf");
    Program p;
    p.screens->setProgressAfter(0);
    p.screens->setPrinterFactory(pdfPrinter(pdf));
    p.inputs("0.4", "300", "2304"); // 1,800 rows over several pages
    p.click(ScreenId::Input, "Command1");
    p.click(ScreenId::ImperialCalculation, "Command5");
    QWidget *window = p.screen(ScreenId::ImperialPrint)->window();
    QTimer::singleShot(0, window, [window] {
      if (auto *progress = window->findChild<QProgressDialog *>())
        progress->cancel();
    });
    p.click(ScreenId::ImperialPrint, "Command2");
    QVERIFY(p.reports.isEmpty());
    QVERIFY(!QFileInfo::exists(pdf));
  }

  void noPrinterIsReportedAndTheProgramGoesOn() {
    Program p;
    p.screens->setPrinterFactory([] { return std::unique_ptr<QPrinter>(); });
    p.inputs("0.4", "1.2", "2304");
    p.click(ScreenId::Input, "Command2");
    p.click(ScreenId::MetricCalculation, "Command5");
    p.click(ScreenId::MetricPrint, "Command1");
    QCOMPARE(p.reports.size(), 1);
    QVERIFY(p.loaded(ScreenId::MetricPrint));
    QCOMPARE(p.exits, 0);
  }

  void linkOpensTheAddressWithASlash() {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("http", &catcher, "open");
    QDesktopServices::setUrlHandler("https", &catcher, "open");
    Program p;
    p.inputs("0.4", "4", "2304");
    p.click(ScreenId::Input, "Command1");
    p.click(ScreenId::ImperialCalculation, "Command1");
    QCOMPARE(p.text(ScreenId::WebLink, "lblWebPage"), webPageAddress());
    QVERIFY(!webPageAddress().endsWith('/'));
    p.click(ScreenId::WebLink, "lblWebPage");
    p.click(ScreenId::WebLink, "lblWebPage");
    QDesktopServices::unsetUrlHandler("http");
    QDesktopServices::unsetUrlHandler("https");
    QCOMPARE(catcher.urls.size(), 2);
    QCOMPARE(catcher.urls.front(), QUrl(webPageAddress() + "/"));
    QVERIFY(p.loaded(ScreenId::WebLink));
    QVERIFY(p.reports.isEmpty());
  }

  void onlyTheLinkHasTheHand() {
    Program p;
    p.inputs("0.4", "4", "2304");
    p.click(ScreenId::Input, "Command1");
    p.click(ScreenId::ImperialCalculation, "Command1");
    QWidget *link = p.screen(ScreenId::WebLink)->control("lblWebPage");
    QCOMPARE(link->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(link->cursor().hotSpot(), QPoint(13, 9));
    QCOMPARE(link->cursor().pixmap().size(), QSize(32, 32));
    for (const char *label : {"Label1", "Label2"})
      QVERIFY(!p.screen(ScreenId::WebLink)->control(label)->testAttribute(Qt::WA_SetCursor));
    QVERIFY(link->font().underline());
  }
};

} // namespace dishwright

QTEST_MAIN(dishwright::PrintWebTest)
#include "print_web_test.moc"
