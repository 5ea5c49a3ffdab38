// How many audio tracks a conversion writes. The general and HD video
// profiles keep every audio track of a source, each encoded with the
// profile's audio settings; device, web and audio profiles keep one.
#pragma once

#include "app/job_item.h"
#include "profiles/profile.h"

namespace orva {

bool KeepsEveryAudioTrack(const Profile& profile);

// The tracks the job's output will hold, at least one: a source without
// audio still counts its profile's audio bit rate in the estimate.
int WrittenAudioTracks(const JobItem& job);

}  // namespace orva
