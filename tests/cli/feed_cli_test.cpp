#include "calc/common/input_error.h"
#include "cli/cli.h"
#include "cli/line_input.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace dishwright {
namespace {

using Lines = std::vector<std::string>;

struct LineCase {
  const char *name;
  std::string text;
  Lines lines;       // what is read before the end or the error
  std::string error; // "" when the whole text reads
};

class LineInputs : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineInputs, ReadUpToTheFirstBadLine) {
  std::istringstream in(GetParam().text);
  LineInput input(in, "standard input");
  Lines read;
  std::string error;
  try {
    for (std::string line; input.next(line);)
      read.push_back(line);
  } catch (const InputError &e) {
    error = e.what();
  }
  EXPECT_EQ(read, GetParam().lines);
  EXPECT_EQ(error, GetParam().error);
}

const std::string kLongest(kLongestLine, 'x');

INSTANTIATE_TEST_SUITE_P(
    Texts, LineInputs,
    ::testing::Values(LineCase{"CrLfAndNoLastBreak", "0 0\r\n\n90 -20", {"0 0", "", "90 -20"}, ""},
                      LineCase{"ByteOrderMarkSkipped",
                               "\xEF\xBB\xBF"
                               "0 0\n",
                               {"0 0"},
                               ""},
                      LineCase{"MarkKeptAfterTheStart",
                               "a\n\xEF\xBB\xBF"
                               "b\n",
                               {"a", "\xEF\xBB\xBF"
                                     "b"},
                               ""},
                      LineCase{"NulStops",
                               std::string("0 0\n30\0-3\n60 -10\n", 17),
                               {"0 0"},
                               "line 2: holds a NUL byte; is it a text file?"},
                      LineCase{"LongestLineReads", kLongest + "\r\n", {kLongest}, ""},
                      LineCase{"LongerLineStops",
                               "0 0\n" + kLongest + "x\n",
                               {"0 0"},
                               "line 2: is longer than 1 MB; is it a text file?"}),
    [](const auto &info) { return std::string(info.param.name); });

struct Outcome {
  int status;
  std::string out, err;
};

Outcome run(const std::vector<std::string> &args, std::istream &in) {
  std::ostringstream out, err;
  const int status = runCli(args, in, out, err);
  return {status, out.str(), err.str()};
}

struct Refusal {
  const char *name;
  std::vector<std::string> args;
  std::string err;
};

class FeedRefusals : public ::testing::TestWithParam<Refusal> {};

TEST_P(FeedRefusals, SayWhyAndPrintNothing) {
  std::istringstream in("0 0\n90 -20\n");
  const Outcome r = run(GetParam().args, in);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "error: " + GetParam().err + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, FeedRefusals,
    ::testing::Values(
        Refusal{
            "CosZero", {"feed", "0.4", "cos", "0"}, "the cos n exponent must be greater than 0"},
        Refusal{"Beamwidth180",
                {"feed", "0.4", "beamwidth", "180"},
                "the beamwidth must lie between 0 and 180 degrees"},
        Refusal{"RmsWithoutDish",
                {"feed", "0.4", "pattern", "-", "--rms", "0.5"},
                "--rms needs --dish: it is measured against the dish's size"},
        Refusal{"BlockageAsWideAsTheDish",
                {"feed", "0.4", "cos", "2", "--dish", "feet", "4", "2304", "--blockage", "48"},
                "the blockage diameter must be smaller than the dish"},
        Refusal{"ZeroFdBeforeReadingTheInput",
                {"feed", "-0.4", "pattern", "/"},
                "the f/D must be greater than 0"}),
    [](const auto &info) { return std::string(info.param.name); });

// Endless input ends at its first byte: nothing is read ahead of the lines.
TEST(FeedPattern, EndlessZerosStopAtOnce) {
  std::ifstream zeros("/dev/zero", std::ios::binary);
  ASSERT_TRUE(zeros.is_open());
  const Outcome r = run({"feed", "0.4", "pattern", "-"}, zeros);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "error: line 1: holds a NUL byte; is it a text file?\n");
}

// A folder as standard input opens but cannot be read; the failure is words.
TEST(FeedPattern, FolderAsStandardInput) {
  std::ifstream folder("/", std::ios::binary);
  ASSERT_TRUE(folder.is_open());
  const Outcome r = run({"feed", "0.4", "pattern", "-"}, folder);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "error: cannot read standard input: it is a folder\n");
}

// Valid lines on and on, "0.000000 -1", "0.000001 -1", ..., as a script's
// endless loop sends them: a million at the most, so that a reader without its
// limit ends this test, having read them all, rather than the machine.
class EndlessLevels : public std::streambuf {
public:
  std::size_t served = 0;

protected:
  int_type underflow() override {
    if (served == 1000000)
      return traits_type::eof();
    const int length = std::snprintf(line_, sizeof line_, "%.6f -1\n", 1e-6 * served++);
    setg(line_, line_, line_ + length);
    return traits_type::to_int_type(line_[0]);
  }

private:
  char line_[32];
};

const std::string kTooManyLines = "error: the pattern has more than 100000 lines; a measured "
                                  "pattern has far fewer (one every 0.01 degree from 0 to 180 has "
                                  "18001)\n";

TEST(FeedPattern, EndlessValidLinesEndAtTheLimit) {
  EndlessLevels levels;
  std::istream in(&levels);
  const Outcome r = run({"feed", "0.4", "pattern", "-"}, in);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, kTooManyLines);
  EXPECT_EQ(levels.served, 100001u); // not a line read past the one refused
}

struct NamedFile {
  const char *name;
  std::string path;  // "fifo" and "big.txt" are made in a folder of the test's own
  std::string error; // after "error: cannot read <path>: "; "" for too many lines
};

class NamedFiles : public ::testing::TestWithParam<NamedFile> {
protected:
  void SetUp() override { ASSERT_NE(mkdtemp(folder_), nullptr); }
  void TearDown() override {
    std::remove(path_.c_str());
    rmdir(folder_);
  }
  // The path of the case, made as it says.
  std::string made() {
    const std::string &name = GetParam().path;
    if (name[0] == '/')
      return name;
    path_ = std::string(folder_) + "/" + name;
    if (name == "fifo")
      EXPECT_EQ(mkfifo(path_.c_str(), 0600), 0);
    else // ten million lines
      std::ofstream(path_) << "0 0\n" << std::string(10000000 - 1, '\n');
    return path_;
  }

private:
  char folder_[32] = "/tmp/feed-cli-XXXXXX";
  std::string path_;
};

// A pipe is refused before it is opened (opening it would wait for a writer), a
// device too; ten million lines end at the limit.
TEST_P(NamedFiles, RefusedInWords) {
  const std::string path = made();
  std::istringstream in;
  const Outcome r = run({"feed", "0.4", "pattern", path}, in);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, GetParam().error.empty()
                       ? kTooManyLines
                       : "error: cannot read " + path + ": " + GetParam().error + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Paths, NamedFiles,
    ::testing::Values(NamedFile{"Fifo", "fifo",
                                "it is a pipe, not a regular file; give it on standard input, "
                                "with - as the file name"},
                      NamedFile{"Device", "/dev/zero", "it is not a regular file"},
                      NamedFile{"TenMillionLines", "big.txt", ""}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace dishwright
