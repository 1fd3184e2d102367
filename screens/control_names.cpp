#include "screens/control_names.h"

#include <QString>
#include <QWidget>

#include <cstring>

namespace dishwright {
namespace {

struct FieldWords {
  Field field;
  const char *name;
  const char *description;
};

// clang-format off
constexpr FieldWords kFieldWords[] = {
  {Field::FdRatio,             "f/D ratio",              "focal length over diameter, for example 0.4"},
  {Field::Diameter,            "diameter",               "of the dish, in feet or metres: FEET or METERS says which"},
  {Field::Frequency,           "frequency",              "in MHz"},
  {Field::DiameterUnit,        "diameter unit",          "FEET or METERS"},
  {Field::MeshSize,            "largest mesh size",      "the widest opening the mesh may have, in the unit shown after it"},
  {Field::MeshUnit,            "mesh size unit",         "INCHES or MM"},
  {Field::Gain,                "gain",                   "expected gain of the dish, in dB"},
  {Field::Beamwidth,           "half-power beamwidth",   "in degrees"},
  {Field::CanDiameterInches,   "can inside diameter",    "in inches"},
  {Field::CanDiameterCm,       "can inside diameter",    "in cm"},
  {Field::ShortestCanInches,   "shortest can length",    "in inches"},
  {Field::LongestCanInches,    "longest can length",     "in inches"},
  {Field::ProbePositionInches, "probe distance from the closed back", "in inches"},
  {Field::ProbePositionCm,     "probe distance from the closed back", "in cm"},
  {Field::ShortestCanCm,       "shortest can length",    "in cm"},
  {Field::LongestCanCm,        "longest can length",     "in cm"},
  {Field::ProbeLengthInches,   "probe length",           "in inches"},
  {Field::ProbeLengthCm,       "probe length",           "in cm"},
};

// The pictures by the resource they show.
constexpr struct {
  const char *resource;
  const char *name;
  const char *description;
} kPictureWords[] = {
  {":/art/dish_photo.pgm",       "photograph of a home-built dish", "a mesh dish on a lattice tower"},
  {":/art/profile_diagram.png",  "profile diagram",        "the dish's curve: X across from the centre, Y deep"},
  {":/art/can_drawing.png",      "coffee-can feed drawing", "the can, its probe and the lengths the figures give"},
};
// clang-format on

} // namespace

ControlWords controlWords(const ControlSpec &design) {
  for (const FieldWords &words : kFieldWords)
    if (design.field == words.field)
      return {QString::fromUtf8(words.name), QString::fromUtf8(words.description)};
  if (design.kind == Kind::Picture)
    for (const auto &words : kPictureWords)
      if (std::strcmp(design.text, words.resource) == 0)
        return {QString::fromUtf8(words.name), QString::fromUtf8(words.description)};
  if (design.kind == Kind::List || design.kind == Kind::ColumnList)
    return {QStringLiteral("profile"),
            QStringLiteral("rows X....Y: the radius X from the centre and the depth Y there")};
  return {};
}

void nameControl(QWidget *control, const ControlSpec &design) {
  const ControlWords words = controlWords(design);
  if (!words.name.isEmpty())
    control->setAccessibleName(words.name);
  if (!words.description.isEmpty())
    control->setAccessibleDescription(words.description);
}

} // namespace dishwright
