#include "image_codec_record.h"

#include <cstring>

#include "gdiplus_flat.h"

namespace graphics {
namespace {

GuidBytes bytesOf(const GUID& guid) {
    GuidBytes bytes;
    std::memcpy(bytes.data(), &guid, bytes.size());
    return bytes;
}

ByteArray copyOf(const BYTE* data, std::size_t n) {
    return data && n ? ByteArray(data, data + n) : ByteArray();
}

}  // namespace

void ImageCodecRecord::FillFrom(const ImageCodecInfo& info) {
    clsid = GuidToText(bytesOf(info.Clsid));
    formatId = GuidToText(bytesOf(info.FormatID));
    codecName = WideToText(info.CodecName);
    dllName = WideToText(info.DllName);
    formatDescription = WideToText(info.FormatDescription);
    filenameExtension = WideToText(info.FilenameExtension);
    mimeType = WideToText(info.MimeType);
    flags = static_cast<int>(info.Flags);
    version = static_cast<int>(info.Version);
    sigCount = static_cast<int>(info.SigCount);
    sigSize = static_cast<int>(info.SigSize);
    const std::size_t sigBytes = std::size_t{info.SigCount} * info.SigSize;
    sigPattern = copyOf(info.SigPattern, sigBytes);
    sigMask = copyOf(info.SigMask, sigBytes);
}

}  // namespace graphics
