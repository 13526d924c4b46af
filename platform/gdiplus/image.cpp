// The image level: copies, queries, frames, properties, palettes and the
// in-place rotations.
#include <algorithm>
#include <cstring>
#include <memory>

#include "api/image.h"
#include "image_pixels.h"
#include "objects/image.h"
#include "status.h"

using namespace engine;

namespace {

const GUID& dimensionOf(const GpImage& image) {
    static const GUID zero{};
    return image.frameDimension == zero ? FrameDimensionPage : image.frameDimension;
}

UINT frameCount(const GpImage& image) {
    return image.frames.empty() ? 1u : static_cast<UINT>(image.frames.size());
}

GpImage::Property* findProperty(GpImage& image, PROPID id) {
    for (auto& p : image.properties)
        if (p.id == id) return &p;
    return nullptr;
}

bool isLocked(const GpImage& image) {
    return image.kind == ObjectKind::Bitmap && static_cast<const GpBitmap&>(image).lock.active;
}

// `pixels` stops wrapping the caller's rows: from now on the bitmap owns them.
void detachFromCaller(GpImage& image) {
    if (image.kind != ObjectKind::Bitmap) return;
    auto& b = static_cast<GpBitmap&>(image);
    if (b.wrapsCaller) b.pixels = b.pixels.copy().convertToFormat(storageFormat(b.format));
    b.wrapsCaller = false;
    b.callerScan0 = nullptr;
    b.callerStride = 0;
}

// The storage image turned by a multiple of 90 degrees clockwise and then
// mirrored left to right when `flipX`; every storage format has whole bytes
// per pixel, so pixels move as byte groups.
QImage rotated(const QImage& source, int quarterTurns, bool flipX) {
    const int w = source.width(), h = source.height();
    const bool swap = quarterTurns % 2 == 1;
    QImage out(swap ? h : w, swap ? w : h, source.format());
    if (out.isNull()) return out;
    if (source.format() == QImage::Format_Indexed8) out.setColorTable(source.colorTable());
    out.setDotsPerMeterX(swap ? source.dotsPerMeterY() : source.dotsPerMeterX());
    out.setDotsPerMeterY(swap ? source.dotsPerMeterX() : source.dotsPerMeterY());
    const int bpp = source.depth() / 8;
    const int ow = out.width(), oh = out.height();
    for (int oy = 0; oy < oh; ++oy) {
        std::uint8_t* dst = out.scanLine(oy);
        for (int ox = 0; ox < ow; ++ox) {
            const int rx = flipX ? ow - 1 - ox : ox;  // position before the mirror
            int sx, sy;
            switch (quarterTurns) {
            case 1: sx = oy, sy = h - 1 - rx; break;
            case 2: sx = w - 1 - rx, sy = h - 1 - oy; break;
            case 3: sx = w - 1 - oy, sy = rx; break;
            default: sx = rx, sy = oy; break;
            }
            std::memcpy(dst + static_cast<std::ptrdiff_t>(ox) * bpp,
                        source.constScanLine(sy) + static_cast<std::ptrdiff_t>(sx) * bpp, static_cast<std::size_t>(bpp));
        }
    }
    return out;
}

}  // namespace

GpStatus WINGDIPAPI GdipCloneImage(GpImage* image, GpImage** clone) {
    auto* source = lookup<GpImage>(image);
    GP_CHECK_ARG(source && clone);
    GP_CHECK_ARG(source->kind == ObjectKind::Bitmap);  // metafiles are not made by this engine
    GP_CHECK(!isLocked(*source), WrongState);
    auto copy = std::make_unique<GpBitmap>();
    copy->format = source->format;
    // A deep copy in the storage format, never sharing the caller's rows.
    copy->pixels = source->pixels.copy().convertToFormat(storageFormat(source->format));
    GP_CHECK(!copy->pixels.isNull(), OutOfMemory);
    copy->dpiX = source->dpiX;
    copy->dpiY = source->dpiY;
    copy->rawFormat = source->rawFormat;
    copy->frames = source->frames;
    copy->frameDimension = source->frameDimension;
    copy->activeFrame = source->activeFrame;
    copy->properties = source->properties;
    copy->palette = source->palette;
    copy->paletteFlags = source->paletteFlags;
    copy->flags = source->flags;
    *clone = copy.release();
    return Ok;
}

GpStatus WINGDIPAPI GdipDisposeImage(GpImage* image) {
    auto* target = lookup<GpImage>(image);
    GP_CHECK_ARG(target);
    delete target;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetImageBounds(GpImage* image, GpRectF* rect, GpUnit* unit) {
    auto* i = lookup<GpImage>(image);
    GP_CHECK_ARG(i && rect && unit);
    *rect = {0, 0, static_cast<REAL>(i->pixels.width()), static_cast<REAL>(i->pixels.height())};
    *unit = UnitPixel;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetImageDimension(GpImage* image, REAL* width, REAL* height) {
    auto* i = lookup<GpImage>(image);
    GP_CHECK_ARG(i && width && height);
    *width = static_cast<REAL>(i->pixels.width());
    *height = static_cast<REAL>(i->pixels.height());
    return Ok;
}

GpStatus WINGDIPAPI GdipGetImageType(GpImage* image, ImageType* type) {
    auto* i = lookup<GpImage>(image);
    GP_CHECK_ARG(i && type);
    *type = i->kind == ObjectKind::Bitmap ? ImageTypeBitmap : ImageTypeMetafile;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetImageWidth(GpImage* image, UINT* width) {
    auto* i = lookup<GpImage>(image);
    GP_CHECK_ARG(i && width);
    *width = static_cast<UINT>(i->pixels.width());
    return Ok;
}

GpStatus WINGDIPAPI GdipGetImageHeight(GpImage* image, UINT* height) {
    auto* i = lookup<GpImage>(image);
    GP_CHECK_ARG(i && height);
    *height = static_cast<UINT>(i->pixels.height());
    return Ok;
}

GpStatus WINGDIPAPI GdipGetImageHorizontalResolution(GpImage* image, REAL* resolution) {
    auto* i = lookup<GpImage>(image);
    GP_CHECK_ARG(i && resolution);
    *resolution = i->dpiX;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetImageVerticalResolution(GpImage* image, REAL* resolution) {
    auto* i = lookup<GpImage>(image);
    GP_CHECK_ARG(i && resolution);
    *resolution = i->dpiY;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetImageFlags(GpImage* image, UINT* flags) {
    auto* i = lookup<GpImage>(image);
    GP_CHECK_ARG(i && flags);
    UINT f = i->flags;
    if (hasAlpha(i->format) || (i->paletteFlags & PaletteFlagsHasAlpha)) f |= ImageFlagsHasAlpha;
    *flags = f;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetImagePixelFormat(GpImage* image, PixelFormat* format) {
    auto* i = lookup<GpImage>(image);
    GP_CHECK_ARG(i && format);
    *format = i->format;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetImageRawFormat(GpImage* image, GUID* format) {
    auto* i = lookup<GpImage>(image);
    GP_CHECK_ARG(i && format);
    *format = i->rawFormat;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetImageThumbnail(GpImage* image, UINT width, UINT height, GpImage** thumbnail,
                                          GetThumbnailImageAbort, void*) {
    auto* i = lookup<GpImage>(image);
    GP_CHECK_ARG(i && thumbnail);
    if (width == 0 && height == 0) width = height = 120;
    GP_CHECK_ARG(width > 0 && height > 0 && width <= 32768 && height <= 32768);
    GP_CHECK(!isLocked(*i), WrongState);
    auto thumb = std::make_unique<GpBitmap>();
    thumb->format = PixelFormat32bppARGB;
    thumb->rawFormat = ImageFormatMemoryBMP;
    thumb->frameDimension = FrameDimensionPage;
    thumb->dpiX = i->dpiX;
    thumb->dpiY = i->dpiY;
    thumb->pixels = i->pixels.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                        .scaled(static_cast<int>(width), static_cast<int>(height), Qt::IgnoreAspectRatio,
                                Qt::SmoothTransformation);
    GP_CHECK(!thumb->pixels.isNull(), OutOfMemory);
    *thumbnail = thumb.release();
    return Ok;
}

GpStatus WINGDIPAPI GdipImageGetFrameDimensionsCount(GpImage* image, UINT* count) {
    auto* i = lookup<GpImage>(image);
    GP_CHECK_ARG(i && count);
    *count = 1;
    return Ok;
}

GpStatus WINGDIPAPI GdipImageGetFrameDimensionsList(GpImage* image, GUID* dimensions, UINT count) {
    auto* i = lookup<GpImage>(image);
    GP_CHECK_ARG(i && dimensions && count == 1);
    dimensions[0] = dimensionOf(*i);
    return Ok;
}

GpStatus WINGDIPAPI GdipImageGetFrameCount(GpImage* image, GDIPCONST GUID* dimension, UINT* count) {
    auto* i = lookup<GpImage>(image);
    GP_CHECK_ARG(i && dimension && count && *dimension == dimensionOf(*i));
    *count = frameCount(*i);
    return Ok;
}

GpStatus WINGDIPAPI GdipImageSelectActiveFrame(GpImage* image, GDIPCONST GUID* dimension, UINT index) {
    auto* i = lookup<GpImage>(image);
    GP_CHECK_ARG(i && dimension && *dimension == dimensionOf(*i) && index < frameCount(*i));
    GP_CHECK(!isLocked(*i), WrongState);
    if (!i->frames.empty()) {
        i->pixels = i->frames[index];
        // Each frame of an indexed image brings its own colours.
        if (i->pixels.format() == QImage::Format_Indexed8) {
            QList<QRgb> table = i->pixels.colorTable();
            applyPalette(*i, std::vector<ARGB>(table.begin(), table.end()), i->paletteFlags);
        }
    }
    i->activeFrame = index;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetPropertyCount(GpImage* image, UINT* count) {
    auto* i = lookup<GpImage>(image);
    GP_CHECK_ARG(i && count);
    *count = static_cast<UINT>(i->properties.size());
    return Ok;
}

GpStatus WINGDIPAPI GdipGetPropertyIdList(GpImage* image, UINT count, PROPID* list) {
    auto* i = lookup<GpImage>(image);
    GP_CHECK_ARG(i && (list || count == 0) && count == i->properties.size());
    for (std::size_t n = 0; n < i->properties.size(); ++n) list[n] = i->properties[n].id;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetPropertyItemSize(GpImage* image, PROPID id, UINT* size) {
    auto* i = lookup<GpImage>(image);
    GP_CHECK_ARG(i && size);
    const GpImage::Property* p = findProperty(*i, id);
    GP_CHECK(p, PropertyNotFound);
    *size = static_cast<UINT>(sizeof(PropertyItem) + p->value.size());
    return Ok;
}

GpStatus WINGDIPAPI GdipGetPropertyItem(GpImage* image, PROPID id, UINT size, PropertyItem* item) {
    auto* i = lookup<GpImage>(image);
    GP_CHECK_ARG(i && item);
    const GpImage::Property* p = findProperty(*i, id);
    GP_CHECK(p, PropertyNotFound);
    GP_CHECK_ARG(size >= sizeof(PropertyItem) + p->value.size());
    auto* valueBytes = reinterpret_cast<std::uint8_t*>(item) + sizeof(PropertyItem);
    if (!p->value.empty()) std::memcpy(valueBytes, p->value.data(), p->value.size());
    item->id = p->id;
    item->length = static_cast<ULONG>(p->value.size());
    item->type = p->type;
    item->value = p->value.empty() ? nullptr : valueBytes;
    return Ok;
}

GpStatus WINGDIPAPI GdipSetPropertyItem(GpImage* image, GDIPCONST PropertyItem* item) {
    auto* i = lookup<GpImage>(image);
    GP_CHECK_ARG(i && item && (item->value || item->length == 0));
    GP_CHECK_ARG(item->length <= (1u << 30));
    GpImage::Property property{item->id, item->type, {}};
    const auto* bytes = static_cast<const std::uint8_t*>(item->value);
    if (item->length) property.value.assign(bytes, bytes + item->length);
    if (GpImage::Property* existing = findProperty(*i, item->id))
        *existing = std::move(property);
    else
        i->properties.push_back(std::move(property));
    return Ok;
}

GpStatus WINGDIPAPI GdipRemovePropertyItem(GpImage* image, PROPID id) {
    auto* i = lookup<GpImage>(image);
    GP_CHECK_ARG(i);
    auto it = std::find_if(i->properties.begin(), i->properties.end(), [id](const auto& p) { return p.id == id; });
    GP_CHECK(it != i->properties.end(), PropertyNotFound);
    i->properties.erase(it);
    return Ok;
}

GpStatus WINGDIPAPI GdipImageRotateFlip(GpImage* image, RotateFlipType type) {
    auto* i = lookup<GpImage>(image);
    GP_CHECK_ARG(i && type >= 0 && type <= 7);
    GP_CHECK(!isLocked(*i), WrongState);
    if (type == RotateNoneFlipNone) return Ok;
    QImage turned = rotated(i->pixels, type % 4, type >= 4);
    GP_CHECK(!turned.isNull(), OutOfMemory);
    const bool sameShape = turned.size() == i->pixels.size();
    auto* b = i->kind == ObjectKind::Bitmap ? static_cast<GpBitmap*>(i) : nullptr;
    if (type % 2 == 1) std::swap(i->dpiX, i->dpiY);
    if (b && b->wrapsCaller && sameShape) {
        // Keep working on the caller's rows.
        const auto bytes = static_cast<std::size_t>(turned.width()) * static_cast<std::size_t>(turned.depth() / 8);
        for (int y = 0; y < turned.height(); ++y) std::memcpy(b->pixels.scanLine(y), turned.constScanLine(y), bytes);
        return Ok;
    }
    // A turned shape no longer fits the caller's rows: the bitmap keeps its own.
    if (!sameShape) detachFromCaller(*i);
    i->pixels = turned.convertToFormat(storageFormat(i->format));
    if (!i->frames.empty()) i->frames[i->activeFrame] = i->pixels;
    pixelsChanged(*i);
    return Ok;
}

GpStatus WINGDIPAPI GdipGetImagePaletteSize(GpImage* image, INT* size) {
    auto* i = lookup<GpImage>(image);
    GP_CHECK_ARG(i && size);
    *size = i->palette.empty() ? static_cast<INT>(sizeof(ColorPalette)) : static_cast<INT>(8 + 4 * i->palette.size());
    return Ok;
}

GpStatus WINGDIPAPI GdipGetImagePalette(GpImage* image, ColorPalette* palette, INT size) {
    auto* i = lookup<GpImage>(image);
    GP_CHECK_ARG(i && palette && size >= static_cast<INT>(8 + 4 * i->palette.size()));
    palette->Flags = i->paletteFlags;
    palette->Count = static_cast<UINT>(i->palette.size());
    if (!i->palette.empty()) std::memcpy(palette->Entries, i->palette.data(), 4 * i->palette.size());
    return Ok;
}

GpStatus WINGDIPAPI GdipSetImagePalette(GpImage* image, GDIPCONST ColorPalette* palette) {
    auto* i = lookup<GpImage>(image);
    GP_CHECK_ARG(i && palette && palette->Count >= 1 && palette->Count <= 256);
    if (isIndexed(i->format)) GP_CHECK_ARG(palette->Count <= (1u << bitsPerPixel(i->format)));
    std::vector<ARGB> entries(palette->Entries, palette->Entries + palette->Count);
    applyPalette(*i, std::move(entries), palette->Flags);
    return Ok;
}
