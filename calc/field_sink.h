// Where a load calculation writes its texts: a screen's fields, or a printer of lines.
#pragma once

#include <string_view>

namespace dishwright {

class FieldSink {
public:
  virtual ~FieldSink() = default;
  // Replace the whole text of the field named `field` ("Text33", ...).
  virtual void setText(std::string_view field, std::string_view text) = 0;
  // Append one row at the end of the screen's list.
  virtual void appendRow(std::string_view row) = 0;
};

} // namespace dishwright
