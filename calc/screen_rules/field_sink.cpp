#include "calc/screen_rules/field_sink.h"

namespace dishwright {

const char *fieldName(Field field) {
  switch (field) {
  case Field::None:
    return "none";
  case Field::FdRatio:
    return "f/D ratio";
  case Field::Diameter:
    return "diameter";
  case Field::Frequency:
    return "frequency";
  case Field::DiameterUnit:
    return "diameter unit";
  case Field::MeshSize:
    return "mesh size";
  case Field::MeshUnit:
    return "mesh unit";
  case Field::Gain:
    return "gain";
  case Field::Beamwidth:
    return "beamwidth";
  case Field::CanDiameterInches:
    return "can diameter inches";
  case Field::CanDiameterCm:
    return "can diameter cm";
  case Field::ShortestCanInches:
    return "shortest can inches";
  case Field::LongestCanInches:
    return "longest can inches";
  case Field::ProbePositionInches:
    return "probe position inches";
  case Field::ProbePositionCm:
    return "probe position cm";
  case Field::ShortestCanCm:
    return "shortest can cm";
  case Field::LongestCanCm:
    return "longest can cm";
  case Field::ProbeLengthInches:
    return "probe length inches";
  case Field::ProbeLengthCm:
    return "probe length cm";
  }
  return "unknown";
}

} // namespace dishwright
