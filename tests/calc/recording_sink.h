// A field sink that remembers every write, in order, for the tests to compare.
#pragma once

#include "calc/screen_rules/field_sink.h"

#include <map>
#include <string>
#include <vector>

namespace dishwright::test {

class RecordingSink : public FieldSink {
public:
  void setText(Field field, std::string_view text) override {
    writes.push_back(std::string(fieldName(field)) + "=" + std::string(text));
    fields[field] = std::string(text);
  }
  void appendRow(std::string_view row) override { rows.emplace_back(row); }

  std::vector<std::string> writes; // "frequency=2304", in order
  std::map<Field, std::string> fields;
  std::vector<std::string> rows;
};

} // namespace dishwright::test
