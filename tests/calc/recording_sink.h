// A field sink that remembers every write, in order, for the tests to compare.
#pragma once

#include "field_sink.h"

#include <map>
#include <string>
#include <vector>

namespace dishwright::test {

class RecordingSink : public FieldSink {
public:
  void setText(std::string_view field, std::string_view text) override {
    writes.push_back(std::string(field) + "=" + std::string(text));
    fields[std::string(field)] = std::string(text);
  }
  void appendRow(std::string_view row) override { rows.emplace_back(row); }

  std::vector<std::string> writes; // "Text33=2304", in order
  std::map<std::string, std::string> fields;
  std::vector<std::string> rows;
};

} // namespace dishwright::test
