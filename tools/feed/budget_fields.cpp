#include "tools/feed/budget_fields.h"

#include "calc/common/input_error.h"
#include "tools/kit/tool_form.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QObject>

#include <cmath>

namespace dishwright {
namespace {

// The most struts a feed is held by, count.
constexpr double kMostStruts = 16;

QLineEdit *budgetField(const QString &accessibleName, const QString &description) {
  auto *field = new QLineEdit;
  field->setAccessibleName(accessibleName);
  field->setAccessibleDescription(description);
  field->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
  return field;
}

QLabel *labelFor(const QString &text, QWidget *buddy) {
  auto *label = new QLabel(text);
  label->setBuddy(buddy);
  return label;
}

} // namespace

BudgetFields::BudgetFields(QFormLayout *form)
    : strutCount_(budgetField(QObject::tr("number of struts"),
                              QObject::tr("struts from the rim to the feed; blank for none"))),
      strutWidth_(budgetField(QObject::tr("strut width"),
                              QObject::tr("each strut's width as the wave sees it; inches for a "
                                          "dish in feet, mm for one in metres"))),
      vswr_(budgetField(QObject::tr("feed VSWR"),
                        QObject::tr("the feed's VSWR at the frequency; blank for a matched feed"))),
      meshSize_(budgetField(QObject::tr("mesh size"),
                            QObject::tr("centre to centre of the wires of a mesh surface; blank "
                                        "for a solid surface"))),
      meshWire_(budgetField(QObject::tr("mesh wire diameter"),
                            QObject::tr("the thickness of the mesh's wire"))),
      strutUnit_(new QLabel), meshUnit_(new QLabel) {
  auto *struts = new QHBoxLayout;
  struts->addWidget(strutCount_);
  struts->addWidget(new QLabel(QObject::tr("of width")));
  struts->addWidget(strutWidth_, 1);
  struts->addWidget(strutUnit_);
  form->addRow(labelFor(QObject::tr("Str&uts:"), strutCount_), struts);
  form->addRow(labelFor(QObject::tr("Feed &VSWR:"), vswr_), vswr_);
  auto *mesh = new QHBoxLayout;
  mesh->addWidget(meshSize_, 1);
  mesh->addWidget(new QLabel(QObject::tr("wire")));
  mesh->addWidget(meshWire_, 1);
  mesh->addWidget(meshUnit_);
  form->addRow(labelFor(QObject::tr("Mes&h size:"), meshSize_), mesh);
}

std::vector<QLineEdit *> BudgetFields::fields() const {
  return {strutCount_, strutWidth_, vswr_, meshSize_, meshWire_};
}

void BudgetFields::showSmallUnit(const QString &unit) {
  strutUnit_->setText(unit);
  meshUnit_->setText(unit);
}

void BudgetFields::readInto(DishLosses &losses, double mmPerSmallUnit) const {
  if (const auto count = typedValue(strutCount_, "number of struts")) {
    if (!(*count >= 0 && *count <= kMostStruts) || *count != std::floor(*count))
      throw InputError("the number of struts must be a whole number from 0 to 16");
    losses.strutCount = static_cast<int>(*count);
    losses.strutWidthMm = typedValue(strutWidth_, "strut width").value_or(0) * mmPerSmallUnit;
  }
  losses.vswr = typedValue(vswr_, "VSWR");
  const auto size = typedValue(meshSize_, "mesh size");
  const auto wire = typedValue(meshWire_, "mesh wire diameter");
  if (size && wire) { // a mesh is known by both
    losses.meshPitchMm = *size * mmPerSmallUnit;
    losses.meshWireMm = *wire * mmPerSmallUnit;
  }
}

} // namespace dishwright
