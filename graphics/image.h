// The image level of a bitmap: the operations that read the image handle
// (from CloneImage to IsValid). Bitmap derives from it and keeps the bitmap
// handle equal to the image handle through OnDerivedHandleSet.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "conversions.h"
#include "float_rect.h"
#include "records.h"
#include "gdiplus_flat.h"
#include "optional.h"
#include "wrapper_object.h"

namespace graphics {

class Bitmap;

struct SizeRecord {
    float width = 0, height = 0;
};

// One property of an image: identifier, length of the value in bytes, type
// (PropertyTagType), value.
struct PropertyRecord {
    int id = 0;
    int length = 0;
    int type = 0;
    ByteArray value;
};

// A palette: flags, number of entries, the entries as ARGB colours.
struct PaletteRecord {
    int flags = 0;
    int count = 0;
    std::vector<std::uint32_t> entries;
};

class Image : public WrapperObject {
public:
    // Stores h in the image handle, then in the derived level's field.
    void OnHandleSet(void* h) override;
    // Second-level hook: the most derived handle field takes h.
    virtual void OnDerivedHandleSet(void* h) = 0;

    // A copy of the image handed to `target` (which disposes what it held);
    // the target gets no drawing context.
    virtual bool CloneImage(Bitmap& target);
    // The image's format GUID as identifier text.
    virtual std::string GetRawFormat();
    // The image's bounds; `unit`, when given, receives their unit.
    virtual FloatRect GetImageBounds(int* unit = nullptr);
    virtual SizeRecord GetImageDimension();
    virtual int GetImageType();
    virtual unsigned GetImageWidth();
    virtual unsigned GetImageHeight();
    // (GetDpiX and GetDpiY read the drawing context: the drawing family's.)
    virtual unsigned GetImageFlags();
    virtual int GetImagePixelFormat();
    // A width x height thumbnail handed to `target`.
    virtual bool GetImageThumbnail(unsigned width, unsigned height, Bitmap& target);
    virtual unsigned ImageGetFrameCount(const std::string& dimension);
    virtual bool ImageGetFrameDimensionsList(std::vector<std::string>& dimensions);
    virtual bool ImageSelectActiveFrame(const std::string& dimension, unsigned index);
    // Delays of the frames in hundredths of a second (property 0x5100).
    virtual bool GetFrameDelays(std::vector<int>& delays);
    virtual bool GetPropertyItem(int id, PropertyRecord& record);
    // A record whose length exceeds its value bytes is refused
    // (InvalidParameter, no engine call).
    virtual bool SetPropertyItem(const PropertyRecord& record);
    virtual bool RemovePropertyItem(int id);
    // Fills `ids` and returns their number; 0 (ids untouched) when the count
    // cannot be had.
    virtual int GetPropertyIdList(std::vector<int>& ids);
    virtual bool ImageRotateFlip(int rotateFlipType);
    virtual bool GetImagePalette(PaletteRecord& palette);
    virtual bool SetImagePalette(const PaletteRecord& palette);
    virtual bool IsValid() const { return image != nullptr; }

protected:
    GpImage* image = nullptr;
};

}  // namespace graphics
