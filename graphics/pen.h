// Pen: outline colour, width and style of the lines a drawing operation draws.
#pragma once

#include <memory>
#include <vector>

#include "gdiplus_flat.h"
#include "optional.h"
#include "records.h"
#include "wrapper_object.h"

namespace graphics {

class Pen : public WrapperObject {
public:
    Pen() = default;
    ~Pen() override;

    void Destroy() override;
    std::unique_ptr<WrapperObject> Copy() const override;
    void OnHandleSet(void* h) override;

    virtual bool DeletePen();
    virtual bool CreatePen1(ARGB color, float width, Optional<int> unit = {});
    virtual bool CreatePen2(const WrapperObject& brush, float width, Optional<int> unit = {});
    virtual bool ClonePen(Pen& target);
    virtual float GetPenWidth();
    virtual bool SetPenWidth(float width);
    virtual int GetPenUnit();
    // The unit arrives as a float and is truncated toward zero.
    virtual bool SetPenUnit(float unit);
    // The operation table lists this one twice, and GetPenDashCap197819
    // too, with identical behaviour: one C++ operation serves both entries.
    virtual bool SetPenLineCap197819(int startCap, int endCap, int dashCap);
    virtual bool SetPenStartCap(int startCap);
    virtual bool SetPenEndCap(int endCap);
    virtual bool SetPenDashCap197819(int dashCap);
    virtual int GetPenStartCap();
    virtual int GetPenEndCap();
    virtual int GetPenDashCap197819();
    virtual bool SetPenLineJoin(int lineJoin);
    virtual int GetPenLineJoin();
    virtual bool SetPenCustomStartCap(const WrapperObject& customCap);
    virtual bool GetPenCustomStartCap(WrapperObject& target);
    virtual bool SetPenCustomEndCap(const WrapperObject& customCap);
    virtual bool GetPenCustomEndCap(WrapperObject& target);
    virtual bool SetPenMiterLimit(float miterLimit);
    virtual float GetPenMiterLimit();
    virtual bool SetPenMode(int penMode);
    virtual int GetPenMode();
    virtual bool SetPenTransform(const WrapperObject& matrix);
    // Hands a new matrix holding the pen's transform to `target`.
    virtual bool GetPenTransform(WrapperObject& target);
    virtual bool ResetPenTransform();
    virtual bool MultiplyPenTransform(const WrapperObject& matrix, Optional<int> order = {});
    virtual bool RotatePenTransform(float angle, Optional<int> order = {});
    // Rotation about `point`, as three calls: translate, rotate, translate back.
    virtual bool RotatePenTransformAt(float angle, const FloatPoint& point, Optional<int> order = {});
    virtual bool ScalePenTransform(float sx, float sy, Optional<int> order = {});
    virtual bool ScalePenTransformAt(float sx, float sy, const FloatPoint& point, Optional<int> order = {});
    virtual bool TranslatePenTransform(float dx, float dy, Optional<int> order = {});
    virtual ARGB GetPenColor();
    virtual bool SetPenColor(ARGB color);
    virtual bool SetPenBrushFill(const WrapperObject& brush);
    virtual bool GetPenBrushFill(WrapperObject& target);
    virtual int GetPenFillType();
    virtual bool SetPenDashStyle(int dashStyle);
    virtual int GetPenDashStyle();
    virtual float GetPenDashOffset();
    virtual bool SetPenDashOffset(float offset);
    // Replaces `dashes` with the pen's pattern and returns its length; 0 and
    // `dashes` untouched when the length cannot be had.
    virtual int GetPenDashArray(std::vector<float>& dashes);
    virtual bool SetPenDashArray(const std::vector<float>& dashes);
    virtual bool SetPenCompoundArray(const std::vector<float>& compound);
    virtual int GetPenCompoundArray(std::vector<float>& compound);
    virtual bool IsValid();

protected:
    GpPen* pen = nullptr;
};

}  // namespace graphics
