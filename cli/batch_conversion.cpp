#include "cli/batch_conversion.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <sstream>

#include "app/data_files.h"
#include "cli/batch_terminal.h"
#include "cli/file_measuring.h"
#include "cli/interrupt.h"
#include "cli/job_lanes.h"
#include "cli/job_records.h"
#include "cli/output_folder.h"
#include "cli/paced_run.h"
#include "cli/terminal_question.h"
#include "cli/terminal_view.h"
#include "engine/command_line.h"
#include "engine/conversion_driver.h"
#include "engine/encoder_command.h"
#include "engine/failure_reason.h"
#include "engine/process.h"
#include "tools/encoder/request_plan.h"

namespace orva {

namespace {

constexpr char kNotStarted[] = "not started: the run was stopped";
constexpr char kLeftConverting[] = "orva-convert left while it converted";

void SayRunEnded(const JobItem& job) {
  std::fprintf(stderr, "orva-convert: run ended: %s\n", job.fail_reason);
}

// The output folder test and question of a real run, for a dry run. The
// real run makes a missing --output-dir; the dry run takes it as made.
bool FolderAccepted(JobItem& job, bool outputDirMissing) {
  const std::string folder = OutputFolderFor(job);
  if (outputDirMissing && job.out_dir[0] != '\0') return true;
  if (CheckWritableFolder(folder.c_str()) == 0) return true;
  ExplainFolderRefusal(job, folder);
  return AskIgnoreNotWritableOnTerminal(folder);
}

// The encoder's plan for a command, made here as the encoder program makes
// it (a dry run starts no encoder): the ffmpeg command it would run, which
// shows every stream mapped, and what the output would not keep; each line
// indented under the command.
void PrintMapping(const char* commandLine) {
  const std::vector<std::string> words = SplitCommandLine(commandLine);
  if (words.empty()) return;
  encoder::EncodeRequest request;
  encoder::EncodePlan plan;
  std::string error;
  const std::vector<std::string> arguments(words.begin() + 1, words.end());
  if (encoder::PlanRequest(arguments, static_cast<long>(getpid()), request, plan, error) != encoder::kParseOk) {
    std::printf("  %s\n", error.c_str());
    return;
  }
  std::istringstream lines(encoder::PlanText(plan, request));
  for (std::string line; std::getline(lines, line);) std::printf("  %s\n", line.c_str());
}

// Prints each job's command as the real run would build it: the same
// folder question, and the names earlier commands would write count as
// taken.
int PrintCommands(FileMeasuring& files, JobList& jobs, const std::string& encoderPath, const std::string& outputDir) {
  const bool outputDirMissing = !outputDir.empty() && OutputFolderMissing(outputDir);
  if (outputDirMissing) std::fprintf(stderr, "orva-convert: the run would make the output folder %s\n", outputDir.c_str());
  files.measureAll();
  int status = kExitSuccess;
  ReservedPaths written;
  for (JobItem* job = jobs.head; job != nullptr && InterruptCount() == 0; job = job->next) {
    if (!FolderAccepted(*job, outputDirMissing)) {
      SayRunEnded(*job);
      return kExitJobsFailed;
    }
    char commandLine[kCommandCapacity];
    const int built = BuildEncoderCommand(encoderPath.c_str(), *job, commandLine, &written, true);
    if (built != kCommandBuilt) {
      std::fprintf(stderr, "orva-convert: %s: %s\n", job->path, CommandFailureText(built));
      status = kExitJobsFailed;
      continue;
    }
    written.insert(OutputPathOf(*job));
    std::printf("%s\n", commandLine);
    PrintMapping(commandLine);
  }
  return status;
}

// The run ended before a job because its folder was refused: say so.
void ReportRefusedFolder(const JobList& jobs, const std::function<bool(int)>& hasResult) {
  for (const JobItem* job = jobs.head; job != nullptr; job = job->next) {
    if (!hasResult(job->index) && job->fail_reason[0] != '\0') {
      SayRunEnded(*job);
      return;
    }
  }
}

// Every measured job without a result still gets its report line: the
// run ended before it (a refused folder, Ctrl+C) or left it converting.
void RecordJobsLeft(const JobList& jobs, const std::function<bool(int)>& hasResult, JobRecords& records,
                    const char* why) {
  for (const JobItem* job = jobs.head; job != nullptr; job = job->next) {
    if (!hasResult(job->index)) records.notConverted(job->path, job->fail_reason[0] != '\0' ? job->fail_reason : why);
  }
}

void SayStopped(bool anyStarted) {
  std::fputs(anyStarted ? "orva-convert: stopped\n" : "orva-convert: stopped before any conversion\n", stderr);
}

// One job after the other.
int ConvertInTurn(FileMeasuring& files, JobList& jobs, const std::string& encoderPath, JobRecords& records) {
  TerminalView view(jobs, stdout, isatty(STDOUT_FILENO) != 0);
  ConversionDriver driver(view, encoderPath);
  view.recordJobs(records, driver.state());
  const auto hasResult = [&view](int row) { return view.hasResult(row); };
  driver.passSourceFacts(true);
  bool anyStarted = false;
  // Usually once: the first job converts while the other files are measured.
  // Only when no measured job could be launched is the next one measured.
  while (JobItem* first = files.measureUntilAJob()) {
    if (InterruptCount() > 0) {  // nothing is started after Ctrl+C
      files.measureAll();  // says which files are left
      break;
    }
    const int started = driver.convert(first);
    anyStarted = anyStarted || started == kJobStarted;
    if (started == kJobStarted && !RunPaced(driver, view, [&] { return files.measureNext(); })) {
      std::fputs("\norva-convert: left; the encoder finishes its file on its own\n", stderr);
      RecordJobsLeft(jobs, hasResult, records, kLeftConverting);
      return kExitJobsFailed;
    }
    if (started == kRunDeclined || !files.pending()) break;
  }
  ReportRefusedFolder(jobs, hasResult);
  RecordJobsLeft(jobs, hasResult, records, kNotStarted);
  if (InterruptCount() > 0) SayStopped(anyStarted);
  return view.successCount() == jobs.count() ? kExitSuccess : kExitJobsFailed;
}

// `laneCount` jobs at once, each in a lane of its own.
int ConvertSideBySide(FileMeasuring& files, JobList& jobs, const std::string& encoderPath, int laneCount,
                      JobRecords& records) {
  BatchTerminal terminal(jobs, stdout, isatty(STDOUT_FILENO) != 0);
  LanesTerminal view(terminal, jobs, records);
  ConversionLanes lanes(view, jobs, encoderPath, laneCount);
  lanes.passSourceFacts(true);
  lanes.onJobStarted([&records](const JobItem& job) { records.started(job); });
  const bool stayed = RunLanes(lanes, files, terminal, jobs);
  terminal.flushResults();
  const auto hasResult = [&terminal](int row) { return terminal.hasResult(row); };
  if (!stayed) {
    std::fputs("\norva-convert: left; the encoders finish their files on their own\n", stderr);
    RecordJobsLeft(jobs, hasResult, records, kLeftConverting);
    return kExitJobsFailed;
  }
  if (InterruptCount() > 0) files.measureAll();  // says which files are left
  ReportRefusedFolder(jobs, hasResult);
  RecordJobsLeft(jobs, hasResult, records, kNotStarted);
  if (InterruptCount() > 0) {
    bool anyStarted = false;
    for (int lane = 0; lane < lanes.laneCount(); ++lane) anyStarted = anyStarted || lanes.everStarted(lane);
    SayStopped(anyStarted);
  }
  return terminal.successCount() == jobs.count() ? kExitSuccess : kExitJobsFailed;
}

// As many jobs at once as asked, or as processors may be used; never more
// than there are files.
int LaneCount(const CliOptions& options) {
  return LaneCountFor(options.jobs, static_cast<int>(options.files.size()));
}

int Convert(FileMeasuring& files, JobList& jobs, const std::string& encoderPath, int laneCount,
            JobRecords& records) {
  return laneCount == 1 ? ConvertInTurn(files, jobs, encoderPath, records)
                        : ConvertSideBySide(files, jobs, encoderPath, laneCount, records);
}

// A missing --output-dir is made before anything converts; the terminal
// says so. When it cannot be made, the folder test of the run says why.
void PrepareOutputFolder(const std::string& folder) {
  if (folder.empty()) return;
  std::string error;
  switch (MakeOutputFolder(folder, error)) {
    case kFolderMade: std::fprintf(stderr, "orva-convert: made the output folder %s\n", folder.c_str()); break;
    case kFolderNotMade:
      std::fprintf(stderr, "orva-convert: cannot make the output folder %s: %s\n", folder.c_str(), error.c_str());
      break;
    default: break;
  }
}

}  // namespace

int ConvertFiles(const CliOptions& options, const std::string& programFolder) {
  CliOptions absolute = options;
  if (!absolute.outputDir.empty()) absolute.outputDir = Absolute(absolute.outputDir);
  if (absolute.outputDir.size() >= static_cast<std::size_t>(kJobPathCapacity)) {
    std::fputs("orva-convert: --output-dir is longer than 259 characters\n", stderr);
    return kExitUsage;
  }
  const std::string encoderPath = programFolder + "/cv.dat";

  // A dry run makes nothing and writes no report. The folder comes first:
  // the report may be meant to lie in it.
  if (!absolute.dryRun) PrepareOutputFolder(absolute.outputDir);
  ReportFile reportFile;
  std::string error;
  if (!absolute.dryRun && !absolute.reportPath.empty() && !reportFile.open(absolute.reportPath, error)) {
    std::fprintf(stderr, "orva-convert: %s\n", error.c_str());
    return kExitUsage;
  }
  JobRecords records(reportFile.isOpen() ? &reportFile : nullptr);

  JobList jobs;
  FileMeasuring files(absolute, jobs, programFolder + "/orva-probe", records);
  const int status = absolute.dryRun ? PrintCommands(files, jobs, encoderPath, absolute.outputDir)
                                     : Convert(files, jobs, encoderPath, LaneCount(absolute), records);
  jobs.freeAll();
  return files.skipped() == 0 && !records.writeFailed() ? status : kExitJobsFailed;
}

}  // namespace orva
