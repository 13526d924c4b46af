// StringFormat: the layout rules of drawn and measured text. A format that
// was never created hands the engine a null format, which lays text out
// with the defaults.
#pragma once

#include <memory>
#include <vector>

#include "gdiplus_flat.h"
#include "optional.h"
#include "wrapper_object.h"

namespace graphics {

class StringFormat : public WrapperObject {
public:
    StringFormat() = default;
    ~StringFormat() override;

    void Destroy() override;
    std::unique_ptr<WrapperObject> Copy() const override;
    void OnHandleSet(void* h) override;

    virtual bool DeleteStringFormat();
    virtual bool CreateStringFormat(Optional<int> flags = {}, Optional<int> language = {});
    // The wrapper then holds the engine's shared generic format; deleting it
    // is harmless.
    virtual bool StringFormatGetGenericDefault();
    virtual bool StringFormatGetGenericTypographic();
    virtual bool CloneStringFormat(StringFormat& target);
    virtual bool SetStringFormatFlags(int flags);
    virtual int GetStringFormatFlags();
    virtual bool SetStringFormatAlign(int align);
    virtual int GetStringFormatAlign();
    virtual bool SetStringFormatLineAlign(int align);
    virtual int GetStringFormatLineAlign();
    virtual bool SetStringFormatTrimming(int trimming);
    virtual int GetStringFormatTrimming();
    virtual bool SetStringFormatHotkeyPrefix(int hotkeyPrefix);
    virtual int GetStringFormatHotkeyPrefix();
    virtual bool SetStringFormatTabStops(float firstTabOffset, const std::vector<float>& tabStops);
    // Replaces `tabStops` with the format's stops and returns their number;
    // 0 and `tabStops` untouched when the number cannot be had.
    virtual int GetStringFormatTabStops(float& firstTabOffset, std::vector<float>& tabStops);
    virtual bool SetStringFormatDigitSubstitution(int method, Optional<int> language = {});
    virtual bool GetStringFormatDigitSubstitution(int& method, int* language = nullptr);
    // The ranges travel in one block and come back through it.
    virtual bool SetStringFormatMeasurableCharacterRanges(std::vector<CharacterRange>& ranges);
    virtual int GetStringFormatMeasurableCharacterRangeCount();
    virtual bool IsValid();

protected:
    GpStringFormat* format = nullptr;
};

}  // namespace graphics
