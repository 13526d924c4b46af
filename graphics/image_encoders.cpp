#include "image_encoders.h"

#include <cstring>

#include "binding.h"
#include "gdiplus_flat.h"
#include "last_status.h"

namespace graphics {

int GetImageEncoders(std::vector<ImageCodecRecord>& records) {
    UINT count = 0, size = 0;
    if (!Record(GDIP(GdipGetImageEncodersSize)(&count, &size))) return 0;
    records.assign(count, ImageCodecRecord{});
    // Aligned for the entries' addresses; the strings follow the array.
    std::vector<std::uint64_t> buffer((std::size_t{size} + 7) / 8, 0);
    Record(GDIP(GdipGetImageEncoders)(count, size, reinterpret_cast<ImageCodecInfo*>(buffer.data())));
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(buffer.data());
    for (UINT i = 0; i < count && (i + 1) * sizeof(ImageCodecInfo) <= size; ++i) {
        ImageCodecInfo info;
        std::memcpy(&info, bytes + i * sizeof(ImageCodecInfo), sizeof info);
        records[i].FillFrom(info);
    }
    return static_cast<int>(count);
}

std::string FindEncoderClsid(const std::string& format) {
    std::vector<ImageCodecRecord> records;
    GetImageEncoders(records);
    for (const ImageCodecRecord& r : records)
        if (r.formatId == format) return r.clsid;
    return {};
}

}  // namespace graphics
