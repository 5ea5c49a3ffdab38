// The parts of orva-convert that spread a batch over many runs: file lists,
// shares, the report lines and their summary.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "cli/file_list.h"
#include "cli/report_reading.h"
#include "cli/report_summary.h"
#include "cli/run_files.h"
#include "cli/run_report.h"
#include "cli/shard.h"
#include "scratch_folder.h"

namespace orva {
namespace {

using test::ScratchFolder;

EnvironmentLookup Environment(const std::map<std::string, std::string>& variables) {
  return [variables](const char* name) -> const char* {
    const auto found = variables.find(name);
    return found == variables.end() ? nullptr : found->second.c_str();
  };
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(FileListTest, TakesEachPathExactlyAndPassesOverEmptyEntries) {
  EXPECT_EQ(SplitFileList("a.mp4\n\n b c.mkv \nlast.avi", false),
            (std::vector<std::string>{"a.mp4", " b c.mkv ", "last.avi"}));
  // NUL-separated, a name may hold a line break.
  const std::string nul("one\nline.mp4\0\0two.mp4\0", 22);
  EXPECT_EQ(SplitFileList(nul, true), (std::vector<std::string>{"one\nline.mp4", "two.mp4"}));
  EXPECT_TRUE(SplitFileList("\n\n", false).empty());
}

TEST(FileListTest, ReadsAListAfterTheFilesAlreadyNamedAndRefusesWhatItCannotRead) {
  ScratchFolder folder;
  std::ofstream(folder.file("list.txt")) << "x.mp4\ny.mp4\n";
  std::vector<std::string> files{"named.mp4"};
  std::string error;
  ASSERT_TRUE(ReadFileList(folder.file("list.txt"), false, files, error)) << error;
  EXPECT_EQ(files, (std::vector<std::string>{"named.mp4", "x.mp4", "y.mp4"}));

  EXPECT_FALSE(ReadFileList(folder.file("absent.txt"), false, files, error));
  EXPECT_NE(error.find("absent.txt"), std::string::npos) << error;

  // find -print0 output read as lines would be one path full of NULs.
  std::ofstream(folder.file("nul.txt")) << std::string("x.mp4\0y.mp4\0", 12);
  EXPECT_FALSE(ReadFileList(folder.file("nul.txt"), false, files, error));
  EXPECT_NE(error.find("--null"), std::string::npos) << error;
  EXPECT_TRUE(ReadFileList(folder.file("nul.txt"), true, files, error)) << error;
}

TEST(ShardTest, ReadsKOfNAndNothingElse) {
  Shard shard;
  ASSERT_TRUE(ParseShard("3/7", shard));
  EXPECT_EQ(shard.index, 3);
  EXPECT_EQ(shard.count, 7);
  for (const char* text : {"0/4", "5/4", "1/0", "1", "/4", "1/", "-1/4", "1/4x", "a/b", "1/99999999", " 1/4"}) {
    EXPECT_FALSE(ParseShard(text, shard)) << text;
  }
}

TEST(ShardTest, EveryFileLandsInExactlyOneShareWhateverTheOrderGiven) {
  std::vector<std::string> files;
  for (int i = 0; i < 23; ++i) files.push_back("/media/f" + std::to_string(i * 7 % 23) + ".mp4");
  files.push_back(files[4]);  // named twice: still converted once
  std::vector<std::string> reversed(files.rbegin(), files.rend());
  for (int count = 1; count <= 7; ++count) {
    std::multiset<std::string> seen;
    for (int index = 1; index <= count; ++index) {
      const std::vector<std::string> share = ShareOf(files, {index, count});
      EXPECT_EQ(share, ShareOf(reversed, {index, count})) << index << "/" << count;
      // Interleaved: share sizes differ by one at most.
      EXPECT_GE(share.size(), 23u / count) << index << "/" << count;
      EXPECT_LE(share.size(), 23u / count + 1) << index << "/" << count;
      seen.insert(share.begin(), share.end());
    }
    EXPECT_EQ(seen.size(), 23u) << count;
    EXPECT_EQ(std::set<std::string>(seen.begin(), seen.end()).size(), 23u) << count;
  }
  EXPECT_TRUE(ShareOf({"a", "b"}, {3, 4}).empty());
}

TEST(ShardTest, ASlurmArrayTaskKnowsItsShare) {
  struct Case {
    std::map<std::string, std::string> variables;
    int result;
    int index, count;
  };
  const std::vector<Case> cases = {
      {{}, kNoJobArray, 0, 0},
      {{{"SLURM_ARRAY_TASK_ID", "0"}, {"SLURM_ARRAY_TASK_MIN", "0"}, {"SLURM_ARRAY_TASK_MAX", "3"},
        {"SLURM_ARRAY_TASK_COUNT", "4"}, {"SLURM_ARRAY_TASK_STEP", "1"}}, kShardOfTask, 1, 4},
      // --array=1-16: the first task is share 1 too.
      {{{"SLURM_ARRAY_TASK_ID", "16"}, {"SLURM_ARRAY_TASK_MIN", "1"}, {"SLURM_ARRAY_TASK_COUNT", "16"}},
       kShardOfTask, 16, 16},
      // --array=0-30:2, the task of id 6.
      {{{"SLURM_ARRAY_TASK_ID", "6"}, {"SLURM_ARRAY_TASK_MIN", "0"}, {"SLURM_ARRAY_TASK_MAX", "30"},
        {"SLURM_ARRAY_TASK_COUNT", "16"}, {"SLURM_ARRAY_TASK_STEP", "2"}}, kShardOfTask, 4, 16},
      // --array=1,5,7: ids with gaps the variables do not show.
      {{{"SLURM_ARRAY_TASK_ID", "5"}, {"SLURM_ARRAY_TASK_MIN", "1"}, {"SLURM_ARRAY_TASK_MAX", "7"},
        {"SLURM_ARRAY_TASK_COUNT", "3"}}, kTaskShareUnclear, 0, 0},
      {{{"SLURM_ARRAY_TASK_ID", "4"}, {"SLURM_ARRAY_TASK_MIN", "0"}, {"SLURM_ARRAY_TASK_COUNT", "4"}},
       kTaskShareUnclear, 0, 0},
      {{{"SLURM_ARRAY_TASK_ID", "x"}, {"SLURM_ARRAY_TASK_MIN", "0"}, {"SLURM_ARRAY_TASK_COUNT", "4"}},
       kTaskShareUnclear, 0, 0},
  };
  for (const Case& c : cases) {
    Shard shard{0, 0};
    EXPECT_EQ(ShardFromSlurm(Environment(c.variables), shard), c.result) << c.variables.size();
    if (c.result != kShardOfTask) continue;
    EXPECT_EQ(shard.index, c.index);
    EXPECT_EQ(shard.count, c.count);
  }
}

TEST(RunFilesTest, AnExplicitShareWinsOverTheTasksAndAnEmptyShareIsNoError) {
  const auto task = Environment({{"SLURM_ARRAY_TASK_ID", "1"}, {"SLURM_ARRAY_TASK_MIN", "0"},
                                 {"SLURM_ARRAY_TASK_COUNT", "2"}});
  CliOptions options;
  options.files = {"c", "a", "b"};
  std::string message;
  EXPECT_EQ(ChooseRunFiles(options, task, message), kFilesChosen);
  EXPECT_EQ(options.files, std::vector<std::string>{"b"});
  EXPECT_EQ(message, "share 2/2: 1 of 3 files listed");

  options.files = {"c", "a", "b"};
  options.shard = Shard{1, 1};
  EXPECT_EQ(ChooseRunFiles(options, task, message), kFilesChosen);
  EXPECT_EQ(options.files, (std::vector<std::string>{"a", "b", "c"}));

  options.files = {"a"};
  options.shard = Shard{2, 3};
  EXPECT_EQ(ChooseRunFiles(options, task, message), kNothingToConvert);
  EXPECT_EQ(message, "share 2/3 of 1 files listed is empty; nothing to convert");

  // Without a share the command line's order stays.
  options.files = {"c", "a"};
  options.shard.reset();
  EXPECT_EQ(ChooseRunFiles(options, Environment({}), message), kFilesChosen);
  EXPECT_EQ(options.files, (std::vector<std::string>{"c", "a"}));
}

TEST(RunReportTest, EscapesNamesSoEveryLineIsOneValidJsonObject) {
  EXPECT_EQ(JsonString("plain"), "\"plain\"");
  EXPECT_EQ(JsonString("a\"b\\c\nd\te\x01" "f\x7f"), "\"a\\\"b\\\\c\\nd\\te\\u0001f\\u007f\"");
  EXPECT_EQ(JsonString("caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x8e\xac"), "\"caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x8e\xac\"");
  // File names are bytes: Latin-1, a cut sequence, a surrogate, an overlong form.
  EXPECT_EQ(JsonString("\xe9t\xe9"), "\"\\ufffdt\\ufffd\"");
  EXPECT_EQ(JsonString("x\xe2\x82"), "\"x\\ufffd\\ufffd\"");
  EXPECT_EQ(JsonString("\xed\xa0\x80"), "\"\\ufffd\\ufffd\\ufffd\"");
  EXPECT_EQ(JsonString("\xc0\xaf"), "\"\\ufffd\\ufffd\"");
}

TEST(RunReportTest, ALineReadsBackAsWritten) {
  ReportEntry written;
  written.source = "/media/say \"hi\"\\ \xc3\xbc\n.mkv";
  written.output = "/out/say \"hi\"\\ \xc3\xbc\n.mp4";
  written.result = kResultFailed;
  written.reason = "stopped after 00:00:01.00";
  written.seconds = 12.345;
  written.bytes = 123456789012;
  written.host = "node-7";
  const std::string line = ReportLine(written);
  ASSERT_EQ(line.back(), '\n');
  EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1);
  EXPECT_NE(line.find("\"seconds\":12.35,"), std::string::npos) << line;
  ReportEntry read;
  ASSERT_TRUE(ParseReportLine(line.substr(0, line.size() - 1), read)) << line;
  EXPECT_EQ(read.source, written.source);
  EXPECT_EQ(read.output, written.output);
  EXPECT_EQ(read.result, written.result);
  EXPECT_EQ(read.reason, written.reason);
  EXPECT_EQ(read.bytes, written.bytes);
  EXPECT_EQ(read.host, written.host);

  ReportEntry skipped;
  skipped.source = "/a.mp4";
  skipped.result = kResultSkipped;
  ASSERT_TRUE(ParseReportLine(ReportLine(skipped), read));
  EXPECT_FALSE(read.output.has_value());
}

TEST(RunReportTest, RefusesLinesThatAreNoWholeReportLine) {
  ReportEntry entry;
  const std::string whole = ReportLine({"/a.mp4", "/b.mp4", kResultSucceeded, "", 1, 2, "h"});
  EXPECT_TRUE(ParseReportLine(whole, entry));
  // Fields it does not know are passed over, nested ones are no report's.
  EXPECT_FALSE(ParseReportLine(R"({"result":"failed", "extra":[], "source":"a"})", entry));
  EXPECT_TRUE(ParseReportLine(R"({"result":"failed","later":true,"source":"\u00fc\ud83c\udfac"})", entry));
  EXPECT_EQ(entry.source, "\xc3\xbc\xf0\x9f\x8e\xac");
  for (const std::string& bad :
       {whole.substr(0, whole.size() / 2), std::string("{\"source\":\"a\"}"), std::string("[]"),
        std::string(R"({"source":"a","result":"failed"} x)"), std::string(R"({"source":"\ud800","result":"failed"})"),
        std::string(R"({"source":"a","result":"failed","bytes":-1})"), whole + whole}) {
    EXPECT_FALSE(ParseReportLine(bad, entry)) << bad;
  }
}

// Eight runs append to one report at once, with lines far longer than a
// pipe's atomic write: every line arrives whole.
TEST(RunReportTest, LinesStayWholeWithEightWritersAtOnce) {
  ScratchFolder folder;
  const std::string path = folder.file("report.jsonl");
  constexpr int kWriters = 8;
  constexpr int kLines = 200;
  std::vector<pid_t> writers;
  for (int w = 0; w < kWriters; ++w) {
    const pid_t pid = fork();
    if (pid == 0) {
      ReportFile report;
      std::string error;
      if (!report.open(path, error)) _exit(1);
      for (int i = 0; i < kLines; ++i) {
        ReportEntry entry{"/w" + std::to_string(w) + "/" + std::to_string(i) + std::string(250, 'x'),
                          std::nullopt, kResultFailed, std::string(5000, static_cast<char>('a' + w)), 0, 0, "h"};
        if (!report.append(ReportLine(entry))) _exit(1);
      }
      _exit(0);
    }
    writers.push_back(pid);
  }
  for (const pid_t pid : writers) {
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  std::ifstream in(path);
  std::map<std::string, int> perWriter;
  int lines = 0;
  for (std::string line; std::getline(in, line); ++lines) {
    ReportEntry entry;
    ASSERT_TRUE(ParseReportLine(line, entry)) << "line " << lines << " is cut or mixed";
    const std::string writer = entry.source.substr(0, entry.source.find('/', 1));
    EXPECT_EQ(entry.reason, std::string(5000, static_cast<char>('a' + (writer[2] - '0'))));
    ++perWriter[writer];
  }
  EXPECT_EQ(lines, kWriters * kLines);
  for (const auto& [writer, count] : perWriter) EXPECT_EQ(count, kLines) << writer;
}

TEST(ReportSummaryTest, TotalsEveryReportAndFailsOnAFailureOrAnUnreadableLine) {
  ScratchFolder folder;
  std::ofstream(folder.file("one.jsonl"))
      << ReportLine({"/m/a.mp4", "/o/a.mp4", kResultSucceeded, "", 2.5, 1000, "n1"})
      << ReportLine({"/m/b.mp4", std::nullopt, kResultSkipped, "no such file", 0, 0, "n1"});
  std::ofstream(folder.file("two.jsonl"))
      << ReportLine({"/m/c.mp4", "/o/c.mp4", kResultSucceeded, "", 1.25, 500, "n2"})
      << ReportLine({"/m/d.mp4", std::nullopt, kResultFailed, "the encoder wrote only 33% of the range", 1, 0, "n2"});
  std::ofstream(folder.file("cut.jsonl")) << "{\"source\":\"/m/e.mp4\",\"res";

  const auto summarize = [&](const std::vector<std::string>& names, std::string& out) {
    std::vector<std::string> paths;
    for (const std::string& name : names) paths.push_back(folder.file(name));
    std::FILE* outFile = std::tmpfile();
    std::FILE* errFile = std::tmpfile();
    const int status = SummarizeReports(paths, outFile, errFile);
    std::rewind(outFile);
    out.clear();
    for (int c; (c = std::fgetc(outFile)) != EOF;) out += static_cast<char>(c);
    std::fclose(outFile);
    std::fclose(errFile);
    return status;
  };
  std::string out;
  EXPECT_EQ(summarize({"one.jsonl"}, out), 0);
  EXPECT_EQ(Lines(out)[0], "2 files: 1 succeeded, 0 failed, 1 skipped");

  EXPECT_EQ(summarize({"one.jsonl", "two.jsonl"}, out), 1);
  EXPECT_EQ(out, "4 files: 2 succeeded, 1 failed, 1 skipped\n"
                 "converting took 4.75 s, the outputs hold 1500 bytes\n"
                 "failed    /m/d.mp4 (n2)\n"
                 "          the encoder wrote only 33% of the range\n");

  EXPECT_EQ(summarize({"one.jsonl", "cut.jsonl"}, out), 1);
  EXPECT_EQ(summarize({"one.jsonl", "absent.jsonl"}, out), 1);
}

}  // namespace
}  // namespace orva
