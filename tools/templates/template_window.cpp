#include "tools/templates/template_window.h"

#include "tools/kit/named_combo_box.h"

#include "calc/common/figure_text.h"
#include "calc/common/input_error.h"
#include "paper/file_name.h"
#include "paper/template_dxf.h"
#include "paper/template_writer.h"
#include "tools/kit/decimal_validator.h"
#include "tools/kit/file_dialogs.h"
#include "tools/kit/tool_form.h"
#include "tools/kit/tool_state.h"
#include "tools/templates/page_preview.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <cmath>
#include <stdexcept>

namespace dishwright {
namespace {

constexpr int kDefaultCount = 12;
constexpr int kMostCount = 720; // a hub guide line every half degree

DecimalSpinBox *numberBox(double top, int decimals, double step, const QString &name) {
  auto *box = new DecimalSpinBox;
  box->setRange(0, top);
  box->setDecimals(decimals);
  box->setSingleStep(step);
  box->setAccessibleName(name);
  return box;
}

QLabel *figureLabel(const QString &name) {
  auto *label = new QLabel;
  label->setAccessibleName(name);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

} // namespace

TemplateWindow::TemplateWindow(const DesignSeed &seed, QWidget *parent)
    : QWidget(parent, Qt::Window) { // a window of its own, also when a screen is its parent
  setWindowTitle(tr("Templates"));
  auto *design = new QFormLayout;
  auto *cut = new QFormLayout;
  buildInputs(design, cut, seed);
  auto *figures = new QFormLayout;
  buildFigures(figures);

  auto *designBox = new QGroupBox(tr("Design"));
  designBox->setLayout(design);
  auto *cutBox = new QGroupBox(tr("Template"));
  cutBox->setLayout(cut);
  auto *figuresBox = new QGroupBox(tr("Figures"));
  figuresBox->setLayout(figures);
  status_ = new QLabel;
  status_->setWordWrap(true);
  status_->setAccessibleName(tr("Status"));
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  notes_ = new QLabel;
  notes_->setWordWrap(true);
  notes_->setAccessibleName(tr("Notes"));
  notes_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  savePdf_ = new QPushButton(tr("Save &PDF..."));
  saveSvg_ = new QPushButton(tr("Save S&VG..."));
  saveDxf_ = new QPushButton(tr("Sav&e DXF..."));
  print_ = new QPushButton(tr("P&rint..."));
  auto *close = new QPushButton(tr("&Close"));
  savePdf_->setToolTip(tr("Every page as a vector PDF at full size (Ctrl+S)"));
  saveSvg_->setToolTip(tr("One sheet in millimetres, for cutters and CNC (Ctrl+Shift+S)"));
  saveDxf_->setToolTip(
      tr("One sheet in the template's unit, layers CUT, MARK and TEXT, for CNC software "
         "(Ctrl+Shift+D)"));
  print_->setToolTip(tr("Prints at 100 %, never fitted to the page (Ctrl+P)"));
  new QShortcut(QKeySequence::Save, this, [this] { askPdf(); });
  new QShortcut(QKeySequence(tr("Ctrl+Shift+S")), this, [this] { askSvg(); });
  new QShortcut(QKeySequence(tr("Ctrl+Shift+D")), this, [this] { askDxf(); });
  new QShortcut(QKeySequence::Print, this, [this] { askPrint(); });
  new QShortcut(QKeySequence(Qt::Key_Escape), this, [this] { QWidget::close(); });
  connect(savePdf_, &QPushButton::clicked, this, &TemplateWindow::askPdf);
  connect(saveSvg_, &QPushButton::clicked, this, &TemplateWindow::askSvg);
  connect(saveDxf_, &QPushButton::clicked, this, &TemplateWindow::askDxf);
  connect(print_, &QPushButton::clicked, this, &TemplateWindow::askPrint);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  auto *buttons = new QHBoxLayout;
  for (QPushButton *b : {savePdf_, saveSvg_, saveDxf_, print_, close})
    buttons->addWidget(b);

  auto *left = new QVBoxLayout;
  left->addWidget(designBox);
  left->addWidget(cutBox);
  left->addWidget(figuresBox);
  left->addWidget(notes_);
  left->addWidget(status_);
  left->addStretch(1);
  left->addLayout(buttons);
  auto *whole = new QHBoxLayout(this);
  whole->addLayout(left);
  whole->addWidget(buildPreview(), 1);
  auto *state = new ToolState(this);
  state->add(QStringLiteral("unit"), unit_);
  state->add(QStringLiteral("fd"), fd_);
  state->add(QStringLiteral("diameter"), diameter_);
  state->add(QStringLiteral("frequencyMHz"), frequency_);
  state->add(QStringLiteral("kind"), kind_);
  state->add(QStringLiteral("count"), count_);
  state->add(QStringLiteral("hub"), hub_);
  state->add(QStringLiteral("paper"), paper_);
  remake();
}

TemplateWindow::~TemplateWindow() { preview_->setPages(nullptr); }

void TemplateWindow::buildInputs(QFormLayout *design, QFormLayout *cut, const DesignSeed &seed) {
  useNamedComboBoxes();
  fd_ = numberBox(100, 4, 0.01, tr("f/D"));
  fd_->setValue(seed.fd);
  diameter_ = numberBox(1e6, 4, 0.1, tr("Diameter"));
  diameter_->setValue(seed.diameter);
  unit_ = new QComboBox;
  unit_->addItem(tr("feet (template in inches)"), static_cast<int>(DishSizeUnit::Feet));
  unit_->addItem(tr("metres (template in mm)"), static_cast<int>(DishSizeUnit::Metres));
  unit_->setCurrentIndex(unit_->findData(static_cast<int>(seed.unit)));
  unit_->setAccessibleName(tr("Diameter unit"));
  frequency_ = numberBox(1e7, 3, 1, tr("Frequency, MHz"));
  frequency_->setSpecialValueText(tr("not given"));
  frequency_->setSuffix(tr(" MHz"));
  frequency_->setValue(seed.frequencyMHz);
  design->addRow(tr("&f/D:"), fd_);
  design->addRow(tr("&Diameter:"), diameter_);
  design->addRow(tr("&Unit:"), unit_);
  design->addRow(tr("Fre&quency:"), frequency_);

  kind_ = new QComboBox;
  kind_->addItems({tr("Rib"), tr("Petals (gores)")});
  kind_->setAccessibleName(tr("Template kind"));
  count_ = numberBox(kMostCount, 0, 1, tr("Number of ribs or gores"));
  count_->setMinimum(1);
  count_->setValue(kDefaultCount);
  count_->setToolTip(tr("Ribs: the lines of the hub drilling guide. Petals: the gores."));
  hub_ = numberBox(1e7, 3, 1, tr("Hub radius"));
  hub_->setToolTip(tr("Ribs start at the hub edge; 0 for no hub"));
  hub_->setSuffix(QLatin1Char(' ') + unitSymbol(smallUnitOf(seed.unit)));
  paper_ = new QComboBox;
  paper_->addItems({tr("A4"), tr("US Letter"), tr("One sheet, the template's own size")});
  paper_->setCurrentIndex(localPaper() == PaperKind::Letter ? 1 : 0);
  paper_->setAccessibleName(tr("Paper"));
  cut->addRow(tr("&Template:"), kind_);
  cut->addRow(tr("&N, ribs or gores:"), count_);
  cut->addRow(tr("&Hub radius:"), hub_);
  cut->addRow(tr("P&aper:"), paper_);

  // The hub's unit first: the template is then made once, with it.
  connect(unit_, &QComboBox::currentIndexChanged, this, [this] {
    hub_->setSuffixKeepingText(QLatin1Char(' ') +
                               unitSymbol(smallUnitOf(chosenDishSizeUnit(unit_))));
  });
  for (DecimalSpinBox *box : {fd_, diameter_, frequency_, count_, hub_})
    connect(box, &DecimalSpinBox::typed, this, &TemplateWindow::remake);
  for (QComboBox *box : {unit_, kind_, paper_})
    connect(box, &QComboBox::currentIndexChanged, this, &TemplateWindow::remake);
}

void TemplateWindow::buildFigures(QFormLayout *figures) {
  figures_ = figures;
  focal_ = figureLabel(tr("Focal length"));
  depth_ = figureLabel(tr("Depth"));
  ribLength_ = figureLabel(tr("Rib length"));
  goreLength_ = figureLabel(tr("Gore length"));
  goreWidth_ = figureLabel(tr("Gore width at rim"));
  goreError_ = figureLabel(tr("Flat gore error"));
  pages_ = figureLabel(tr("Pages"));
  goresNeeded_ = figureLabel(tr("Gores for lambda/16"));
  goresNeeded_->setToolTip(tr("The fewest gores whose flat-gore error stays within a "
                              "sixteenth of the wavelength"));
  figures->addRow(tr("Focal length:"), focal_);
  figures->addRow(tr("Depth:"), depth_);
  figures->addRow(tr("Rib length:"), ribLength_);
  figures->addRow(tr("Gore length:"), goreLength_);
  figures->addRow(tr("Gore width at rim:"), goreWidth_);
  figures->addRow(tr("Flat gore error:"), goreError_);
  figures->addRow(tr("Gores for \u03bb/16:"), goresNeeded_);
  figures->addRow(tr("Pages:"), pages_);
}

QWidget *TemplateWindow::buildPreview() {
  auto *box = new QGroupBox(tr("Preview"));
  preview_ = new PagePreview;
  previous_ = new QPushButton(tr("Previous pa&ge"));
  next_ = new QPushButton(tr("Ne&xt page"));
  pageLabel_ = new QLabel;
  pageLabel_->setAccessibleName(tr("Page shown"));
  pageLabel_->setAlignment(Qt::AlignCenter);
  connect(previous_, &QPushButton::clicked, this,
          [this] { preview_->setPage(preview_->page() - 1); });
  connect(next_, &QPushButton::clicked, this, [this] { preview_->setPage(preview_->page() + 1); });
  connect(preview_, &PagePreview::pageChanged, this, &TemplateWindow::showPageLabel);
  auto *nav = new QHBoxLayout;
  nav->addWidget(previous_);
  nav->addWidget(pageLabel_, 1);
  nav->addWidget(next_);
  auto *layout = new QVBoxLayout(box);
  layout->addWidget(preview_, 1);
  layout->addLayout(nav);
  return box;
}

namespace {

double required(const DecimalSpinBox *box, const char *what) {
  if (const auto value = box->typedValue(what))
    return *value;
  throw InputError(std::string("type the ") + what);
}

} // namespace

TemplateInput TemplateWindow::input() const {
  TemplateInput in;
  in.kind = kind_->currentIndex() == 1 ? TemplateKind::Petal : TemplateKind::Rib;
  in.fd = required(fd_, "f/D");
  in.diameter = required(diameter_, "diameter");
  in.unit = chosenDishSizeUnit(unit_);
  in.count = typedCount();
  in.hubRadius = in.kind == TemplateKind::Rib ? hub_->typedValue("hub radius").value_or(0) : 0;
  in.frequencyMHz = frequency_->typedValue("frequency").value_or(0);
  return in;
}

// N as typed: a whole number within the box's range.
int TemplateWindow::typedCount() const {
  const char *what = kind_->currentIndex() == 1 ? "number of gores" : "number of ribs";
  const double n = required(count_, what);
  if (n != std::floor(n))
    throw InputError(std::string("the ") + what + " must be a whole number, not " +
                     plainFigureText(n));
  if (n < count_->minimum() || n > count_->maximum())
    throw InputError(std::string("the ") + what + " must be from 1 to " +
                     std::to_string(kMostCount));
  return static_cast<int>(n);
}

PaperKind TemplateWindow::paper() const {
  switch (paper_->currentIndex()) {
  case 1:
    return PaperKind::Letter;
  case 2:
    return PaperKind::Sheet;
  default:
    return PaperKind::A4;
  }
}

void TemplateWindow::remake() {
  const bool petal = kind_->currentIndex() == 1;
  hub_->setEnabled(!petal);
  preview_->setPages(nullptr);
  painter_.reset();
  sheet_.reset();
  problem_.clear();
  try {
    sheet_ = std::make_unique<TemplateSheet>(input(), paper());
    painter_ = std::make_unique<TemplatePainter>(*sheet_);
  } catch (const InputError &e) {
    sheet_.reset();
    problem_ = QString::fromStdString(e.what());
  }
  const QString why = tr("No template: %1.").arg(problem_);
  preview_->setPages(painter_.get(), problem_.isEmpty() ? QString() : why);
  for (QPushButton *b : {savePdf_, saveSvg_, saveDxf_, print_})
    b->setEnabled(painter_ != nullptr);
  setStatus(problem_.isEmpty() ? QString() : why);
  showFigures();
  showNotes();
  emit templateChanged();
}

void TemplateWindow::showFigures() {
  const bool petal = kind_->currentIndex() == 1;
  for (QLabel *label : {goreLength_, goreWidth_, goreError_})
    figures_->setRowVisible(label, petal);
  if (!sheet_) {
    for (QLabel *label : {focal_, depth_, ribLength_, goreLength_, goreWidth_, goreError_, pages_})
      label->setText(tr("-"));
    return;
  }
  const TemplateGeometry &g = sheet_->geometry();
  const QString unit = unitSymbol(smallUnitOf(g.input().unit));
  auto show = [&unit](QLabel *label, double value) {
    label->setText(figureAs<QString>(value) + QLatin1Char(' ') + unit);
  };
  show(focal_, g.focalLength());
  show(depth_, g.depth());
  show(ribLength_, g.ribLength());
  if (petal) {
    show(goreLength_, g.goreLength());
    show(goreWidth_, g.goreWidthAtRim());
    show(goreError_, g.flatGoreError());
  }
  const TilingPlan &plan = sheet_->plan();
  pages_->setText(plan.paper == PaperKind::Sheet
                      ? tr("1 sheet, %1 x %2 mm")
                            .arg(figureAs<QString>(plan.pageWidthMm, kMeasuredDigits),
                                 figureAs<QString>(plan.pageHeightMm, kMeasuredDigits))
                      : tr("%1 (of a %2 x %3 grid, rows x columns, %4)")
                            .arg(plan.pageCount())
                            .arg(plan.rows)
                            .arg(plan.columns)
                            .arg(plan.landscape ? tr("landscape") : tr("portrait")));
}

// The gores the frequency needs, and what is unusual about the design, in words.
void TemplateWindow::showNotes() {
  const TemplateGeometry *g = sheet_ ? &sheet_->geometry() : nullptr;
  const bool known = g && g->wavelength() > 0;
  figures_->setRowVisible(goresNeeded_, known);
  if (known)
    goresNeeded_->setText(QString::number(goresWithin(g->depth(), g->wavelength() / 16)));
  QStringList notes;
  if (g)
    for (const std::string &warning : templateWarnings(*g))
      notes << tr("Note: %1.").arg(QString::fromStdString(warning));
  notes_->setText(notes.join(QLatin1Char('\n')));
  notes_->setVisible(!notes.isEmpty());
}

void TemplateWindow::showPageLabel(int index) {
  const int count = preview_->pageCount();
  previous_->setEnabled(index > 0);
  next_->setEnabled(index + 1 < count);
  if (count == 0) {
    pageLabel_->setText(tr("no pages"));
    return;
  }
  const PageWindow &w = sheet_->plan().pages[static_cast<std::size_t>(index)];
  pageLabel_->setText(tr("page %1 of %2: row %3, column %4")
                          .arg(index + 1)
                          .arg(count)
                          .arg(w.row + 1)
                          .arg(w.column + 1));
}

void TemplateWindow::setStatus(const QString &text) {
  status_->setText(text);
  status_->setVisible(!text.isEmpty());
}

int TemplateWindow::pageCount() const { return painter_ ? painter_->pageCount() : 0; }

// A long job shows its progress after half a second and can be cancelled;
// the window waits for it, the other windows do too (the job runs in this thread).
PageProgress TemplateWindow::progressFor(const QString &what) {
  progress_ = std::make_unique<QProgressDialog>(what, tr("Cancel"), 0, pageCount(), this);
  progress_->setWindowModality(Qt::WindowModal);
  progress_->setMinimumDuration(progressAfterMs_);
  return [this](int page, int pages) {
    progress_->setMaximum(pages);
    progress_->setValue(page); // also lets the dialog take the Cancel click
    return !progress_->wasCanceled();
  };
}

bool TemplateWindow::savePdf(const QString &path) {
  if (!painter_)
    return false;
  try {
    const bool done =
        writeTemplatePdf(*painter_, path, progressFor(tr("Writing %1").arg(shownFileName(path))));
    progress_.reset();
    if (!done) {
      setStatus(tr("Not saved: cancelled; %1 is as it was.").arg(shownFileName(path)));
      return false;
    }
    setStatus(pageCount() == 1
                  ? tr("Saved %1 (1 page).").arg(shownFileName(path))
                  : tr("Saved %1 (%2 pages).").arg(shownFileName(path)).arg(pageCount()));
    return true;
  } catch (const std::exception &e) {
    progress_.reset();
    setStatus(tr("Not saved: %1.").arg(QString::fromStdString(e.what())));
    return false;
  }
}

bool TemplateWindow::saveSvg(const QString &path) {
  if (!painter_)
    return false;
  try {
    const TemplateSheet sheet(input(), PaperKind::Sheet); // an SVG is always one sheet
    writeTemplateSvg(TemplatePainter(sheet), path);
    setStatus(tr("Saved %1 (one sheet, in mm).").arg(shownFileName(path)));
    return true;
  } catch (const std::exception &e) {
    setStatus(tr("Not saved: %1.").arg(QString::fromStdString(e.what())));
    return false;
  }
}

bool TemplateWindow::saveDxf(const QString &path) {
  if (!painter_)
    return false;
  try {
    const TemplateSheet sheet(input(), PaperKind::Sheet); // a DXF is always one sheet
    writeTemplateDxf(TemplatePainter(sheet), path);
    setStatus(tr("Saved %1 (one sheet, in %2).")
                  .arg(shownFileName(path),
                       isMetric(sheet.geometry().input().unit) ? tr("mm") : tr("inches")));
    return true;
  } catch (const std::exception &e) {
    setStatus(tr("Not saved: %1.").arg(QString::fromStdString(e.what())));
    return false;
  }
}

void TemplateWindow::printTo(QPrinter &printer) {
  if (!painter_)
    return;
  try {
    if (!paintTemplatePages(*painter_, printer, progressFor(tr("Printing the pages")))) {
      printer.abort();
      setStatus(tr("Not printed: cancelled."));
    }
  } catch (const std::exception &e) {
    setStatus(tr("Not printed: %1.").arg(QString::fromStdString(e.what())));
  }
  progress_.reset();
}

void TemplateWindow::askPdf() {
  if (!painter_)
    return;
  const QString name =
      painter_->sheet().geometry().isPetal() ? tr("petal-template.pdf") : tr("rib-template.pdf");
  const QString path = chooseSaveFile(this, tr("Save Template as PDF"), name, tr("PDF (*.pdf)"));
  if (!path.isEmpty())
    savePdf(path);
}

void TemplateWindow::askSvg() {
  if (!painter_)
    return;
  const QString name =
      painter_->sheet().geometry().isPetal() ? tr("petal-template.svg") : tr("rib-template.svg");
  const QString path = chooseSaveFile(this, tr("Save Template as SVG"), name, tr("SVG (*.svg)"));
  if (!path.isEmpty())
    saveSvg(path);
}

void TemplateWindow::askDxf() {
  if (!painter_)
    return;
  const QString name =
      painter_->sheet().geometry().isPetal() ? tr("petal-template.dxf") : tr("rib-template.dxf");
  const QString path = chooseSaveFile(this, tr("Save Template as DXF"), name, tr("DXF (*.dxf)"));
  if (!path.isEmpty())
    saveDxf(path);
}

void TemplateWindow::askPrint() {
  if (!painter_)
    return;
  // Full page and the template's own paper: the drawing's mm are the paper's mm.
  QPrinter printer(QPrinter::HighResolution);
  printer.setFullPage(true);
  printer.setPageLayout(templatePageLayout(painter_->sheet().plan()));
  QPrintDialog dialog(&printer, this);
  dialog.setWindowTitle(tr("Print Template at 100 %"));
  if (dialog.exec() == QDialog::Accepted)
    printTo(printer);
}

} // namespace dishwright
