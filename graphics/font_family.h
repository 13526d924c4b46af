// A typeface family, by name, from a collection or as one of the generic
// families.
#pragma once

#include <memory>
#include <string>

#include "conversions.h"
#include "gdiplus_flat.h"
#include "wrapper_object.h"

namespace graphics {

class FontCollection;

class FontFamily : public WrapperObject {
public:
    FontFamily() = default;
    ~FontFamily() override;

    void Destroy() override;
    std::unique_ptr<WrapperObject> Copy() const override;
    void OnHandleSet(void* h) override;

    virtual bool DeleteFontFamily();
    // The family named `name` in `collection` (an Empty collection stands
    // for the installed fonts). A name no font carries leaves this Empty.
    virtual bool CreateFontFamilyFromName(const std::string& name, const FontCollection& collection);
    // The same with the name as zero-terminated UTF-16 bytes.
    virtual bool CreateFontFamilyFromNameW(const ByteArray& name, const FontCollection& collection);
    virtual bool GetGenericFontFamilySansSerif();
    virtual bool GetGenericFontFamilySerif();
    virtual bool GetGenericFontFamilyMonospace();
    // Hands a duplicate of this family to `target`, which owns it.
    virtual bool CloneFontFamily(FontFamily& target);
    // The family's name; empty for an Empty wrapper.
    virtual std::string GetFamilyName();
    // The 64-byte UTF-16 name buffer as the engine filled it.
    virtual ByteArray GetFamilyNameW();
    virtual bool IsStyleAvailable(INT style);
    // Metrics in design units (0 on failure).
    virtual INT GetEmHeight(INT style);
    virtual INT GetCellAscent(INT style);
    virtual INT GetCellDescent(INT style);
    virtual INT GetLineSpacing(INT style);
    virtual bool IsValid() const;

protected:
    GpFontFamily* family = nullptr;

private:
    bool CreateFromWide(const WCHAR* name, const FontCollection& collection);
    template <class Getter>
    bool CreateGeneric(Getter getter);
    template <class Getter>
    INT Metric(Getter getter, INT style);
};

}  // namespace graphics
