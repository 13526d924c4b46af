#include "bitmap_encoding.h"

#include "bitmap.h"

#include <cstring>
#include <vector>

#include "binding.h"
#include "gdiplus_flat.h"
#include "image_encoders.h"
#include "last_status.h"

namespace graphics::encoding {

CLSID EncoderFor(const std::string& format) {
    const GuidBytes bytes = TextToGuid(FindEncoderClsid(format));
    CLSID clsid;
    std::memcpy(&clsid, bytes.data(), sizeof clsid);
    return clsid;
}

bool BlockFor(const Optional<EncoderParameterList>& parameters, ByteArray& block, const EncoderParameters*& passed) {
    passed = nullptr;
    if (!parameters.given) return true;
    if (!BuildEncoderParameterBlock(parameters.value, block)) return Record(InvalidParameter);
    passed = reinterpret_cast<const EncoderParameters*>(block.data());
    return true;
}

namespace {

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

namespace graphics {

bool Bitmap::SaveToFile(const std::string& fileName, const Optional<std::string>& format,
                        const Optional<EncoderParameterList>& parameters) {
    return encoding::SaveToFile(image, TextToWide(fileName), format.value, parameters);
}

bool Bitmap::SaveToFileWide(const ByteArray& fileName, const Optional<std::string>& format,
                            const Optional<EncoderParameterList>& parameters) {
    // The name must end in a zero unit before the engine reads it.
    ByteArray name = fileName;
    name.resize(name.size() & ~std::size_t{1});
    if (name.size() < 2 || name[name.size() - 1] || name[name.size() - 2]) name.insert(name.end(), {0, 0});
    return encoding::SaveToFile(image, name, format.value, parameters);
}

ByteArray Bitmap::SaveToBytes(const Optional<std::string>& format, const Optional<EncoderParameterList>& parameters) {
    ByteArray block;
    const EncoderParameters* passed = nullptr;
    if (!encoding::BlockFor(parameters, block, passed)) return {};
    MemoryStream local;
    const CLSID encoder = encoding::EncoderFor(encoding::FormatOrPng(format.value));
    local.CreateFromBytes();
    Record(GDIP(GdipSaveImageToStream)(image, local.GetStream(), &encoder, passed));
    // The block grows ahead of the data; GetBytes stops at the stream's end.
    ByteArray bytes = local.GetBytes();
    local.Destroy();
    return bytes;
}

bool Bitmap::SaveAdd(const EncoderParameterList& parameters) { return encoding::SaveAdd(image, parameters); }

bool Bitmap::SaveAddImage(const Bitmap& other, const EncoderParameterList& parameters) {
    return encoding::SaveAddImage(image, static_cast<GpImage*>(other.GetHandle()), parameters);
}

bool Bitmap::GetEncoderParameterList(const std::string& format, EncoderParameterList& list) {
    return encoding::GetEncoderParameterList(image, format, list);
}

}  // namespace graphics
