// Printing through a real CUPS scheduler, started by run.sh with CUPS-PDF queues
// that write into a folder of their own; the PDFs are read back with pdftotext
// and pdfinfo.
#include "../screen_fixture.h"
#include "screens/screen_style.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace dishwright {
using test::Program;
namespace {

const QString kQueue = qEnvironmentVariable("DISHWRIGHT_CUPS_QUEUE");
const QString kSpare = qEnvironmentVariable("DISHWRIGHT_CUPS_SPARE");
const QString kOut = qEnvironmentVariable("DISHWRIGHT_CUPS_OUT");
#ifdef __SANITIZE_ADDRESS__
// AddressSanitizer keeps freed memory in quarantine: the peak grows with every
// allocation, live or not, and says nothing about the program's own use.
constexpr bool kMemoryMeasured = false;
#else
constexpr bool kMemoryMeasured = true;
#endif

// Runs a command whose words may name the queues (%Q the default one, %S the
// spare one); returns its output, or stops the test.
QString run(QStringList words) {
  for (QString &w : words)
    w.replace("%Q", kQueue).replace("%S", kSpare);
  QProcess process;
  process.start(words.takeFirst(), words);
  if (!process.waitForFinished(60000) || process.exitCode() != 0)
    qFatal("%s failed: %s", qPrintable(process.program()),
           process.readAllStandardError().constData());
  return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// VmRSS or VmHWM of this process in KiB.
qint64 memoryKiB(const char *field) {
  QFile status("/proc/self/status");
  status.open(QIODevice::ReadOnly);
  const QRegularExpression line(QString("%1:\\s+(\\d+) kB").arg(field));
  return line.match(QString::fromLatin1(status.readAll())).captured(1).toLongLong();
}

// The PDF the queue wrote, once no job is left in it ("" after a minute).
QString waitForPdf() {
  for (QElapsedTimer t; !t.isValid() || t.elapsed() < 60000; QTest::qWait(100)) {
    if (!t.isValid())
      t.start();
    const QStringList pdfs = QDir(kOut).entryList({"*.pdf"});
    if (!pdfs.isEmpty() && run({"lpstat", "-o"}).trimmed().isEmpty())
      return QDir(kOut).filePath(pdfs.front());
  }
  return {};
}

void openPrintScreen(Program &p, bool metric, const QString &dia) {
  p.inputs("0.4", dia, "2304");
  p.click(ScreenId::Input, metric ? "Command2" : "Command1");
  p.click(metric ? ScreenId::MetricCalculation : ScreenId::ImperialCalculation, "Command5");
}

void print(Program &p, bool metric) { // the two screens name their buttons the other way round
  p.click(metric ? ScreenId::MetricPrint : ScreenId::ImperialPrint,
          metric ? "Command1" : "Command2");
}

} // namespace

class CupsPrintTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() {
    QVERIFY2(!kQueue.isEmpty(), "run through run.sh, which starts the CUPS scheduler");
    dishwright::useScreenStyle(); // as the program does
  }
  void init() {
    for (const QString &pdf : QDir(kOut).entryList({"*.pdf"}))
      QFile::remove(QDir(kOut).filePath(pdf));
  }

  void printsEveryRow_data() {
    QTest::addColumn<bool>("metric");
    QTest::addColumn<QString>("dia");
    QTest::addColumn<int>("rows");          // a row per inch of radius, or per 2 cm
    QTest::addColumn<QStringList>("units"); // in every page's heading; none: the window
    QTest::newRow("24 rows, the window") << false << "4" << 24 << QStringList();
    QTest::newRow("1,800 rows") << false << "300" << 1800
                                << QStringList{"diameter 300 FEET", "IN INCHES"};
    QTest::newRow("250 metric rows")
        << true << "10" << 250 << QStringList{"diameter 10 METERS", "IN CMS"};
  }
  void printsEveryRow() {
    QFETCH(bool, metric);
    QFETCH(QString, dia);
    QFETCH(int, rows);
    QFETCH(QStringList, units);
    Program p;
    openPrintScreen(p, metric, dia);
    const RowListModel *model =
        p.screen(metric ? ScreenId::MetricPrint : ScreenId::ImperialPrint)->rows();
    QCOMPARE(model->rowCount(), rows);

    QFile peak("/proc/self/clear_refs"); // "5" starts the peak (VmHWM) afresh
    QVERIFY(peak.open(QIODevice::WriteOnly) && peak.write("5") == 1);
    peak.close();
    const qint64 before = memoryKiB("VmRSS");
    QElapsedTimer timer;
    timer.start();
    print(p, metric);
    const qint64 ms = timer.elapsed();
    const qint64 addedKiB = memoryKiB("VmHWM") - before;
    QVERIFY2(p.reports.isEmpty(), qPrintable(p.reports.join('\n')));
    const QString pdf = waitForPdf();
    QVERIFY(!pdf.isEmpty());
    const qint64 size = QFileInfo(pdf).size();
    qInfo("%d rows: job handed over in %lld ms, memory %+lld KiB, PDF %lld bytes", rows, ms,
          addedKiB, size);
    QVERIFY(!kMemoryMeasured || addedKiB < 50 * 1024);

    const QString text = run({"pdftotext", pdf, "-"});
    const QStringList words = text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
    const QSet<QString> printed(words.begin(), words.end());
    for (int i = 0; i < rows; ++i)
      QVERIFY2(printed.contains(model->rowText(i)), qPrintable(model->rowText(i)));
    const int pages =
        QRegularExpression("Pages:\\s+(\\d+)").match(run({"pdfinfo", pdf})).captured(1).toInt();
    if (units.isEmpty()) { // the window's own page: no heading
      QCOMPARE(pages, 1);
      QVERIFY2(size < 200 * 1024, qPrintable(QString::number(size)));
      QVERIFY(!text.contains("page 1 of"));
      return;
    }
    for (int n = 1; n <= pages; ++n) // pdftotext ends each page with a form feed
      QVERIFY(
          text.section('\f', n - 1, n - 1).contains(QString("page %1 of %2").arg(n).arg(pages)));
    QCOMPARE(text.count("f/D 0.4"), pages);
    for (const QString &unit : units)
      QCOMPARE(text.count(unit), pages);
  }

  void failuresSayWhy_data() {
    QTest::addColumn<QList<QStringList>>("before");
    QTest::addColumn<QString>("pick");     // the queue picked in the print dialog; "": not offered
    QTest::addColumn<QStringList>("says"); // in the report; none: the job went
    QTest::addColumn<QList<QStringList>>("after");
    // A class made the default and deleted leaves the queues without a default.
    const QList<QStringList> noDefault{{"lpadmin", "-p", "%S", "-c", "%S-class"},
                                       {"lpadmin", "-d", "%S-class"},
                                       {"lpadmin", "-x", "%S-class"}};
    const QStringList restore{"lpadmin", "-d", "%Q"};
    QTest::newRow("queue rejecting jobs")
        << QList<QStringList>{{"cupsreject", "-r", "out of paper", "%Q"}} << ""
        << QStringList{"The printer " + kQueue + " is not accepting jobs", "out of paper"}
        << QList<QStringList>{{"cupsaccept", "%Q"}};
    QTest::newRow("no default: the dialog picks one")
        << noDefault << kQueue << QStringList() << QList<QStringList>{restore};
    QTest::newRow("no default: the picked one rejects jobs")
        << noDefault + QList<QStringList>{{"cupsreject", "%Q"}} << kQueue
        << QStringList{"The printer " + kQueue + " is not accepting jobs"}
        << QList<QStringList>{{"cupsaccept", "%Q"}, restore};
  }
  void failuresSayWhy() {
    QFETCH(QList<QStringList>, before);
    QFETCH(QString, pick);
    QFETCH(QStringList, says);
    QFETCH(QList<QStringList>, after);
    for (const QStringList &command : before)
      run(command);
    Program p;
    QList<QWidget *> offeredOver;
    p.screens->setPrintDialog([&](QPrinter &printer, QWidget *parent) {
      offeredOver << parent;
      printer.setPrinterName(pick);
      return true;
    });
    openPrintScreen(p, false, "4");
    print(p, false);
    const QString pdf = says.isEmpty() ? waitForPdf() : QString();
    for (const QStringList &command : after)
      run(command);

    QCOMPARE(offeredOver.size(), pick.isEmpty() ? 0 : 1);
    if (!pick.isEmpty())
      QCOMPARE(offeredOver.front(), p.screen(ScreenId::ImperialPrint)->window());
    if (says.isEmpty()) {
      QVERIFY2(p.reports.isEmpty(), qPrintable(p.reports.join('\n')));
      QVERIFY(!pdf.isEmpty());
    } else {
      QCOMPARE(p.reports.size(), 1);
      qInfo("%s", qPrintable(p.reports.front()));
      for (const QString &part : says)
        QVERIFY2(p.reports.front().contains(part), qPrintable(p.reports.front()));
    }
    QVERIFY(p.loaded(ScreenId::ImperialPrint));
    QCOMPARE(p.exits, 0);
  }

  // Run by run.sh before it adds the queues and after it stops the scheduler.
  void failsWithout_data() {
    QTest::addColumn<QString>("says");
    QTest::newRow("no printers") << "No printers are installed.";
    QTest::newRow("no print system") << "the print system (CUPS) is not running";
  }
  void failsWithout() {
    QFETCH(QString, says);
    Program p;
    openPrintScreen(p, true, "1.21");
    print(p, true);
    QCOMPARE(p.reports.size(), 1);
    qInfo("%s", qPrintable(p.reports.front()));
    QVERIFY(p.reports.front().contains(says));
    QVERIFY(p.loaded(ScreenId::MetricPrint));
    QCOMPARE(p.exits, 0);
  }
};

} // namespace dishwright

QTEST_MAIN(dishwright::CupsPrintTest)
#include "cups_print_test.moc"
