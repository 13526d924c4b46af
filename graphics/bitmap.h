// An image in memory together with a drawing context that stays open on it
// for as long as the image lives: one object is both the picture and the
// surface to draw on. It owns a MemoryStream that keeps the source bytes
// alive while its image was made from bytes.
#pragma once

#include <memory>
#include <string>

#include "drawing_family.h"
#include "encoder_parameter_list.h"
#include "image.h"
#include "memory_stream.h"

namespace graphics {


// The caller's effect for BitmapApplyEffect: the engine's effect handle,
// whether auxiliary data are wanted, and the auxiliary data it holds (memory
// of the engine's allocator, which the effect hands back on the next apply).
class BitmapEffect {
public:
    virtual ~BitmapEffect() = default;
    virtual CGpEffect* GetEffectHandle() const = 0;
    virtual bool GetUseAuxData() const = 0;
    virtual void* GetAuxData() const = 0;
    virtual void SetAuxData(void* data, int size) = 0;
};

class Bitmap : public Image, public DrawingFamily {
public:
    Bitmap();
    // Disposes the image still held, so that nothing leaks.
    ~Bitmap() override;

    // DisposeBitmap, then the memory stream's Destroy; the stream member is
    // replaced by a new empty one.
    void Destroy() override;
    // The five fields, and the member into a new MemoryStream record.
    std::unique_ptr<WrapperObject> Copy() const override;
    void OnDerivedHandleSet(void* h) override;

    // ---- Encoding (bitmap_encoding.cpp) -----------------------------------
    // The format is an identifier text compared byte for byte with the
    // encoders' formats; empty or left out means PNG (its given-flag is not
    // consulted). The parameter block is passed only when `parameters` is
    // given; a list whose count exceeds its entries is refused
    // (InvalidParameter, no engine call).

    // Encodes the image into the file `fileName`. True when the engine
    // answered Ok; a failed save leaves no file behind.
    virtual bool SaveToFile(const std::string& fileName, const Optional<std::string>& format = {},
                            const Optional<EncoderParameterList>& parameters = {});
    // As SaveToFile, the name given as zero-terminated UTF-16 bytes.
    virtual bool SaveToFileWide(const ByteArray& fileName, const Optional<std::string>& format = {},
                                const Optional<EncoderParameterList>& parameters = {});
    // The encoded file, through a memory stream of its own: the stream's
    // bytes up to its end, whatever the engine answered (empty when it
    // wrote nothing).
    virtual ByteArray SaveToBytes(const Optional<std::string>& format = {},
                                  const Optional<EncoderParameterList>& parameters = {});
    // Adds the current frame to, or ends (flush), the multi-frame save that
    // SaveToFile or SaveToBytes began; the block is always passed.
    virtual bool SaveAdd(const EncoderParameterList& parameters);
    // Adds `other`'s image to that multi-frame save.
    virtual bool SaveAddImage(const Bitmap& other, const EncoderParameterList& parameters);
    // The parameters the encoder of `format` takes, with the values each
    // accepts, into `list` (count and entries replaced).
    virtual bool GetEncoderParameterList(const std::string& format, EncoderParameterList& list);
    // ---- End of encoding ---------------------------------------------------

    // Disposes the image, closes the memory stream, deletes the drawing
    // context (even when there is none); false with no call when empty.
    virtual bool DisposeBitmap();
    // (GraphicsClear fills the image through the drawing context: the drawing family's.)
    virtual bool CreateBitmapFromFile(const std::string& fileName, bool useIcm);
    // The file name as zero-terminated UTF-16 bytes.
    virtual bool CreateBitmapFromFileWide(const ByteArray& fileName, bool useIcm);
    // Decodes `bytes` through the member stream, which stays open while the
    // image lives.
    virtual bool CreateBitmapFromStream(const ByteArray& bytes, bool useIcm);
    virtual bool CreateBitmapFromScan0(int width, int height, int stride, int format, BYTE* scan0);
    // width x height, stride 0, the format (0 or left out: 32bpp ARGB),
    // engine-owned pixels that start fully transparent.
    virtual bool CreateFromScan0(int width, int height, Optional<int> format = {});
    virtual bool CreateBitmapFromGdiDib(const BITMAPINFO* info, void* bits);
    virtual bool CreateBitmapFromHBITMAP(HBITMAP bitmap, Optional<HPALETTE> palette = {});
    virtual bool CreateBitmapFromHICON(HICON icon);
    virtual bool CreateBitmapFromResource(HINSTANCE instance, const WCHAR* name);
    virtual std::uint32_t BitmapGetPixel(int x, int y);
    virtual bool BitmapSetPixel(int x, int y, std::uint32_t color);
    // A new GDI bitmap (the caller deletes it); null on failure.
    virtual HBITMAP CreateHBITMAPFromBitmap(Optional<std::uint32_t> background = {});
    // A new icon (the caller destroys it); null on failure.
    virtual HICON CreateHICONFromBitmap();
    virtual bool CloneBitmapArea(const FloatRect& area, int format, Bitmap& target);
    virtual bool CloneBitmapAreaI(const IntRect& area, int format, Bitmap& target);
    virtual bool BitmapLockBits(const IntRect& area, unsigned flags, int format, BitmapData& locked);
    virtual bool BitmapUnlockBits(BitmapData& locked);
    virtual bool BitmapSetResolution(float dpiX, float dpiY);
    // `area` is left, top, right, bottom; left out means the whole image.
    virtual bool BitmapApplyEffect(BitmapEffect& effect, Optional<RECT> area = {});
    // A new 32bpp ARGB image of this one turned by `angle` degrees about its
    // centre, handed to `target`.
    virtual bool RotateInto(float angle, Bitmap& target, Optional<std::uint32_t> background = {},
                            Optional<int> interpolationMode = {}, Optional<SizeRecord> size = {});
    // The size that the corners of a w x h image span when turned by a
    // whole-degree angle about its centre.
    virtual void GetRotatedSize(float w, float h, int angle, float& width, float& height);

    GpBitmap* GetBitmapHandle() const { return bitmap; }
    GpGraphics* GetDrawingContext() const { return drawingContext; }
    MemoryStream& GetMemoryStream() { return *memoryStream; }

protected:
    GpGraphics* DrawingContext() const override { return drawingContext; }

private:
    friend class Image;
    // The create pattern: dispose what is held, create into the bitmap
    // handle, open the drawing context.
    template <class Create>
    bool CreateWith(Create create);
    // Hand-over of a new image from another operation: the held image goes
    // first; the new one comes without a drawing context.
    void TakeImage(void* newImage);

    GpGraphics* drawingContext = nullptr;
    GpBitmap* bitmap = nullptr;
    std::unique_ptr<MemoryStream> memoryStream;
};

}  // namespace graphics
