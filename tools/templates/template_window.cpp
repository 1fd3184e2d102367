#include "tools/templates/template_window.h"

#include "calc/common/figure_text.h"
#include "calc/common/input_error.h"
#include "paper/template_writer.h"
#include "tools/kit/result_grid.h"
#include "tools/kit/tool_form.h"
#include "tools/kit/tool_state.h"
#include "tools/templates/page_preview.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QJsonValue>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <cmath>

namespace dishwright {
namespace {

enum Row { Focal, Depth, RibLength, GoreLength, GoreWidth, GoreError, GoresNeeded, Pages };

constexpr int kDefaultCount = 12;
constexpr int kFewestCount = 1;
constexpr int kMostCount = 720; // a hub guide line every half degree
// Significant digits of a seeded diameter or frequency: all a single-precision
// screen value holds, without its binary tail (1.2, not 1.2000000476837158).
constexpr int kSeedDigits = 7;
// What a blank frequency showed when the field was a spin box, and was kept as.
const char *const kNoFrequency = QT_TRANSLATE_NOOP("dishwright::TemplateWindow", "not given");

QString seedText(double value, int digits) {
  return value > 0 ? QString::fromStdString(plainFigureText(value, digits)) : QString();
}

// A number field with its unit after it, labelled with a mnemonic on `form`.
QLabel *addFieldWithUnit(QFormLayout *form, const QString &label, QLineEdit *field,
                         const QString &unit) {
  auto *unitLabel = new QLabel(unit);
  auto *row = new QHBoxLayout;
  row->addWidget(field, 1);
  row->addWidget(unitLabel);
  auto *name = new QLabel(label);
  name->setBuddy(field);
  form->addRow(name, row);
  return unitLabel;
}

QLineEdit *numberField(const QString &accessibleName) {
  auto *field = new QLineEdit;
  field->setAccessibleName(accessibleName);
  field->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
  return field;
}

double required(const QLineEdit *field, const char *what) {
  if (const auto value = typedValue(field, what))
    return *value;
  throw InputError(std::string("type the ") + what);
}

} // namespace

TemplateWindow::TemplateWindow(const DesignSeed &seed, QWidget *parent)
    : ToolPage(QString(), parent, Qt::Window) { // a window of its own, also with a parent
  setWindowTitle(tr("Templates"));
  auto *figuresBox = new QGroupBox(tr("Figures"));
  addFigureRows();
  (new QVBoxLayout(figuresBox))->addWidget(results());
  notes_ = makeMessageLabel(nullptr);
  notes_->setAccessibleName(tr("Notes"));
  status_ = makeMessageLabel(nullptr);
  status_->setAccessibleName(tr("Status"));

  auto *left = new QVBoxLayout;
  left->addWidget(instructions());
  left->addLayout(buildInputs(seed));
  left->addWidget(figuresBox);
  left->addWidget(message());
  left->addWidget(notes_);
  left->addWidget(status_);
  left->addStretch(1);
  left->addLayout(buildButtons());
  auto *whole = new QHBoxLayout(this);
  whole->addLayout(left);
  whole->addWidget(buildPreview(), 1);
  remember();
  refresh();
}

TemplateWindow::~TemplateWindow() { preview_->setPages(nullptr); }

QLayout *TemplateWindow::buildInputs(const DesignSeed &seed) {
  auto *designBox = new QGroupBox(tr("Design"));
  designBox->setLayout(buildDesign(seed));
  auto *cutBox = new QGroupBox(tr("Template"));
  cutBox->setLayout(buildCut(seed));
  // The hub's unit first: the template is then made once, with it.
  connect(unit_, &QComboBox::currentIndexChanged, this,
          [this] { hubUnit_->setText(unitSymbol(smallUnitOf(chosenDishSizeUnit(unit_)))); });
  for (QLineEdit *field : {fd_, diameter_, frequency_, count_, hub_})
    connect(field, &QLineEdit::textChanged, this, &TemplateWindow::refresh);
  for (QComboBox *box : {unit_, kind_, paper_})
    connect(box, &QComboBox::currentIndexChanged, this, &TemplateWindow::refresh);
  auto *boxes = new QVBoxLayout;
  boxes->addWidget(designBox);
  boxes->addWidget(cutBox);
  return boxes;
}

QFormLayout *TemplateWindow::buildDesign(const DesignSeed &seed) {
  auto *design = new QFormLayout;
  fd_ = addNumberField(design, tr("&f/D:"), tr("f/D"));
  fd_->setText(seedText(seed.fd, kFdDigits));
  diameter_ = addNumberField(design, tr("&Diameter:"), tr("Diameter"));
  diameter_->setText(seedText(seed.diameter, kSeedDigits));
  unit_ = new QComboBox;
  unit_->addItem(tr("feet (template in inches)"), static_cast<int>(DishSizeUnit::Feet));
  unit_->addItem(tr("metres (template in mm)"), static_cast<int>(DishSizeUnit::Metres));
  unit_->setCurrentIndex(unit_->findData(static_cast<int>(seed.unit)));
  unit_->setAccessibleName(tr("Diameter unit"));
  design->addRow(tr("&Unit:"), unit_);
  frequency_ = numberField(tr("Frequency, MHz"));
  frequency_->setPlaceholderText(tr(kNoFrequency));
  frequency_->setText(seedText(seed.frequencyMHz, kSeedDigits));
  addFieldWithUnit(design, tr("Fre&quency:"), frequency_, tr(" MHz").trimmed());
  return design;
}

QFormLayout *TemplateWindow::buildCut(const DesignSeed &seed) {
  auto *cut = new QFormLayout;
  kind_ = new QComboBox;
  kind_->addItems({tr("Rib"), tr("Petals (gores)")});
  kind_->setAccessibleName(tr("Template kind"));
  cut->addRow(tr("&Template:"), kind_);
  count_ = addNumberField(cut, tr("&N, ribs or gores:"), tr("Number of ribs or gores"));
  count_->setText(QString::number(kDefaultCount));
  count_->setToolTip(tr("Ribs: the lines of the hub drilling guide. Petals: the gores."));
  hub_ = numberField(tr("Hub radius"));
  hub_->setText(QStringLiteral("0"));
  hub_->setToolTip(tr("Ribs start at the hub edge; 0 for no hub"));
  hubUnit_ = addFieldWithUnit(cut, tr("&Hub radius:"), hub_, unitSymbol(smallUnitOf(seed.unit)));
  paper_ = new QComboBox;
  paper_->addItems({tr("A4"), tr("US Letter"), tr("One sheet, the template's own size")});
  paper_->setCurrentIndex(localPaper() == PaperKind::Letter ? 1 : 0);
  paper_->setAccessibleName(tr("Paper"));
  cut->addRow(tr("P&aper:"), paper_);
  return cut;
}

void TemplateWindow::addFigureRows() {
  ResultGrid *grid = results();
  grid->addRow(tr("Focal length"), QString());
  grid->addRow(tr("Depth"), QString());
  grid->addRow(tr("Rib length"), QString());
  grid->addRow(tr("Gore length"), QString());
  grid->addRow(tr("Gore width at rim"), QString());
  grid->addRow(tr("Flat gore error"), QString());
  grid->addRow(tr("Gores for \u03bb/16:").chopped(1), QString()); // its label says lambda
  grid->valueField(GoresNeeded)->setAccessibleName(tr("Gores for lambda/16"));
  grid->valueField(GoresNeeded)
      ->setToolTip(tr("The fewest gores whose flat-gore error stays within a "
                      "sixteenth of the wavelength"));
  grid->addRow(tr("Pages"), QString());
  // Wide enough for the page grid of a large template in words.
  QLineEdit *pages = grid->valueField(Pages);
  pages->setMinimumWidth(pages->fontMetrics().horizontalAdvance(
      tr("%1 (of a %2 x %3 grid, rows x columns, %4)").arg(24).arg(6).arg(4).arg(tr("landscape"))));
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

QLayout *TemplateWindow::buildButtons() {
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
  return buttons;
}

// The keys of design files and of the last run's memory. A blank frequency was
// kept as the words a spin box showed for it; they read back as blank.
void TemplateWindow::remember() {
  auto *state = new ToolState(this);
  state->add(QStringLiteral("unit"), unit_);
  state->add(QStringLiteral("fd"), fd_);
  state->add(QStringLiteral("diameter"), diameter_);
  state->add(
      QStringLiteral("frequencyMHz"), [this] { return QJsonValue(frequency_->text()); },
      [this](const QJsonValue &v) {
        const QString text = v.toString();
        if (v.isString())
          frequency_->setText(
              text == QLatin1String(kNoFrequency) || text == tr(kNoFrequency) ? QString() : text);
      });
  state->add(QStringLiteral("kind"), kind_);
  state->add(QStringLiteral("count"), count_);
  state->add(QStringLiteral("hub"), hub_);
  state->add(QStringLiteral("paper"), paper_);
}

bool TemplateWindow::petal() const { return kind_->currentIndex() == 1; }

TemplateInput TemplateWindow::input() const {
  TemplateInput in;
  in.kind = petal() ? TemplateKind::Petal : TemplateKind::Rib;
  in.fd = required(fd_, "f/D");
  in.diameter = required(diameter_, "diameter");
  in.unit = chosenDishSizeUnit(unit_);
  in.count = typedCount();
  in.hubRadius = petal() ? 0 : typedValue(hub_, "hub radius").value_or(0);
  in.frequencyMHz = typedValue(frequency_, "frequency").value_or(0);
  return in;
}

// N as typed: a whole number from 1 to 720.
int TemplateWindow::typedCount() const {
  const char *what = petal() ? "number of gores" : "number of ribs";
  const double n = required(count_, what);
  if (n != std::floor(n))
    throw InputError(std::string("the ") + what + " must be a whole number, not " +
                     plainFigureText(n));
  if (n < kFewestCount || n > kMostCount)
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

void TemplateWindow::forget() {
  preview_->setPages(nullptr); // before the pages it shows go
  painter_.reset();
  sheet_.reset();
  setStatus(QString()); // a save's words belong to the template it saved
}

void TemplateWindow::compute() {
  auto sheet = std::make_unique<TemplateSheet>(input(), paper());
  painter_ = std::make_unique<TemplatePainter>(*sheet);
  sheet_ = std::move(sheet);
  showFigures();
}

void TemplateWindow::draw() {
  hub_->setEnabled(!petal());
  hubUnit_->setEnabled(!petal());
  for (int row : {GoreLength, GoreWidth, GoreError})
    results()->setRowVisible(row, petal());
  const QString why = problem().isEmpty() ? QString() : tr("No template: %1.").arg(problem());
  preview_->setPages(painter_.get(), why);
  for (QPushButton *b : {savePdf_, saveSvg_, saveDxf_, print_})
    b->setEnabled(painter_ != nullptr);
  showNotes();
}

void TemplateWindow::showFigures() {
  const TemplateGeometry &g = sheet_->geometry();
  const QString unit = unitSymbol(smallUnitOf(g.input().unit));
  auto show = [this, &unit](int row, double value) {
    results()->setValue(row, figureAs<QString>(value) + QLatin1Char(' ') + unit);
  };
  show(Focal, g.focalLength());
  show(Depth, g.depth());
  show(RibLength, g.ribLength());
  if (g.isPetal()) {
    show(GoreLength, g.goreLength());
    show(GoreWidth, g.goreWidthAtRim());
    show(GoreError, g.flatGoreError());
  }
  const TilingPlan &plan = sheet_->plan();
  results()->setValue(Pages, plan.paper == PaperKind::Sheet
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
  results()->setRowVisible(GoresNeeded, known);
  if (known)
    results()->setValue(GoresNeeded,
                        QString::number(goresWithin(g->depth(), g->wavelength() / 16)));
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

} // namespace dishwright
