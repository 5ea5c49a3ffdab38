// What the encoder program learns about its source before it starts ffmpeg:
// the facts the converter hands on (-source-facts), or the probe program's
// report read here.
#pragma once

#include <string>

#include "engine/source_facts.h"

namespace orva::encoder {

using orva::kNoStream;
using orva::ParseSourceReport;
using orva::SourceFacts;

struct SourceContents;

// Runs the probe program on `path`: pb.dat beside this program, or ffprobe
// from the search path. Unknown facts when neither can read the file. One
// run gives the whole source's contents as well.
SourceFacts ProbeSource(const std::string& path, SourceContents& contents);

}  // namespace orva::encoder
