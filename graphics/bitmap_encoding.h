// Encoding a bitmap's image: the work behind the Bitmap operations
// SaveToFile, SaveToFileWide, SaveToBytes, SaveAdd, SaveAddImage and
// GetEncoderParameterList, on the image handle they pass.
#pragma once

#include <string>

#include "conversions.h"
#include "encoder_parameter_list.h"
#include "gdiplus_flat.h"
#include "optional.h"

namespace graphics::encoding {

// The encoder's class identifier for a format text (all zero when no
// encoder has that format).
CLSID EncoderFor(const std::string& format);

// The block for the given parameters, null when they are not given. False
// (LastStatus InvalidParameter) when the list's count exceeds its entries.
bool BlockFor(const Optional<EncoderParameterList>& parameters, ByteArray& block, const EncoderParameters*& passed);

// The format an empty (or omitted) format text means: PNG.
std::string FormatOrPng(const std::string& format);

// Saves `image` into the file named by `wideName` (zero-terminated UTF-16)
// with the encoder of `format`; the block is passed only when `parameters`
// is given. True when the engine answered Ok.
bool SaveToFile(GpImage* image, const ByteArray& wideName, const std::string& format,
                const Optional<EncoderParameterList>& parameters);


// GdipSaveAdd with the block built from `parameters` (always passed).
bool SaveAdd(GpImage* image, const EncoderParameterList& parameters);
// GdipSaveAddImage(image, other, block).
bool SaveAddImage(GpImage* image, GpImage* other, const EncoderParameterList& parameters);

// The parameters the encoder of `format` takes, into `list`.
bool GetEncoderParameterList(GpImage* image, const std::string& format, EncoderParameterList& list);

}  // namespace graphics::encoding
