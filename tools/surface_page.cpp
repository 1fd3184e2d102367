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
    : QWidget(parent), unit_(unit), model_(new PointTableModel(this)), table_(new QTableView),
      plot_(new SurfacePlot), results_(new ResultGrid) {
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
  message_ = makeMessageLabel(this);
  results_->addRow(tr("Points"), tr("how many points the fit used"));
  results_->addRow(tr("Focal length"), tr("of the parabola that best fits the points"));
  results_->addRow(tr("f/D"), tr("taking the diameter as twice the farthest radius measured"));
  results_->addRow(tr("Surface error"),
                   tr("RMS of how far the surface delays the wave against the parabola"));
  results_->addRow(tr("1 dB loss at"), tr("above this frequency the surface costs over 1 dB"));
  results_->addRow(tr("Gain loss"), tr("what the surface error costs at the frequency typed"));

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
  layout->addLayout(top, 1);
  layout->addLayout(form);
  layout->addWidget(message_);
  layout->addWidget(results_);

  table_->installEventFilter(this);
  connect(paste, &QPushButton::clicked, this, &SurfacePage::pasteFromClipboard);
  connect(clear, &QPushButton::clicked, model_, &PointTableModel::clear);
  connect(model_, &PointTableModel::dataChanged, this, &SurfacePage::update);
  connect(model_, &PointTableModel::modelReset, this, &SurfacePage::update);
  connect(frequency_, &QLineEdit::textChanged, this, &SurfacePage::update);
  update();
}

void SurfacePage::setUnit(LengthUnit unit) {
  unit_ = unit;
  update();
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
    showError(message_, tr("The pasted text, %1").arg(QString::fromUtf8(e.what())));
  }
}

void SurfacePage::update() {
  fd_.reset();
  results_->clearValues();
  std::vector<SurfacePoint> points;
  std::optional<SurfaceFit> fit;
  try {
    points = model_->points();
    if (points.empty()) {
      showHint(message_, tr("Measure the depth of the surface at several radii across the dish "
                            "(from one straightedge); type them or paste two columns."));
    } else {
      fit = fitSurface(points, unit_);
      results_->setValue(Points, QString::number(fit->points));
      results_->setValue(FocalLength, figure(fit->focalLength, unitSymbol(unit_)));
      results_->setValue(Fd, figure(fit->fd));
      results_->setValue(RmsError, figure(fit->rmsError, unitSymbol(unit_)));
      results_->setValue(OneDb, fit->rmsError > 0 ? figure(fit->oneDbLossMHz, tr("MHz"))
                                                  : tr("never: the points lie on the parabola"));
      showHint(message_, QString());
      fd_ = fit->fd;
      if (const auto frequency = typedValue(frequency_, "frequency"))
        results_->setValue(GainLoss,
                           figure(surfaceLossDb(fit->rmsError, unit_, *frequency), tr("dB")));
    }
  } catch (const InputError &e) {
    showError(message_, QString::fromUtf8(e.what()));
  }
  plot_->setData(std::move(points), fit, unitSymbol(unit_));
  emit resultChanged();
}

} // namespace dishwright
