#include "codec/codec_table.h"

#include <cstdint>
#include <cstring>

#include "status.h"

namespace engine::codec {
namespace {

// The file formats' GUIDs, as ImageCodecInfo::FormatID gives them.
constexpr GUID formatGuid(std::uint32_t first) {
    return {first, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
}
constexpr GUID kFormatBmp = formatGuid(0xb96b3cab);
constexpr GUID kFormatJpeg = formatGuid(0xb96b3cae);
constexpr GUID kFormatPng = formatGuid(0xb96b3caf);
constexpr GUID kFormatGif = formatGuid(0xb96b3cb0);
constexpr GUID kFormatTiff = formatGuid(0xb96b3cb1);
constexpr GUID kFormatIcon = formatGuid(0xb96b3cb5);

constexpr DWORD kBuiltinBitmap =
    ImageCodecFlagsEncoder | ImageCodecFlagsDecoder | ImageCodecFlagsSupportBitmap | ImageCodecFlagsBuiltin;
constexpr DWORD kBuiltinDecoderOnly = ImageCodecFlagsDecoder | ImageCodecFlagsSupportBitmap | ImageCodecFlagsBuiltin;

// Signatures: each pattern is compared under its mask with the first bytes
// of a file.
constexpr BYTE kBmpSig[] = {'B', 'M'};
constexpr BYTE kJpegSig[] = {0xFF, 0xD8};
constexpr BYTE kGifSig[] = {'G', 'I', 'F', '8', '9', 'a', 'G', 'I', 'F', '8', '7', 'a'};
constexpr BYTE kTiffSig[] = {'I', 'I', 'M', 'M'};
constexpr BYTE kPngSig[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
constexpr BYTE kIcoSig[] = {0x00, 0x00, 0x01, 0x00};
constexpr BYTE kFullMask[12] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};

constexpr Codec kBmp{Format::BMP, CodecClsidBMP, kFormatBmp, u"Built-in BMP Codec", u"BMP",
                     u"*.BMP;*.DIB;*.RLE", u"image/bmp", kBuiltinBitmap, 1, 2, kBmpSig, kFullMask};
constexpr Codec kJpeg{Format::JPEG, CodecClsidJPEG, kFormatJpeg, u"Built-in JPEG Codec", u"JPEG",
                      u"*.JPG;*.JPEG;*.JPE;*.JFIF", u"image/jpeg", kBuiltinBitmap, 1, 2, kJpegSig, kFullMask};
constexpr Codec kGif{Format::GIF, CodecClsidGIF, kFormatGif, u"Built-in GIF Codec", u"GIF",
                     u"*.GIF", u"image/gif", kBuiltinBitmap, 2, 6, kGifSig, kFullMask};
constexpr Codec kTiff{Format::TIFF, CodecClsidTIFF, kFormatTiff, u"Built-in TIFF Codec", u"TIFF",
                      u"*.TIF;*.TIFF", u"image/tiff", kBuiltinBitmap, 2, 2, kTiffSig, kFullMask};
constexpr Codec kPng{Format::PNG, CodecClsidPNG, kFormatPng, u"Built-in PNG Codec", u"PNG",
                     u"*.PNG", u"image/png", kBuiltinBitmap, 1, 8, kPngSig, kFullMask};
constexpr Codec kIco{Format::ICO, CodecClsidICO, kFormatIcon, u"Built-in ICO Codec", u"ICO",
                     u"*.ICO", u"image/x-icon", kBuiltinDecoderOnly, 1, 4, kIcoSig, kFullMask};

constexpr Codec kEncoders[] = {kBmp, kJpeg, kGif, kTiff, kPng};
constexpr Codec kDecoders[] = {kBmp, kJpeg, kGif, kTiff, kPng, kIco};

std::size_t units(const char16_t* s) {
    std::size_t n = 0;
    while (s[n]) ++n;
    return n + 1;  // with the terminator
}

std::size_t extraBytes(const Codec& c) {
    return 2 * (units(c.name) + units(c.description) + units(c.extensions) + units(c.mimeType)) +
           2 * std::size_t{c.sigCount} * c.sigSize;
}

}  // namespace

std::span<const Codec> encoders() { return kEncoders; }
std::span<const Codec> decoders() { return kDecoders; }

const Codec* findEncoder(const CLSID& clsid) {
    for (const Codec& c : kEncoders)
        if (c.clsid == clsid) return &c;
    return nullptr;
}

const Codec* sniffDecoder(const BYTE* data, std::size_t size) {
    for (const Codec& c : kDecoders) {
        if (size < c.sigSize) continue;
        for (DWORD s = 0; s < c.sigCount; ++s) {
            const BYTE* pattern = c.sigPattern + s * c.sigSize;
            const BYTE* mask = c.sigMask + s * c.sigSize;
            bool match = true;
            for (DWORD i = 0; i < c.sigSize && match; ++i) match = (data[i] & mask[i]) == pattern[i];
            if (match) return &c;
        }
    }
    return nullptr;
}

UINT listBytes(std::span<const Codec> list) {
    std::size_t total = list.size() * sizeof(ImageCodecInfo);
    for (const Codec& c : list) total += extraBytes(c);
    return static_cast<UINT>(total);
}

void writeList(std::span<const Codec> list, ImageCodecInfo* buffer) {
    // The strings and signatures follow the array, in entry order.
    auto* tail = reinterpret_cast<BYTE*>(buffer + list.size());
    auto putString = [&tail](const char16_t* s) {
        const std::size_t bytes = 2 * units(s);
        std::memcpy(tail, s, bytes);
        auto* placed = reinterpret_cast<const WCHAR*>(tail);
        tail += bytes;
        return placed;
    };
    auto putBytes = [&tail](const BYTE* b, std::size_t n) {
        std::memcpy(tail, b, n);
        const BYTE* placed = tail;
        tail += n;
        return placed;
    };
    for (std::size_t i = 0; i < list.size(); ++i) {
        const Codec& c = list[i];
        ImageCodecInfo info{};
        info.Clsid = c.clsid;
        info.FormatID = c.formatId;
        info.CodecName = putString(c.name);
        info.DllName = nullptr;
        info.FormatDescription = putString(c.description);
        info.FilenameExtension = putString(c.extensions);
        info.MimeType = putString(c.mimeType);
        info.Flags = c.flags;
        info.Version = 1;
        info.SigCount = c.sigCount;
        info.SigSize = c.sigSize;
        const std::size_t sigBytes = std::size_t{c.sigCount} * c.sigSize;
        info.SigPattern = putBytes(c.sigPattern, sigBytes);
        info.SigMask = putBytes(c.sigMask, sigBytes);
        std::memcpy(&buffer[i], &info, sizeof info);
    }
}

}  // namespace engine::codec

namespace {

GpStatus listSize(std::span<const engine::codec::Codec> list, UINT* count, UINT* size) {
    GP_CHECK_ARG(count && size);
    *count = static_cast<UINT>(list.size());
    *size = engine::codec::listBytes(list);
    return Ok;
}

GpStatus fillList(std::span<const engine::codec::Codec> list, UINT count, UINT size, ImageCodecInfo* buffer) {
    GP_CHECK_ARG(buffer && count == list.size());
    GP_CHECK(size >= engine::codec::listBytes(list), InsufficientBuffer);
    engine::codec::writeList(list, buffer);
    return Ok;
}

}  // namespace

GpStatus WINGDIPAPI GdipGetImageEncodersSize(UINT* numEncoders, UINT* size) {
    return listSize(engine::codec::encoders(), numEncoders, size);
}

GpStatus WINGDIPAPI GdipGetImageEncoders(UINT numEncoders, UINT size, ImageCodecInfo* encoders) {
    return fillList(engine::codec::encoders(), numEncoders, size, encoders);
}

GpStatus WINGDIPAPI GdipGetImageDecodersSize(UINT* numDecoders, UINT* size) {
    return listSize(engine::codec::decoders(), numDecoders, size);
}

GpStatus WINGDIPAPI GdipGetImageDecoders(UINT numDecoders, UINT size, ImageCodecInfo* decoders) {
    return fillList(engine::codec::decoders(), numDecoders, size, decoders);
}
