// SolidBrush: a fill of one colour. Two levels: Brush holds what every brush
// has (delete, clone, type), SolidBrush adds the colour.
#pragma once

#include <memory>

#include "gdiplus_flat.h"
#include "wrapper_object.h"

namespace graphics {

class Brush : public WrapperObject {
public:
    // Stores h in the brush handle, then lets the derived level store it.
    void OnHandleSet(void* h) override;
    // Eighth operation: the derived level's own handle field.
    virtual void OnDerivedHandleSet(void* h) = 0;

    virtual bool DeleteBrush();
    virtual bool CloneBrush(WrapperObject& target);
    virtual int GetBrushType();
    virtual bool IsValid();

protected:
    GpBrush* brush = nullptr;
    GpSolidFill* solidBrush = nullptr;
};

class SolidBrush : public Brush {
public:
    SolidBrush() = default;
    ~SolidBrush() override;

    // Runs DeleteBrush for this level and again for the Brush level; the
    // second finds nothing left to delete.
    void Destroy() override;
    std::unique_ptr<WrapperObject> Copy() const override;
    void OnDerivedHandleSet(void* h) override;

    virtual bool CreateSolidFill(ARGB color);
    virtual bool SetSolidFillColor(ARGB color);
    virtual ARGB GetSolidFillColor();
};

}  // namespace graphics
