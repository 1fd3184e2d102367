// Where a load calculation writes its texts: a screen's fields, or a printer of lines.
#pragma once

#include <string_view>

namespace dishwright {

// What a written text is. Each screen maps the fields it has to its own controls,
// the command line to its output lines.
enum class Field {
  None, // not written by a calculation
  // The design, as the input screen takes it and the calculation screens echo it.
  FdRatio,
  Diameter,     // feet or metres
  Frequency,    // MHz; the coffee-can screen shows it too
  DiameterUnit, // "FEET" or "METERS"
  // The dish's figures.
  MeshSize,
  MeshUnit,  // "INCHES" or "MM"
  Gain,      // dB
  Beamwidth, // degrees
  // The coffee-can feed, each in inches and in centimetres.
  CanDiameterInches,
  CanDiameterCm,
  ShortestCanInches,
  LongestCanInches,
  ProbePositionInches, // from the closed back
  ProbePositionCm,
  ShortestCanCm,
  LongestCanCm,
  ProbeLengthInches,
  ProbeLengthCm,
};

// Lower-case words for the field: "frequency", "mesh size", "probe length cm".
const char *fieldName(Field field);

class FieldSink {
public:
  virtual ~FieldSink() = default;
  // Replace the whole text of the field.
  virtual void setText(Field field, std::string_view text) = 0;
  // Append one row at the end of the screen's list.
  virtual void appendRow(std::string_view row) = 0;
};

} // namespace dishwright
