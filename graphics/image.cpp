#include "image.h"

#include <algorithm>
#include <cstring>

#include "binding.h"
#include "bitmap.h"

namespace graphics {
namespace {

GUID AsGuid(const GuidBytes& bytes) {
    GUID guid;
    std::memcpy(&guid, bytes.data(), sizeof guid);
    return guid;
}

GuidBytes AsBytes(const GUID& guid) {
    GuidBytes bytes;
    std::memcpy(bytes.data(), &guid, sizeof guid);
    return bytes;
}

}  // namespace

void Image::OnHandleSet(void* h) {
    image = static_cast<GpImage*>(h);
    OnDerivedHandleSet(h);
}

bool Image::CloneImage(Bitmap& target) {
    GpImage* copy = nullptr;
    const GpStatus status = GDIP(GdipCloneImage)(image, &copy);
    Record(status);
    target.TakeImage(copy);
    return status == Ok;
}

std::string Image::GetRawFormat() {
    GUID format{};
    Record(GDIP(GdipGetImageRawFormat)(image, &format));
    return GuidToText(AsBytes(format));
}

FloatRect Image::GetImageBounds(int* unit) {
    GpRectF bounds{0, 0, 0, 0};
    GpUnit local = 0;
    Record(GDIP(GdipGetImageBounds)(image, &bounds, &local));
    if (unit) *unit = local;
    return {bounds.X, bounds.Y, bounds.Width, bounds.Height};
}

SizeRecord Image::GetImageDimension() {
    SizeRecord size;
    Record(GDIP(GdipGetImageDimension)(image, &size.width, &size.height));
    return size;
}

int Image::GetImageType() {
    ImageType type = 0;
    Record(GDIP(GdipGetImageType)(image, &type));
    return type;
}

unsigned Image::GetImageWidth() {
    UINT width = 0;
    Record(GDIP(GdipGetImageWidth)(image, &width));
    return width;
}

unsigned Image::GetImageHeight() {
    UINT height = 0;
    Record(GDIP(GdipGetImageHeight)(image, &height));
    return height;
}

unsigned Image::GetImageFlags() {
    UINT flags = 0;
    Record(GDIP(GdipGetImageFlags)(image, &flags));
    return flags;
}

int Image::GetImagePixelFormat() {
    PixelFormat format = 0;
    Record(GDIP(GdipGetImagePixelFormat)(image, &format));
    return format;
}

bool Image::GetImageThumbnail(unsigned width, unsigned height, Bitmap& target) {
    GpImage* thumbnail = nullptr;
    const GpStatus status = GDIP(GdipGetImageThumbnail)(image, width, height, &thumbnail, nullptr, nullptr);
    Record(status);
    target.TakeImage(thumbnail);
    return status == Ok;
}

unsigned Image::ImageGetFrameCount(const std::string& dimension) {
    const GUID guid = AsGuid(TextToGuid(dimension));
    UINT count = 0;
    Record(GDIP(GdipImageGetFrameCount)(image, &guid, &count));
    return count;
}

bool Image::ImageGetFrameDimensionsList(std::vector<std::string>& dimensions) {
    UINT count = 0;
    if (!Record(GDIP(GdipImageGetFrameDimensionsCount)(image, &count))) return false;
    dimensions.assign(count, std::string());
    std::vector<GUID> guids(count);
    const GpStatus status = GDIP(GdipImageGetFrameDimensionsList)(image, guids.data(), count);
    Record(status);
    for (UINT i = 0; i < count; ++i) dimensions[i] = GuidToText(AsBytes(guids[i]));
    return status == Ok;
}

bool Image::ImageSelectActiveFrame(const std::string& dimension, unsigned index) {
    const GUID guid = AsGuid(TextToGuid(dimension));
    return Record(GDIP(GdipImageSelectActiveFrame)(image, &guid, index));
}

bool Image::GetFrameDelays(std::vector<int>& delays) {
    PropertyRecord record;
    if (!GetPropertyItem(0x5100, record)) return false;
    delays.assign(static_cast<std::size_t>(record.length) / 4, 0);
    if (!delays.empty()) std::memcpy(delays.data(), record.value.data(), delays.size() * 4);
    return true;
}

bool Image::GetPropertyItem(int id, PropertyRecord& record) {
    UINT size = 0;
    if (!Record(GDIP(GdipGetPropertyItemSize)(image, static_cast<PROPID>(id), &size))) return false;
    // The engine's record, then its value; read through the record itself,
    // whose size and value address depend on the pointer width.
    std::vector<std::uint8_t> block(std::max<std::size_t>(size, sizeof(PropertyItem)), 0);
    auto* item = reinterpret_cast<PropertyItem*>(block.data());
    if (!Record(GDIP(GdipGetPropertyItem)(image, static_cast<PROPID>(id), size, item))) return false;
    record.id = static_cast<int>(item->id);
    record.length = static_cast<int>(item->length);
    record.type = item->type;
    // Only value bytes that lie inside the block are copied.
    const auto* first = static_cast<const std::uint8_t*>(item->value);
    const auto* blockEnd = block.data() + block.size();
    std::size_t length = item->length;
    if (!first || first < block.data() || first > blockEnd) length = 0;
    length = std::min<std::size_t>(length, first ? static_cast<std::size_t>(blockEnd - first) : 0);
    record.value.assign(first, first + length);
    return true;
}

bool Image::SetPropertyItem(const PropertyRecord& record) {
    if (record.length < 0 || static_cast<std::size_t>(record.length) > record.value.size()) return Record(InvalidParameter);
    PropertyItem item{};
    item.id = static_cast<PROPID>(record.id);
    item.length = static_cast<ULONG>(record.length);
    item.type = static_cast<WORD>(record.type);
    item.value = const_cast<std::uint8_t*>(record.value.data());
    return Record(GDIP(GdipSetPropertyItem)(image, &item));
}

bool Image::RemovePropertyItem(int id) {
    return Record(GDIP(GdipRemovePropertyItem)(image, static_cast<PROPID>(id)));
}

int Image::GetPropertyIdList(std::vector<int>& ids) {
    UINT count = 0;
    if (!Record(GDIP(GdipGetPropertyCount)(image, &count))) return 0;
    ids.assign(count, 0);
    static_assert(sizeof(int) == sizeof(PROPID));
    Record(GDIP(GdipGetPropertyIdList)(image, count, reinterpret_cast<PROPID*>(ids.data())));
    return static_cast<int>(count);
}

bool Image::ImageRotateFlip(int rotateFlipType) {
    return Record(GDIP(GdipImageRotateFlip)(image, rotateFlipType));
}

bool Image::GetImagePalette(PaletteRecord& palette) {
    INT size = 0;
    if (!Record(GDIP(GdipGetImagePaletteSize)(image, &size))) return false;
    std::vector<std::uint8_t> block(static_cast<std::size_t>(std::max<INT>(size, sizeof(ColorPalette))), 0);
    if (!Record(GDIP(GdipGetImagePalette)(image, reinterpret_cast<ColorPalette*>(block.data()), size))) return false;
    std::uint32_t flags = 0, count = 0;
    std::memcpy(&flags, block.data(), 4);
    std::memcpy(&count, block.data() + 4, 4);
    palette.flags = static_cast<int>(flags);
    palette.count = static_cast<int>(count);
    palette.entries.assign(count, 0);
    // No more than the count's entries, and no more than the block holds.
    const std::size_t bytes = std::min<std::size_t>(block.size() - 8, std::size_t{count} * 4);
    if (bytes) std::memcpy(palette.entries.data(), block.data() + 8, bytes);
    return true;
}

bool Image::SetImagePalette(const PaletteRecord& palette) {
    const std::size_t count = static_cast<std::size_t>(std::max(palette.count, 0));
    std::vector<std::uint8_t> block(std::max(8 + 4 * count, sizeof(ColorPalette)), 0);
    const std::uint32_t flags = static_cast<std::uint32_t>(palette.flags), n = static_cast<std::uint32_t>(palette.count);
    std::memcpy(block.data(), &flags, 4);
    std::memcpy(block.data() + 4, &n, 4);
    // Entries the record lacks are passed as 0 rather than read beyond it.
    std::memcpy(block.data() + 8, palette.entries.data(), 4 * std::min(count, palette.entries.size()));
    return Record(GDIP(GdipSetImagePalette)(image, reinterpret_cast<const ColorPalette*>(block.data())));
}

}  // namespace graphics
