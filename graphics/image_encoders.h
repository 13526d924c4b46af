// The installed encoders and the lookup of an encoder by image format. The
// list is asked for afresh on every call; nothing is cached.
#pragma once

#include <string>
#include <vector>

#include "image_codec_record.h"

namespace graphics {

// Identifier texts of the two formats the program saves.
inline constexpr const char* kPngFormat = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr const char* kBmpFormat = "{B96B3CAB-0728-11D3-9D7B-0000F81EF32E}";

// Resizes `records` to the number of encoders the engine lists and fills
// them in its order; returns that number. 0 when the engine cannot tell
// the number, and then `records` is untouched. LastStatus as the engine
// answered.
int GetImageEncoders(std::vector<ImageCodecRecord>& records);

// The class identifier text of the first listed encoder whose format
// identifier equals `format` byte for byte; the empty text when none does.
std::string FindEncoderClsid(const std::string& format);

}  // namespace graphics
