#include "bitmap.h"

#include <algorithm>
#include <cmath>

#include "binding.h"

namespace graphics {
namespace {

// Handles are opaque here: a bitmap is passed where an image is taken.
GpImage* AsImage(GpBitmap* bitmap) {
    return reinterpret_cast<GpImage*>(bitmap);
}

}  // namespace

Bitmap::Bitmap() : memoryStream(std::make_unique<MemoryStream>()) {}

Bitmap::~Bitmap() {
    if (bitmap) DisposeBitmap();
}

void Bitmap::Destroy() {
    DisposeBitmap();
    memoryStream->Destroy();
    memoryStream = std::make_unique<MemoryStream>();
}

std::unique_ptr<WrapperObject> Bitmap::Copy() const {
    auto copy = std::make_unique<Bitmap>();
    copy->handle = handle;
    copy->image = image;
    copy->drawingContext = drawingContext;
    copy->bitmap = bitmap;
    copy->memoryStream = memoryStream->Copy();
    return copy;
}

void Bitmap::OnDerivedHandleSet(void* h) {
    bitmap = static_cast<GpBitmap*>(h);
}

void Bitmap::TakeImage(void* newImage) {
    if (bitmap) DisposeBitmap();
    SetHandle(newImage);
}

template <class Create>
bool Bitmap::CreateWith(Create create) {
    if (bitmap) DisposeBitmap();
    if (!Record(create(&bitmap))) {
        Record(GDIP(GdipDisposeImage)(AsImage(bitmap)));
        bitmap = nullptr;
        return false;
    }
    SetHandle(bitmap);
    // An image that cannot take a drawing context (an indexed one) stays held.
    return Record(GDIP(GdipGetImageGraphicsContext)(AsImage(bitmap), &drawingContext));
}

bool Bitmap::DisposeBitmap() {
    if (!bitmap) return false;
    Record(GDIP(GdipDisposeImage)(AsImage(bitmap)));
    SetHandle(nullptr);
    memoryStream->Close();
    Record(GDIP(GdipDeleteGraphics)(drawingContext));
    drawingContext = nullptr;
    return true;
}

bool Bitmap::CreateBitmapFromFile(const std::string& fileName, bool useIcm) {
    return CreateBitmapFromFileWide(TextToWide(fileName), useIcm);
}

bool Bitmap::CreateBitmapFromFileWide(const ByteArray& fileName, bool useIcm) {
    // A name without its terminator is passed terminated rather than read past.
    ByteArray name = fileName;
    name.resize(name.size() + 2, 0);
    return CreateWith([&](GpBitmap** out) {
        return useIcm ? GDIP(GdipCreateBitmapFromFileICM)(AsWide(name), out)
                      : GDIP(GdipCreateBitmapFromFile)(AsWide(name), out);
    });
}

bool Bitmap::CreateBitmapFromStream(const ByteArray& bytes, bool useIcm) {
    if (bitmap) DisposeBitmap();
    memoryStream->CreateFromBytes(bytes);
    IStream* stream = memoryStream->GetStream();
    return CreateWith([&](GpBitmap** out) {
        return useIcm ? GDIP(GdipCreateBitmapFromStreamICM)(stream, out) : GDIP(GdipCreateBitmapFromStream)(stream, out);
    });
}

bool Bitmap::CreateBitmapFromScan0(int width, int height, int stride, int format, BYTE* scan0) {
    return CreateWith(
        [&](GpBitmap** out) { return GDIP(GdipCreateBitmapFromScan0)(width, height, stride, format, scan0, out); });
}

bool Bitmap::CreateFromScan0(int width, int height, Optional<int> format) {
    const int chosen = format.value ? format.value : PixelFormat32bppARGB;
    return CreateWith(
        [&](GpBitmap** out) { return GDIP(GdipCreateBitmapFromScan0)(width, height, 0, chosen, nullptr, out); });
}

bool Bitmap::CreateBitmapFromGdiDib(const BITMAPINFO* info, void* bits) {
    return CreateWith([&](GpBitmap** out) { return GDIP(GdipCreateBitmapFromGdiDib)(info, bits, out); });
}

bool Bitmap::CreateBitmapFromHBITMAP(HBITMAP source, Optional<HPALETTE> palette) {
    return CreateWith(
        [&](GpBitmap** out) { return GDIP(GdipCreateBitmapFromHBITMAP)(source, palette.Or(nullptr), out); });
}

bool Bitmap::CreateBitmapFromHICON(HICON icon) {
    return CreateWith([&](GpBitmap** out) { return GDIP(GdipCreateBitmapFromHICON)(icon, out); });
}

bool Bitmap::CreateBitmapFromResource(HINSTANCE instance, const WCHAR* name) {
    return CreateWith([&](GpBitmap** out) { return GDIP(GdipCreateBitmapFromResource)(instance, name, out); });
}

std::uint32_t Bitmap::BitmapGetPixel(int x, int y) {
    ARGB color = 0;
    Record(GDIP(GdipBitmapGetPixel)(bitmap, x, y, &color));
    return color;
}

bool Bitmap::BitmapSetPixel(int x, int y, std::uint32_t color) {
    return Record(GDIP(GdipBitmapSetPixel)(bitmap, x, y, color));
}

HBITMAP Bitmap::CreateHBITMAPFromBitmap(Optional<std::uint32_t> background) {
    HBITMAP result = nullptr;
    Record(GDIP(GdipCreateHBITMAPFromBitmap)(bitmap, &result, background.Or(0)));
    return result;
}

HICON Bitmap::CreateHICONFromBitmap() {
    HICON result = nullptr;
    Record(GDIP(GdipCreateHICONFromBitmap)(bitmap, &result));
    return result;
}

bool Bitmap::CloneBitmapArea(const FloatRect& area, int format, Bitmap& target) {
    GpBitmap* copy = nullptr;
    const GpStatus status =
        GDIP(GdipCloneBitmapArea)(area.x, area.y, area.width, area.height, format, bitmap, &copy);
    Record(status);
    target.TakeImage(copy);
    return status == Ok;
}

bool Bitmap::CloneBitmapAreaI(const IntRect& area, int format, Bitmap& target) {
    GpBitmap* copy = nullptr;
    const GpStatus status =
        GDIP(GdipCloneBitmapAreaI)(area.x, area.y, area.width, area.height, format, bitmap, &copy);
    Record(status);
    target.TakeImage(copy);
    return status == Ok;
}

bool Bitmap::BitmapLockBits(const IntRect& area, unsigned flags, int format, BitmapData& locked) {
    const GpRect rect{area.x, area.y, area.width, area.height};
    return Record(GDIP(GdipBitmapLockBits)(bitmap, &rect, flags, format, &locked));
}

bool Bitmap::BitmapUnlockBits(BitmapData& locked) {
    return Record(GDIP(GdipBitmapUnlockBits)(bitmap, &locked));
}

bool Bitmap::BitmapSetResolution(float dpiX, float dpiY) {
    return Record(GDIP(GdipBitmapSetResolution)(bitmap, dpiX, dpiY));
}

bool Bitmap::BitmapApplyEffect(BitmapEffect& effect, Optional<RECT> area) {
    if (void* previous = effect.GetAuxData()) {
        Free(previous);
        effect.SetAuxData(nullptr, 0);
    }
    void* auxData = nullptr;
    INT auxSize = 0;
    RECT rect = area.value;
    const GpStatus status = GDIP(GdipBitmapApplyEffect)(bitmap, effect.GetEffectHandle(), area.given ? &rect : nullptr,
                                                        effect.GetUseAuxData() ? TRUE : FALSE, &auxData, &auxSize);
    effect.SetAuxData(auxData, auxSize);
    return Record(status);
}

bool Bitmap::RotateInto(float angle, Bitmap& target, Optional<std::uint32_t> background,
                        Optional<int> interpolationMode, Optional<SizeRecord> size) {
    UINT w = 0, h = 0;
    Record(GDIP(GdipGetImageWidth)(image, &w));
    Record(GDIP(GdipGetImageHeight)(image, &h));
    float newWidth = 0, newHeight = 0;
    if (size.given) {
        newWidth = size.value.width;
        newHeight = size.value.height;
    } else {
        GetRotatedSize(static_cast<float>(w), static_cast<float>(h), static_cast<int>(angle), newWidth, newHeight);
    }

    GpBitmap* rotated = nullptr;
    if (!Record(GDIP(GdipCreateBitmapFromScan0)(static_cast<INT>(newWidth), static_cast<INT>(newHeight), 0,
                                                PixelFormat32bppARGB, nullptr, &rotated)))
        return false;
    REAL dpiX = 0, dpiY = 0;
    Record(GDIP(GdipGetImageHorizontalResolution)(image, &dpiX));
    Record(GDIP(GdipGetImageVerticalResolution)(image, &dpiY));
    Record(GDIP(GdipBitmapSetResolution)(rotated, dpiX, dpiY));

    GpGraphics* context = nullptr;
    if (!Record(GDIP(GdipGetImageGraphicsContext)(AsImage(rotated), &context))) {
        GDIP(GdipDisposeImage)(AsImage(rotated));
        return false;
    }
    auto abandon = [&] {
        GDIP(GdipDisposeImage)(AsImage(rotated));
        GDIP(GdipDeleteGraphics)(context);
        return false;
    };
    if (background.given) {
        GpSolidFill* brush = nullptr;
        if (!Record(GDIP(GdipCreateSolidFill)(background.value, &brush))) return abandon();
        Record(GDIP(GdipFillRectangle)(context, reinterpret_cast<GpBrush*>(brush), 0, 0, newWidth, newHeight));
        Record(GDIP(GdipDeleteBrush)(reinterpret_cast<GpBrush*>(brush)));
    }
    if (interpolationMode.given) Record(GDIP(GdipSetInterpolationMode)(context, interpolationMode.value));

    GpMatrix* matrix = nullptr;
    if (!Record(GDIP(GdipCreateMatrix)(&matrix))) return abandon();
    GDIP(GdipTranslateMatrix)(matrix, newWidth / 2, newHeight / 2, MatrixOrderPrepend);
    GDIP(GdipRotateMatrix)(matrix, angle, MatrixOrderPrepend);
    GDIP(GdipTranslateMatrix)(matrix, -newWidth / 2, -newHeight / 2, MatrixOrderPrepend);
    GDIP(GdipTranslateMatrix)(matrix, (newWidth - static_cast<float>(w)) / 2, (newHeight - static_cast<float>(h)) / 2,
                              MatrixOrderPrepend);
    GDIP(GdipSetWorldTransform)(context, matrix);
    const GpStatus drawn = GDIP(GdipDrawImage)(context, image, 0, 0);
    Record(drawn);
    GDIP(GdipResetWorldTransform)(context);
    GDIP(GdipDeleteMatrix)(matrix);
    GDIP(GdipDeleteGraphics)(context);

    target.TakeImage(rotated);
    return drawn == Ok;
}

void Bitmap::GetRotatedSize(float w, float h, int angle, float& width, float& height) {
    const float a = static_cast<float>(angle * 3.1415926535 / 180.0);
    const float s = std::sin(a), c = std::cos(a);
    const float hw = (w - 1) / 2, hh = (h - 1) / 2;
    const float cornersX[4] = {-hw, hw, -hw, hw};
    const float cornersY[4] = {hh, hh, -hh, -hh};
    float x[4], y[4];
    for (int i = 0; i < 4; ++i) {
        x[i] = c * cornersX[i] + s * cornersY[i];
        y[i] = -s * cornersX[i] + c * cornersY[i];
    }
    width = std::max(std::fabs(x[3] - x[0]), std::fabs(x[2] - x[1]));
    height = std::max(std::fabs(y[3] - y[0]), std::fabs(y[2] - y[1]));
}

}  // namespace graphics
