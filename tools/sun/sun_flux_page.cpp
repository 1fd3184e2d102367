#include "tools/sun/sun_flux_page.h"

#include "calc/common/input_error.h"
#include "calc/physics/sun_noise_flux.h"
#include "tools/kit/result_grid.h"
#include "tools/kit/tool_colours.h"
#include "tools/kit/tool_form.h"
#include "tools/kit/tool_state.h"
#include "tools/sun/sun_text.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

namespace dishwright {
namespace {
enum Row { Flux };

// The text a report is offered under: its frequency, and for the report quoted
// as the "10.7 cm flux" that name, so that it is not typed at 10700 MHz.
QString reportText(double mhz) {
  if (mhz == kTenCentimetreReportMHz)
    return QObject::tr("%1 (10.7 cm, F10.7)").arg(fieldText(mhz));
  return fieldText(mhz);
}

// An editable chooser offering the observatories' frequencies, at `chosen`.
QComboBox *observatoryChooser(std::size_t chosen, const QString &name) {
  auto *chooser = new QComboBox;
  chooser->setEditable(true);
  chooser->setInsertPolicy(QComboBox::NoInsert); // a frequency typed is not a report's
  for (double mhz : kObservatoryFrequenciesMHz)
    chooser->addItem(reportText(mhz), mhz);
  chooser->setCurrentIndex(static_cast<int>(chosen));
  chooser->setAccessibleName(name);
  chooser->setAccessibleDescription(
      QObject::tr("megahertz; the observatories report at the frequencies offered, the 10.7 cm "
                  "flux at 2800"));
  chooser->lineEdit()->setAccessibleName(name);
  chooser->lineEdit()->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
  return chooser;
}

// The frequency a chooser shows, MHz: an offered report's, or the one typed;
// nothing while blank. Throws InputError for text that is not a number.
std::optional<double> reportFrequency(const QComboBox *chooser, const char *what) {
  const int offered = chooser->findText(chooser->currentText());
  if (offered >= 0)
    return chooser->itemData(offered).toDouble();
  return typedValue(chooser->lineEdit(), what);
}

// The remarks as lines: a warning in the error colour, a note as plain text.
void showRemarks(QLabel *label, const FluxRemarks &remarks) {
  QStringList lines;
  if (remarks.warning)
    lines << QObject::tr("Warning: %1.").arg(QString::fromStdString(*remarks.warning));
  if (remarks.note)
    lines << QObject::tr("Note: %1.").arg(QString::fromStdString(*remarks.note));
  showHint(label, lines.join(QLatin1Char('\n')));
  if (remarks.warning) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, errorColour(palette));
    label->setPalette(palette);
  }
}
} // namespace

SunFluxPage::SunFluxPage(double frequencyMHz, QWidget *parent)
    : ToolPage(tr("The observatories report the day's flux at a few frequencies: the two either "
                  "side of yours are chosen as you type it. Type their figures, or pick others."),
               parent),
      remarks_(makeMessageLabel(nullptr)) {
  const auto [below, above] = observatoryPairAround(frequencyMHz);
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
  remarks_->setAccessibleName(tr("about the reports"));
  use_ = new QPushButton(tr("&Use this flux"));
  use_->setAccessibleDescription(
      tr("puts the flux shown and its frequency into the Predict and Measured pages"));

  auto *layout = new QVBoxLayout(this);
  layout->addWidget(instructions());
  layout->addLayout(form);
  layout->addWidget(message());
  layout->addWidget(results());
  layout->addWidget(remarks_);
  layout->addWidget(use_, 0, Qt::AlignRight);
  layout->addStretch(1);

  connect(frequency_, &QLineEdit::textChanged, this, [this] {
    followFrequency();
    refresh();
  });
  for (QLineEdit *field : {s1_, s2_})
    connect(field, &QLineEdit::textChanged, this, &SunFluxPage::refresh);
  connect(s1_, &QLineEdit::textChanged, this, [this] { rememberFlux(f1_, s1_); });
  connect(s2_, &QLineEdit::textChanged, this, [this] { rememberFlux(f2_, s2_); });
  for (QComboBox *chooser : {f1_, f2_}) {
    connect(chooser, &QComboBox::editTextChanged, this, &SunFluxPage::refresh);
    connect(chooser, &QComboBox::activated, this, [this] { pairPicked_ = true; });
    connect(chooser->lineEdit(), &QLineEdit::textEdited, this, [this] { pairPicked_ = true; });
  }
  connect(use_, &QPushButton::clicked, this, [this] {
    if (flux_ && fluxFrequencyMHz_)
      emit fluxChosen(*flux_, *fluxFrequencyMHz_);
  });
  auto *state = new ToolState(this, QStringLiteral("flux"));
  state->add(QStringLiteral("frequencyMHz"), frequency_);
  state->add(QStringLiteral("observatory1MHz"), f1_);
  state->add(QStringLiteral("flux1Sfu"), s1_);
  state->add(QStringLiteral("observatory2MHz"), f2_);
  state->add(QStringLiteral("flux2Sfu"), s2_);
  refresh();
}

// Until the user picks a pair, the pair is the one either side of the frequency,
// with the figures typed for those reports before (blank for reports not typed).
void SunFluxPage::followFrequency() {
  if (pairPicked_)
    return;
  std::optional<double> frequency;
  try {
    frequency = typedValue(frequency_, "frequency");
  } catch (const InputError &) {
    return; // the refresh says what is wrong with it
  }
  if (!frequency || !(*frequency > 0))
    return;
  const auto [below, above] = observatoryPairAround(*frequency);
  if (f1_->currentIndex() != static_cast<int>(below) ||
      f2_->currentIndex() != static_cast<int>(above))
    choosePair(below, above);
}

void SunFluxPage::choosePair(std::size_t below, std::size_t above) {
  // Both reports first, then their figures: a figure is remembered for the
  // report shown beside it.
  f1_->setCurrentIndex(static_cast<int>(below));
  f2_->setCurrentIndex(static_cast<int>(above));
  auto remembered = [this](std::size_t report) {
    const auto known = fluxByReport_.find(kObservatoryFrequenciesMHz[report]);
    return known == fluxByReport_.end() ? QString() : known->second;
  };
  s1_->setText(remembered(below));
  s2_->setText(remembered(above));
}

void SunFluxPage::rememberFlux(const QComboBox *chooser, const QLineEdit *field) {
  try {
    if (const auto report = reportFrequency(chooser, "observatory frequency"))
      fluxByReport_[*report] = field->text();
  } catch (const InputError &) {
    // a report frequency that is not a number has no figure to keep
  }
}

void SunFluxPage::forget() {
  flux_.reset();
  fluxFrequencyMHz_.reset();
  showHint(remarks_, QString());
}

void SunFluxPage::compute() {
  const auto frequency = typedValue(frequency_, "frequency");
  const auto f1 = reportFrequency(f1_, "first observatory frequency");
  const auto s1 = typedValue(s1_, "first observatory flux");
  const auto f2 = reportFrequency(f2_, "second observatory frequency");
  const auto s2 = typedValue(s2_, "second observatory flux");
  if (!frequency || !f1 || !f2)
    return;
  // Where the frequency lies against the reports is said before their figures
  // are typed.
  showRemarks(remarks_, checkFluxReports(*frequency, *f1, *f2));
  if (!s1 || !s2)
    return;
  flux_ = estimateFlux(*frequency, *f1, *s1, *f2, *s2).fluxSfu;
  fluxFrequencyMHz_ = *frequency;
  results()->setValue(Flux, figure(*flux_, tr("SFU")));
}

void SunFluxPage::draw() { use_->setEnabled(flux_.has_value()); }

} // namespace dishwright
