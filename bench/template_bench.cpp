// dishwright-template-bench: how fast templates are written and previewed.
//
//   dishwright-template-bench           the table
//   dishwright-template-bench --write   write the 3 m A4 rib and petal once, print
//                                       the peak memory they added (a child run)
//   dishwright-template-bench --show [rib|petal]  show the templates window, for
//                                       screenshots
#include "paper/template_writer.h"
#include "screens/screen_style.h"
#include "tools/templates/page_preview.h"
#include "tools/templates/template_window.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

using namespace dishwright;

namespace {

long statusKiB(const char *key) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind(key, 0) == 0)
      return std::stol(line.substr(std::string(key).size()));
  return 0;
}

// The largest templates a user prints: a 3 m dish on A4, as one rib and as 8 gores.
TemplateInput rib3m() { return {TemplateKind::Rib, 0.4, 3, DishSizeUnit::Metres, 0, 0, 10368}; }
TemplateInput petal3m() { return {TemplateKind::Petal, 0.4, 3, DishSizeUnit::Metres, 8, 0, 10368}; }

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// Milliseconds to make the sheet and write its PDF, the median of five.
double writeMs(const TemplateInput &in, const QString &path) {
  std::vector<double> times;
  for (int i = 0; i < 5; ++i) {
    QElapsedTimer clock;
    clock.start();
    const TemplateSheet sheet(in, PaperKind::A4);
    writeTemplatePdf(TemplatePainter(sheet), path);
    times.push_back(clock.nsecsElapsed() / 1e6);
  }
  return median(times);
}

// Peak resident memory the writes add, measured in a fresh process whose fonts
// are already loaded (they are the program's, not the template's).
int writeOnce(int argc, char **argv) {
  QGuiApplication app(argc, argv);
  QTemporaryDir dir;
  const TemplateSheet warm({TemplateKind::Rib, 0.4, 0.3, DishSizeUnit::Metres, 0, 0, 0},
                           PaperKind::A4);
  writeTemplatePdf(TemplatePainter(warm), dir.filePath("warm.pdf"));
  const long before = statusKiB("VmRSS:");
  for (const TemplateInput &in : {rib3m(), petal3m()}) {
    const TemplateSheet sheet(in, PaperKind::A4);
    writeTemplatePdf(TemplatePainter(sheet), dir.filePath("t.pdf"));
  }
  std::printf("%ld\n", statusKiB("VmHWM:") - before);
  return 0;
}

struct Row {
  std::string what;
  double value;
  double target;
};

// Milliseconds for the preview to repaint each page of the 3 m petal on A4.
std::vector<double> previewMs() {
  TemplateWindow window({0.4, 3, DishSizeUnit::Metres, 10368});
  window.findChild<QComboBox *>(); // the window builds its inputs eagerly
  for (QComboBox *box : window.findChildren<QComboBox *>()) {
    if (box->accessibleName() == QLatin1String("Template kind"))
      box->setCurrentIndex(1);
    if (box->accessibleName() == QLatin1String("Paper"))
      box->setCurrentIndex(0);
  }
  window.resize(1100, 800);
  window.show();
  QCoreApplication::processEvents();
  auto *preview = window.findChild<PagePreview *>();
  // Painted into an image of the preview's size: a repaint() of a window the
  // display has not exposed yet would paint nothing and time nothing.
  QImage canvas(preview->size() * preview->devicePixelRatioF(),
                QImage::Format_ARGB32_Premultiplied);
  canvas.setDevicePixelRatio(preview->devicePixelRatioF());
  std::vector<double> times;
  for (int page = 0; page < preview->pageCount(); ++page) {
    preview->setPage(page);
    QElapsedTimer clock;
    clock.start();
    preview->render(&canvas);
    times.push_back(clock.nsecsElapsed() / 1e6);
  }
  return times;
}

int table(int argc, char **argv) {
  QApplication app(argc, argv);
  QTemporaryDir dir;
  const QString ribPath = dir.filePath("rib.pdf"), petalPath = dir.filePath("petal.pdf");
  std::vector<Row> rows;
  const TemplateSheet rib(rib3m(), PaperKind::A4), petal(petal3m(), PaperKind::A4);
  rows.push_back({"3 m rib on A4 (" + std::to_string(rib.plan().pageCount()) + " pages): PDF, ms",
                  writeMs(rib3m(), ribPath), 1000});
  rows.push_back({"3 m petal, 8 gores, on A4 (" + std::to_string(petal.plan().pageCount()) +
                      " pages): PDF, ms",
                  writeMs(petal3m(), petalPath), 1000});
  rows.push_back({"  its rib PDF file, MB", QFileInfo(ribPath).size() / 1e6, 5});
  rows.push_back({"  its petal PDF file, MB", QFileInfo(petalPath).size() / 1e6, 5});
  QProcess child;
  child.start(QCoreApplication::applicationFilePath(), {"--write"});
  child.waitForFinished(60000);
  rows.push_back({"  memory both writes added, MiB",
                  QString::fromLatin1(child.readAllStandardOutput()).trimmed().toDouble() / 1024,
                  5});
  const std::vector<double> preview = previewMs();
  rows.push_back({"preview redraw of a page, median, ms", median(preview), 16});
  rows.push_back({"preview redraw of a page, slowest, ms",
                  *std::max_element(preview.begin(), preview.end()), 16});
  std::printf("%-48s %10s %10s\n", "template measure", "value", "target");
  bool met = true;
  for (const Row &r : rows) {
    std::printf("%-48s %10.2f %10.1f\n", r.what.c_str(), r.value, r.target);
    met = met && r.value <= r.target;
  }
  std::printf("platform %s; %s\n", qPrintable(QGuiApplication::platformName()),
              met ? "every target met" : "TARGET MISSED");
  return 0;
}

int show(int argc, char **argv, bool petal) {
  QApplication app(argc, argv);
  dishwright::useScreenStyle(); // as the program does
  TemplateWindow window({0.4, 1.2, DishSizeUnit::Metres, 2304});
  for (QComboBox *box : window.findChildren<QComboBox *>()) {
    if (box->accessibleName() == QLatin1String("Template kind"))
      box->setCurrentIndex(petal ? 1 : 0);
    if (box->accessibleName() == QLatin1String("Paper"))
      box->setCurrentIndex(0);
  }
  window.resize(1000, 640);
  window.show();
  return app.exec();
}

} // namespace

int main(int argc, char **argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "--write")
    return writeOnce(argc, argv);
  if (mode == "--show")
    return show(argc, argv, argc > 2 && std::string(argv[2]) == "petal");
  return table(argc, argv);
}
