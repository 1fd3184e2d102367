#include "tools/measure/surface_page.h"

#include "calc/common/figure_text.h"
#include "calc/common/input_error.h"
#include "calc/physics/surface_fit.h"
#include "tools/kit/result_grid.h"
#include "tools/kit/tool_form.h"
#include "tools/kit/tool_state.h"
#include "tools/measure/point_table_edits.h"
#include "tools/measure/point_table_model.h"
#include "tools/measure/step_button.h"
#include "tools/measure/surface_plot.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QJsonArray>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace dishwright {
namespace {
enum Row { Points, FocalLength, Fd, RmsError, OneDb, GainLoss };

// Enough steps back for a session at the dish; each pasted point it keeps costs
// 16 bytes, each row a step overwrote 32.
constexpr int kUndoSteps = 100;

QString pointCount(std::size_t count) {
  return count == 1 ? SurfacePage::tr("1 point") : SurfacePage::tr("%1 points").arg(count);
}

// Ctrl+Z, and Ctrl+Shift+Z or Ctrl+Y, anywhere on the page but in a text field,
// which takes them back for its own text.
void addStepKeys(QWidget *page, QUndoStack *stack) {
  auto *undo = new QAction(page);
  undo->setShortcuts(QKeySequence::Undo);
  auto *redo = new QAction(page);
  redo->setShortcuts(
      {QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))});
  for (QAction *action : {undo, redo}) {
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    page->addAction(action);
  }
  QObject::connect(undo, &QAction::triggered, stack, &QUndoStack::undo);
  QObject::connect(redo, &QAction::triggered, stack, &QUndoStack::redo);
}

} // namespace

SurfacePage::SurfacePage(LengthUnit unit, double frequencyMHz, QWidget *parent)
    : ToolPage(tr("Measure the depth of the surface at several radii across the dish (from one "
                  "straightedge); type them or paste two columns."),
               parent),
      unit_(unit), model_(new PointTableModel(this)), undo_(new QUndoStack(this)),
      table_(new QTableView), plot_(new SurfacePlot) {
  undo_->setUndoLimit(kUndoSteps);
  table_->setModel(model_);
  auto *editor = new PointEditDelegate(table_);
  table_->setItemDelegate(editor);
  table_->setAccessibleName(tr("measured points, radius and depth"));
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  table_->setTabKeyNavigation(false); // Tab leaves the table; arrows move inside it
  auto *tableLabel = new QLabel(tr("Poi&nts (radius, depth), typed or pasted:"));
  tableLabel->setBuddy(table_);
  auto *paste = new QPushButton(tr("P&aste points"));
  auto *clear = new QPushButton(tr("C&lear points"));
  auto *undo = new StepButton(undo_, StepButton::Back);
  auto *redo = new StepButton(undo_, StepButton::Forward);
  addStepKeys(this, undo_);
  auto *form = new QFormLayout;
  frequency_ = addNumberField(form, tr("&Frequency, MHz (for the gain loss):"), tr("frequency"));
  if (frequencyMHz > 0)
    frequency_->setText(QString::number(frequencyMHz, 'g', 10));
  results()->addRow(tr("Points"), tr("how many points the fit used"));
  results()->addRow(tr("Focal length"), tr("of the parabola that best fits the points"));
  results()->addRow(tr("f/D"), tr("taking the diameter as twice the farthest radius measured"));
  results()->addRow(tr("Surface error"),
                    tr("RMS of how far the surface delays the wave against the parabola"));
  results()->addRow(tr("1 dB loss at"), tr("above this frequency the surface costs over 1 dB"));
  results()->addRow(tr("Gain loss"), tr("what the surface error costs at the frequency typed"));

  auto *tableSide = new QVBoxLayout;
  tableSide->addWidget(tableLabel);
  tableSide->addWidget(table_);
  auto *buttons = new QHBoxLayout;
  buttons->addWidget(paste);
  buttons->addWidget(clear);
  buttons->addWidget(undo);
  buttons->addWidget(redo);
  tableSide->addLayout(buttons);
  auto *top = new QHBoxLayout;
  top->addLayout(tableSide, 1);
  top->addWidget(plot_, 2);
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(instructions());
  layout->addLayout(top, 1);
  layout->addLayout(form);
  layout->addWidget(message());
  layout->addWidget(results());
  // Out of the table, the buttons under it in reading order, then the frequency.
  QWidget *order[] = {table_, paste, clear, undo, redo, frequency_};
  for (std::size_t i = 1; i < std::size(order); ++i)
    QWidget::setTabOrder(order[i - 1], order[i]);

  table_->installEventFilter(this);
  connect(editor, &PointEditDelegate::edited, this, &SurfacePage::typeCell);
  connect(paste, &QPushButton::clicked, this, &SurfacePage::pasteFromClipboard);
  connect(clear, &QPushButton::clicked, this, &SurfacePage::clearAll);
  connect(model_, &PointTableModel::pointsChanged, this, &SurfacePage::refresh);
  connect(frequency_, &QLineEdit::textChanged, this, &SurfacePage::refresh);
  auto *state = new ToolState(this, QStringLiteral("surface"));
  state->add(
      QStringLiteral("points"), [this] { return pointsAsJson(); },
      [this](const QJsonValue &rows) { setPointsFromJson(rows); });
  state->add(QStringLiteral("frequencyMHz"), frequency_);
  refresh();
}

// Each row [radius, depth] as typed, so that a design file reads as the table does.
QJsonValue SurfacePage::pointsAsJson() const {
  QJsonArray rows;
  for (const auto &[radius, depth] : model_->cellTexts())
    rows.append(QJsonArray{radius, depth});
  return rows;
}

// A fresh table: the steps to undo belonged to the table it replaces.
void SurfacePage::setPointsFromJson(const QJsonValue &value) {
  if (!value.isArray())
    return;
  std::vector<std::pair<QString, QString>> rows;
  const QJsonArray table = value.toArray();
  for (const auto &row : table) {
    const QJsonArray cells = row.toArray();
    rows.emplace_back(cells.at(0).toString(), cells.at(1).toString());
  }
  undo_->clear();
  model_->setCellTexts(rows);
}

void SurfacePage::setUnit(LengthUnit unit) {
  unit_ = unit;
  refresh();
}

bool SurfacePage::eventFilter(QObject *watched, QEvent *event) {
  // The table view copies but does not paste by itself; an open cell editor
  // handles its own paste before the view sees the key.
  if (watched == table_ && event->type() == QEvent::KeyPress) {
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->matches(QKeySequence::Paste)) {
      pasteFromClipboard();
      return true;
    }
    if (key->matches(QKeySequence::Delete) || key->key() == Qt::Key_Backspace) {
      deleteSelected();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void SurfacePage::pasteFromClipboard() { pastePoints(QApplication::clipboard()->text()); }

void SurfacePage::pastePoints(const QString &text) {
  std::vector<SurfacePoint> points;
  try {
    points = parseSurfacePoints(text.toStdString());
  } catch (const InputError &e) {
    showError(message(), tr("The pasted text, %1").arg(QString::fromUtf8(e.what())));
    return;
  }
  if (points.empty()) {
    showError(message(), tr("The pasted text holds no \"r z\" lines"));
    return;
  }
  const QModelIndex current = table_->currentIndex();
  const int first = current.isValid() ? current.row() : 0;
  const int last = first + static_cast<int>(points.size()) - 1;
  const QString step = tr("paste %1").arg(pointCount(points.size()));
  undo_->push(new PointTableCommand(
      step, model_, first, last,
      [first, points = std::move(points)](PointTableModel &m) { m.setPointsAt(first, points); }));
}

void SurfacePage::typeCell(int row, int column, const QString &text) {
  undo_->push(new PointTableCommand(
      tr("typing in row %1").arg(row + 1), model_, row, row,
      [row, column, text](PointTableModel &m) { m.setData(m.index(row, column), text); }));
}

// A blank row is left out of the fit, so the rows stay where they are.
void SurfacePage::deleteSelected() {
  std::vector<CellRange> cells;
  int top = model_->pointRowCount(), bottom = -1;
  for (const QItemSelectionRange &range : table_->selectionModel()->selection()) {
    cells.push_back({range.top(), range.bottom(), range.left(), range.right()});
    top = std::min(top, range.top());
    bottom = std::max(bottom, range.bottom());
  }
  if (top > std::min(bottom, model_->pointRowCount() - 1))
    return; // nothing but the typing row
  undo_->push(new PointTableCommand(tr("delete"), model_, top, bottom,
                                    [cells](PointTableModel &m) { m.clearCells(cells); }));
}

void SurfacePage::clearAll() {
  const int rows = model_->pointRowCount();
  if (rows == 0)
    return;
  undo_->push(new PointTableCommand(tr("clear %1").arg(pointCount(model_->filledRowCount())),
                                    model_, 0, rows - 1, [](PointTableModel &m) { m.clear(); }));
}

std::size_t SurfacePage::enteredPointCount() const { return model_->filledRowCount(); }

std::optional<MeasuredDish> SurfacePage::measured() const {
  if (!fit_)
    return std::nullopt;
  return MeasuredDish{
      fit_->fd, fit_->diameter, unit_,
      tr("measured surface, %1 %2 across (twice the farthest radius measured)")
          .arg(QString::fromStdString(plainFigureText(fit_->diameter)), unitSymbol(unit_))};
}

void SurfacePage::forget() {
  points_.clear();
  fit_.reset();
}

void SurfacePage::compute() {
  points_ = model_->points();
  if (points_.empty())
    return;
  fit_ = fitSurface(points_, unit_);
  results()->setValue(Points, QString::number(fit_->points));
  results()->setValue(FocalLength, figure(fit_->focalLength, unitSymbol(unit_)));
  results()->setValue(Fd, figure(fit_->fd));
  results()->setValue(RmsError, figure(fit_->rmsError, unitSymbol(unit_)));
  results()->setValue(OneDb, fit_->rmsError > 0 ? figure(fit_->oneDbLossMHz, tr("MHz"))
                                                : tr("never: no loss at any frequency"));
  if (const auto frequency = typedValue(frequency_, "frequency"))
    results()->setValue(GainLoss,
                        figure(surfaceLossDb(fit_->rmsError, unit_, *frequency), tr("dB")));
}

void SurfacePage::draw() { plot_->setData(points_, fit_, unitSymbol(unit_)); }

} // namespace dishwright
