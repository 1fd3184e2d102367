# Turns can_patterns.csv into C++ rows for the core, at build time:
#   cmake -DINPUT=can_patterns.csv -DOUTPUT=can_pattern_rows.cpp -P can_patterns_to_cpp.cmake
# The rows are copied as written (numbers in C's grammar); the file is written
# whole, and a table that is not as the core reads it stops the build.
set(columns "diameter_wavelengths,angle_deg,e_db,e_phase_deg,h_db,h_phase_deg")
set(number "-?[0-9]+(\\.[0-9]+)?")
set(angles_per_can 181)

file(STRINGS "${INPUT}" lines)
set(rows "")
set(count 0)
set(header_seen FALSE)
foreach(line IN LISTS lines)
  if(line MATCHES "^#" OR line STREQUAL "")
    continue()
  endif()
  if(NOT header_seen)
    if(NOT line STREQUAL columns)
      message(FATAL_ERROR "${INPUT}: the columns are not ${columns}")
    endif()
    set(header_seen TRUE)
    continue()
  endif()
  if(NOT line MATCHES "^${number},${number},${number},${number},${number},${number}$")
    message(FATAL_ERROR "${INPUT}: not a row of six numbers: ${line}")
  endif()
  string(APPEND rows "    {${line}},\n")
  math(EXPR count "${count} + 1")
endforeach()
math(EXPR cans "${count} / ${angles_per_can}")
math(EXPR whole "${cans} * ${angles_per_can}")
if(cans LESS 2 OR NOT whole EQUAL count)
  message(FATAL_ERROR "${INPUT}: ${count} rows are not ${angles_per_can} angles for two cans or more")
endif()

file(WRITE "${OUTPUT}.part"
"// Made from calc/physics/data/can_patterns.csv by can_patterns_to_cpp.cmake at\n"
"// build time: edit the table, not this file.\n"
"#include \"calc/physics/can_pattern_table.h\"\n\n"
"namespace dishwright {\n\n"
"const CanPatternRow kCanPatternRows[] = {\n${rows}};\n"
"const std::size_t kCanPatternRowCount = sizeof kCanPatternRows / sizeof kCanPatternRows[0];\n\n"
"} // namespace dishwright\n")
file(RENAME "${OUTPUT}.part" "${OUTPUT}")
