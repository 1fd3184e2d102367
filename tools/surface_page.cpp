#include "tools/surface_page.h"

#include "calc/common/input_error.h"
#include "calc/physics/surface_fit.h"
#include "tools/point_table_model.h"
#include "tools/result_grid.h"
#include "tools/surface_plot.h"
#include "tools/tool_form.h"

#include <QApplication>
#include <QClipboard>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace dishwright {
namespace {
enum Row { Points, FocalLength, Fd, RmsError, OneDb, GainLoss };
}

SurfacePage::SurfacePage(LengthUnit unit, double frequencyMHz, QWidget *parent)
    : ToolPage(tr("Measure the depth of the surface at several radii across the dish (from one "
                  "straightedge); type them or paste two columns."),
               parent),
      unit_(unit), model_(new PointTableModel(this)), table_(new QTableView),
      plot_(new SurfacePlot) {
  table_->setModel(model_);
  table_->setAccessibleName(tr("measured points, radius and depth"));
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  table_->setTabKeyNavigation(false); // Tab leaves the table; arrows move inside it
  auto *tableLabel = new QLabel(tr("Poi&nts (radius, depth), typed or pasted:"));
  tableLabel->setBuddy(table_);
  auto *paste = new QPushButton(tr("P&aste points"));
  auto *clear = new QPushButton(tr("C&lear points"));
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

  table_->installEventFilter(this);
  connect(paste, &QPushButton::clicked, this, &SurfacePage::pasteFromClipboard);
  connect(clear, &QPushButton::clicked, model_, &PointTableModel::clear);
  connect(model_, &PointTableModel::dataChanged, this, &SurfacePage::refresh);
  connect(model_, &PointTableModel::modelReset, this, &SurfacePage::refresh);
  connect(frequency_, &QLineEdit::textChanged, this, &SurfacePage::refresh);
  refresh();
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
      for (const QModelIndex &cell : table_->selectionModel()->selectedIndexes())
        model_->setData(cell, QString()); // a blank row is left out of the fit
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void SurfacePage::pasteFromClipboard() { pastePoints(QApplication::clipboard()->text()); }

void SurfacePage::pastePoints(const QString &text) {
  try {
    model_->setPoints(parseSurfacePoints(text.toStdString()));
  } catch (const InputError &e) {
    showError(message(), tr("The pasted text, %1").arg(QString::fromUtf8(e.what())));
  }
}

std::optional<double> SurfacePage::fd() const {
  return fit_ ? std::optional<double>(fit_->fd) : std::nullopt;
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
