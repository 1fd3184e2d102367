#include "calc/common/input_error.h"
#include "design/design_file.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace dishwright {
namespace {

using nlohmann::json;

const char *const kSaved = R"({
  "format": "dishwright-design", "version": 1, "comment": "dish on the shed roof",
  "design": {"fd": "0.4", "diameter": " 4 ", "unit": "meters", "frequencyMHz": "2304",
             "tilt": 12},
  "windows": {"measure": {"unit": 2, "points": [["10", "0.5"]], "newer": {"a": 1}},
              "radar": {"mode": "x"}}
})";

TEST(DesignFileFormat, ReadsTheDesignAsTyped) {
  const DesignFile file = DesignFile::fromText(kSaved, "shed.dish");
  EXPECT_EQ(file.design, (DesignInputs{"0.4", " 4 ", "2304", DesignUnit::Meters}));
  EXPECT_EQ(file.windows.at("measure").at("points"), json::parse(R"([["10", "0.5"]])"));
}

// Saved again with new inputs, a file keeps what a newer version wrote: keys at
// the top, in the design, in a window's inputs, and windows this version lacks.
TEST(DesignFileFormat, KeepsUnknownKeysWhenSavedAgain) {
  DesignFile file = DesignFile::fromText(kSaved, "shed.dish");
  file.design.fd = "0.5";
  file.design.unit = DesignUnit::Feet;
  file.windows["measure"] = json{{"unit", 1}, {"points", json::array()}};
  const json saved = json::parse(file.text());
  EXPECT_EQ(saved.at("comment"), "dish on the shed roof");
  EXPECT_EQ(saved.at("design").at("tilt"), 12);
  EXPECT_EQ(saved.at("design").at("fd"), "0.5");
  EXPECT_EQ(saved.at("design").at("unit"), "feet");
  EXPECT_EQ(saved.at("windows").at("measure"),
            json::parse(R"({"unit": 1, "points": [], "newer": {"a": 1}})"));
  EXPECT_EQ(saved.at("windows").at("radar").at("mode"), "x");
  EXPECT_EQ(DesignFile::fromText(file.text(), "again.dish").design, file.design);
}

struct Refused {
  const char *name;
  const char *text;
  const char *words; // what the refusal says after the file's name
};

class DesignFileRefusal : public ::testing::TestWithParam<Refused> {};

TEST_P(DesignFileRefusal, SaysWhyInWords) {
  try {
    DesignFile::fromText(GetParam().text, "bad\033.dish");
    FAIL() << "read";
  } catch (const InputError &e) {
    EXPECT_EQ(std::string(e.what()),
              std::string("cannot open \"bad\\033.dish\": ") + GetParam().words);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DesignFileRefusal,
    ::testing::Values(
        Refused{"CutShort", R"({"format": "dishwright-design", "version": 1, )",
                "it is damaged or not a design file: parse error at line 1, column 47: syntax "
                "error while parsing object key - unexpected end of input; expected string "
                "literal"},
        Refused{"NotJson", "\033]0;pwned\a",
                "it is damaged or not a design file: parse error at line 1, column 1: syntax "
                "error while parsing value - invalid literal; last read: '<U+001B>'"},
        Refused{"OtherJson", R"({"a": 1})",
                "it is not a design file (no \"format\": \"dishwright-design\")"},
        Refused{"AList", "[1]", "it is not a design file (it holds a list, not a group of fields)"},
        Refused{"Newer", R"({"format": "dishwright-design", "version": 2})",
                "it was saved by a newer dishwright (design format 2; this one reads formats up "
                "to 1); open it with that version"},
        Refused{"NoVersion", R"({"format": "dishwright-design"})",
                "the field \"version\" is missing"},
        Refused{"VersionText", R"({"format": "dishwright-design", "version": "1"})",
                "the field \"version\" should be a whole number, not text"},
        Refused{"NoDesign", R"({"format": "dishwright-design", "version": 1, "windows": {}})",
                "the field \"design\" is missing"},
        Refused{"NoFrequency",
                R"({"format": "dishwright-design", "version": 1, "windows": {},
                    "design": {"fd": "0.4", "diameter": "4", "unit": "feet"}})",
                "the field \"design.frequencyMHz\" is missing"},
        Refused{"NumberForText",
                R"({"format": "dishwright-design", "version": 1, "windows": {},
                    "design": {"fd": 0.4, "diameter": "4", "unit": "feet", "frequencyMHz": "1"}})",
                "the field \"design.fd\" should be text, not a number"},
        Refused{"UnknownUnit",
                R"({"format": "dishwright-design", "version": 1, "windows": {},
                    "design": {"fd": "1", "diameter": "4", "unit": "yards", "frequencyMHz": "1"}})",
                "the field \"design.unit\" should be \"feet\" or \"meters\", not \"yards\""},
        Refused{"NoWindows",
                R"({"format": "dishwright-design", "version": 1,
                    "design": {"fd": "1", "diameter": "4", "unit": "feet", "frequencyMHz": "1"}})",
                "the field \"windows\" is missing"},
        Refused{"WindowNotAGroup",
                R"({"format": "dishwright-design", "version": 1, "windows": {"sun": [1]},
                    "design": {"fd": "1", "diameter": "4", "unit": "feet", "frequencyMHz": "1"}})",
                "the field \"windows.sun\" should be a group of fields, not a list"}),
    [](const auto &info) { return std::string(info.param.name); });

// Written whole: the file read back is the design saved, and a write that fails
// (a read-only file) leaves the old file as it was.
TEST(DesignFileOnDisk, WrittenWholeOrNotAtAll) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "design_file_test";
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "dish.dish").string();
  DesignFile file = DesignFile::fromText(kSaved, "shed.dish");
  writeDesignFile(path, file);
  EXPECT_EQ(readDesignFile(path).design, file.design);
  std::filesystem::permissions(path, std::filesystem::perms::owner_read);
  file.design.fd = "0.9";
  EXPECT_THROW(writeDesignFile(path, file), std::runtime_error);
  EXPECT_EQ(readDesignFile(path).design.fd, "0.4");
  EXPECT_THROW(readDesignFile((dir / "none.dish").string()), InputError);
  std::filesystem::remove_all(dir);
}

// Killed while saving: the kernel ends the writer (SIGXFSZ) once the new file
// passes 1 MB, mid-write. The old file is left whole, and the temporary file
// left beside it shows where the kill landed.
TEST(DesignFileOnDisk, AKillWhileSavingLeavesTheOldFileWhole) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "design_kill_test";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "dish.dish").string();
  DesignFile file = DesignFile::fromText(kSaved, "shed.dish");
  writeDesignFile(path, file);
  json points = json::array();
  for (int i = 0; i < 100000; ++i)
    points.push_back({std::to_string(i), "0.5"});
  file.windows["measure"]["points"] = points;
  file.design.fd = "0.9";
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const rlimit oneMegabyte{1u << 20u, 1u << 20u};
    setrlimit(RLIMIT_FSIZE, &oneMegabyte);
    writeDesignFile(path, file);
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ);
  EXPECT_EQ(readDesignFile(path).design.fd, "0.4");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 2);
  std::filesystem::remove_all(dir);
}

} // namespace
} // namespace dishwright
