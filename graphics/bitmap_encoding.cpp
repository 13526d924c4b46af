#include "bitmap_encoding.h"

#include <cstring>
#include <vector>

#include "binding.h"
#include "gdiplus_flat.h"
#include "image_encoders.h"
#include "last_status.h"

namespace graphics::encoding {
namespace {

CLSID EncoderFor(const std::string& format) {
    const GuidBytes bytes = TextToGuid(FindEncoderClsid(format));
    CLSID clsid;
    std::memcpy(&clsid, bytes.data(), sizeof clsid);
    return clsid;
}

// The block for the given parameters, or null when they are not given.
// False (LastStatus InvalidParameter, no engine call) when the list's count
// exceeds its entries, which would make the engine read past the block.
bool BlockFor(const Optional<EncoderParameterList>& parameters, ByteArray& block, const EncoderParameters*& passed) {
    passed = nullptr;
    if (!parameters.given) return true;
    if (!BuildEncoderParameterBlock(parameters.value, block)) return Record(InvalidParameter);
    passed = reinterpret_cast<const EncoderParameters*>(block.data());
    return true;
}

// Bytes of one value of an EncoderParameterValueType.
std::size_t ValueSize(ULONG type) {
    switch (type) {
    case 1:
    case 2:
    case 7: return 1;
    case 3: return 2;
    case 4: return 4;
    case 5:
    case 6: return 8;
    case 8: return 16;
    default: return 0;
    }
}

}  // namespace

std::string FormatOrPng(const std::string& format) { return format.empty() ? kPngFormat : format; }

bool SaveToFile(GpImage* image, const ByteArray& wideName, const std::string& format,
                const Optional<EncoderParameterList>& parameters) {
    ByteArray block;
    const EncoderParameters* passed = nullptr;
    if (!BlockFor(parameters, block, passed)) return false;
    const CLSID encoder = EncoderFor(FormatOrPng(format));
    return Record(GDIP(GdipSaveImageToFile)(image, AsWide(wideName), &encoder, passed));
}

bool SaveAdd(GpImage* image, const EncoderParameterList& parameters) {
    ByteArray block;
    if (!BuildEncoderParameterBlock(parameters, block)) return Record(InvalidParameter);
    return Record(GDIP(GdipSaveAdd)(image, reinterpret_cast<const EncoderParameters*>(block.data())));
}

bool SaveAddImage(GpImage* image, GpImage* other, const EncoderParameterList& parameters) {
    ByteArray block;
    if (!BuildEncoderParameterBlock(parameters, block)) return Record(InvalidParameter);
    return Record(GDIP(GdipSaveAddImage)(image, other, reinterpret_cast<const EncoderParameters*>(block.data())));
}

bool GetEncoderParameterList(GpImage* image, const std::string& format, EncoderParameterList& list) {
    const CLSID encoder = EncoderFor(format);
    UINT size = 0;
    if (!Record(GDIP(GdipGetEncoderParameterListSize)(image, &encoder, &size))) return false;
    std::vector<std::uint64_t> buffer((std::size_t{size} + 7) / 8, 0);  // aligned for the value addresses
    auto* params = reinterpret_cast<EncoderParameters*>(buffer.data());
    if (!Record(GDIP(GdipGetEncoderParameterList)(image, &encoder, size, params))) return false;

    UINT count = 0;
    std::memcpy(&count, buffer.data(), sizeof count);
    const std::size_t header = offsetof(EncoderParameters, Parameter);
    const std::size_t room = size > header ? (size - header) / sizeof(EncoderParameter) : 0;
    if (count > room) count = static_cast<UINT>(room);  // never read past the block the engine filled
    list.count = static_cast<int>(count);
    list.entries.assign(count, EncoderParameterEntry{});
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(buffer.data());
    for (UINT i = 0; i < count; ++i) {
        EncoderParameter p;
        std::memcpy(&p, bytes + header + i * sizeof(EncoderParameter), sizeof p);
        EncoderParameterEntry& e = list.entries[i];
        GuidBytes guid;
        std::memcpy(guid.data(), &p.Guid, guid.size());
        e.guid = GuidToText(guid);
        e.numberOfValues = static_cast<int>(p.NumberOfValues);
        e.type = static_cast<int>(p.Type);
        const std::size_t n = std::size_t{p.NumberOfValues} * ValueSize(p.Type);
        const auto* value = static_cast<const std::uint8_t*>(p.Value);
        e.value = value && n ? ByteArray(value, value + n) : ByteArray();
    }
    return true;
}

}  // namespace graphics::encoding
