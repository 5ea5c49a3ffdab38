// The side files of a keep plan, made before the conversion starts.
#pragma once

#include <string>

#include "tools/encoder/keep_plan.h"

namespace orva::encoder {

// Makes every file `side` names. False with a reason when one cannot be
// made; the files made so far are removed then.
bool PrepareSideFiles(const SideWork& side, std::string& error);

void RemoveSideFiles(const SideWork& side);

// A FLAC picture block (front cover) holding `picture`, base64-encoded as
// the METADATA_BLOCK_PICTURE comment carries it.
std::string PictureComment(const std::string& picture, const char* mimeType, int width, int height);

// A tag value as an ffmetadata file must hold it.
std::string EscapedMetadata(const std::string& value);

}  // namespace orva::encoder
