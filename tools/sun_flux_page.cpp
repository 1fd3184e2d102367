#include "tools/sun_flux_page.h"

#include "calc/physics/sun_noise.h"
#include "tools/result_grid.h"
#include "tools/sun_text.h"
#include "tools/tool_form.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace dishwright {
namespace {
enum Row { Flux };

// An editable chooser offering the observatories' frequencies, at `chosen`.
QComboBox *observatoryChooser(std::size_t chosen, const QString &name) {
  auto *chooser = new QComboBox;
  chooser->setEditable(true);
  chooser->setInsertPolicy(QComboBox::NoInsert); // a frequency typed is not a report's
  for (double mhz : kObservatoryFrequenciesMHz)
    chooser->addItem(fieldText(mhz));
  chooser->setCurrentIndex(static_cast<int>(chosen));
  chooser->setAccessibleName(name);
  chooser->setAccessibleDescription(
      QObject::tr("megahertz; the observatories report at the frequencies offered"));
  chooser->lineEdit()->setAccessibleName(name);
  chooser->lineEdit()->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
  return chooser;
}

// The observatory frequency at or below `frequencyMHz` and the one above, as
// indices; the first two or the last two outside their range.
std::pair<std::size_t, std::size_t> reportsAround(double frequencyMHz) {
  const auto &reports = kObservatoryFrequenciesMHz;
  const auto above = std::upper_bound(reports.begin(), reports.end(), frequencyMHz);
  const std::size_t upper = std::clamp<std::size_t>(above - reports.begin(), 1, reports.size() - 1);
  return {upper - 1, upper};
}
} // namespace

SunFluxPage::SunFluxPage(double frequencyMHz, QWidget *parent)
    : ToolPage(tr("The observatories report the day's flux at a few frequencies: type the two "
                  "either side of yours."),
               parent) {
  const auto [below, above] = reportsAround(frequencyMHz);
  auto *form = new QFormLayout;
  frequency_ = addNumberField(form, tr("F&requency, MHz:"), tr("frequency wanted"));
  frequency_->setAccessibleDescription(tr("megahertz: the flux is wanted here"));
  if (frequencyMHz > 0)
    frequency_->setText(fieldText(frequencyMHz));
  f1_ = observatoryChooser(below, tr("first observatory frequency"));
  auto *f1Label = new QLabel(tr("Observatory &1, MHz:"));
  f1Label->setBuddy(f1_);
  form->addRow(f1Label, f1_);
  s1_ = addNumberField(form, tr("Flux at &observatory 1, SFU:"), tr("first observatory flux"));
  s1_->setAccessibleDescription(tr("solar flux units"));
  f2_ = observatoryChooser(above, tr("second observatory frequency"));
  auto *f2Label = new QLabel(tr("Observatory &2, MHz:"));
  f2Label->setBuddy(f2_);
  form->addRow(f2Label, f2_);
  s2_ = addNumberField(form, tr("Flux at obser&vatory 2, SFU:"), tr("second observatory flux"));
  s2_->setAccessibleDescription(tr("solar flux units"));
  results()->addRow(tr("Flux"), tr("on a power law through the two reports"));
  use_ = new QPushButton(tr("&Use this flux"));
  use_->setAccessibleDescription(tr("puts the flux shown into the Predict and Measured pages"));

  auto *layout = new QVBoxLayout(this);
  layout->addWidget(instructions());
  layout->addLayout(form);
  layout->addWidget(message());
  layout->addWidget(results());
  layout->addWidget(use_, 0, Qt::AlignRight);
  layout->addStretch(1);

  for (QLineEdit *field : {frequency_, s1_, s2_})
    connect(field, &QLineEdit::textChanged, this, &SunFluxPage::refresh);
  for (QComboBox *chooser : {f1_, f2_})
    connect(chooser, &QComboBox::editTextChanged, this, &SunFluxPage::refresh);
  connect(use_, &QPushButton::clicked, this, [this] {
    if (flux_)
      emit fluxChosen(*flux_);
  });
  refresh();
}

void SunFluxPage::forget() { flux_.reset(); }

void SunFluxPage::compute() {
  const auto frequency = typedValue(frequency_, "frequency");
  const auto f1 = typedValue(f1_->lineEdit(), "first observatory frequency");
  const auto s1 = typedValue(s1_, "first observatory flux");
  const auto f2 = typedValue(f2_->lineEdit(), "second observatory frequency");
  const auto s2 = typedValue(s2_, "second observatory flux");
  if (!frequency || !f1 || !s1 || !f2 || !s2)
    return;
  flux_ = interpolateFlux(*frequency, *f1, *s1, *f2, *s2);
  results()->setValue(Flux, figure(*flux_, tr("SFU")));
}

void SunFluxPage::draw() { use_->setEnabled(flux_.has_value()); }

} // namespace dishwright
