// Font: typeface, size and style of the text a drawing operation writes.
#pragma once

#include <memory>
#include <string>

#include "conversions.h"
#include "gdiplus_flat.h"
#include "optional.h"
#include "wrapper_object.h"

namespace graphics {

class Font : public WrapperObject {
public:
    Font() = default;
    ~Font() override;

    void Destroy() override;
    std::unique_ptr<WrapperObject> Copy() const override;
    void OnHandleSet(void* h) override;

    virtual bool DeleteFont();
    // `family` is a FontFamily wrapper; its handle is passed.
    virtual bool CreateFont(const WrapperObject& family, float size, Optional<int> style = {},
                            Optional<int> unit = {});
    // The stock default GUI font, through its LOGFONTA and the screen context.
    virtual bool CreateFromDefaultGuiFont();
    // A font of the installed family of that name; the temporary family is
    // released whether or not the font could be made.
    virtual bool CreateFromFamilyName(const std::string& name, float size, Optional<int> style = {},
                                      Optional<int> unit = {});
    // As CreateFromFamilyName, the name given as zero-terminated UTF-16 bytes.
    virtual bool CreateFromFamilyNameW(const ByteArray& name, float size, Optional<int> style = {},
                                       Optional<int> unit = {});
    virtual bool CreateFontFromDC(HDC dc);
    // From the system font object when it describes itself, else from the context.
    virtual bool CreateFromDCAndFont(HDC dc, HGDIOBJ fontObject);
    // From the record when one is given, else from the context.
    virtual bool CreateFromDCOrLogfontA(HDC dc, const LOGFONTA* logFont);
    virtual bool CreateFromDCOrLogfontW(HDC dc, const LOGFONTW* logFont);
    virtual bool CloneFont(Font& target);
    // `buffer` receives the LOGFONTA record; a smaller buffer is first grown
    // to the record's 60 bytes.
    virtual bool GetLogFontA(const WrapperObject& graphics, ByteArray& buffer);
    virtual bool GetLogFontW(const WrapperObject& graphics, LOGFONTW* logFont);
    // Hands a new FontFamily object to `target`.
    virtual bool GetFamily(WrapperObject& target);
    virtual int GetFontStyle();
    virtual float GetFontSize();
    virtual int GetFontUnit();
    virtual float GetFontHeight(const WrapperObject& graphics);
    virtual float GetFontHeightGivenDPI(float dpi);
    virtual bool IsValid();

protected:
    GpFont* font = nullptr;
};

}  // namespace graphics
