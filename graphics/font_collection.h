// A set of font families. The library never makes or deletes a collection:
// an Empty wrapper stands for the installed fonts, and a collection handed
// over through SetHandle stays owned by whoever made it.
#pragma once

#include <memory>
#include <vector>

#include "gdiplus_flat.h"
#include "wrapper_object.h"

namespace graphics {

class FontFamily;

class FontCollection : public WrapperObject {
public:
    FontCollection() = default;

    // Releases nothing: the class owns no collection.
    void Destroy() override;
    std::unique_ptr<WrapperObject> Copy() const override;
    void OnHandleSet(void* h) override;
    virtual void OnDerivedHandleSet(void* h);

    // The number of families in the collection (0 on failure).
    virtual INT GetFontCollectionFamilyCount();
    // Replaces `families` by `numSought` new wrappers that take the
    // collection's first families (those past the number found stay Empty)
    // and returns the number found. Below 1 sought: LastStatus is
    // InvalidParameter, 0 is returned and `families` is left as it was.
    virtual INT GetFontCollectionFamilyList(INT numSought, std::vector<std::unique_ptr<FontFamily>>& families);

protected:
    GpFontCollection* collection = nullptr;
};

}  // namespace graphics
