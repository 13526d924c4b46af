// One installed encoder as texts, numbers and bytes, read from the engine's
// ImageCodecInfo.
#pragma once

#include <string>

#include "conversions.h"

struct ImageCodecInfo;

namespace graphics {

struct ImageCodecRecord {
    std::string clsid;     // identifier text
    std::string formatId;  // identifier text of the file format
    std::string codecName;
    std::string dllName;
    std::string formatDescription;
    std::string filenameExtension;
    std::string mimeType;
    int flags = 0;
    int version = 0;
    int sigCount = 0;
    int sigSize = 0;
    ByteArray sigPattern;  // sigCount × sigSize bytes
    ByteArray sigMask;     // sigCount × sigSize bytes

    // Fills every field from `info`; strings come back through WideToText.
    void FillFrom(const ImageCodecInfo& info);
};

}  // namespace graphics
