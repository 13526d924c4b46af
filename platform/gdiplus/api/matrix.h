// 3x2 affine matrices. Points are row vectors: p' = p * M, so a matrix
// applies m11, m12, m21, m22, then adds dx, dy. For the operations that take
// a MatrixOrder, Prepend (0) applies the new operation before the matrix
// (M' = Op * M) and Append (1) after it (M' = M * Op); any other order is
// InvalidParameter.
#pragma once
#include "gdiplus_types.h"

// A new identity matrix; caller owns it (GdipDeleteMatrix).
GDIP_EXPORT GpStatus WINGDIPAPI GdipCreateMatrix(GpMatrix** matrix);
// A new matrix of the six given elements; caller owns it.
GDIP_EXPORT GpStatus WINGDIPAPI GdipCreateMatrix2(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy,
                                                  GpMatrix** matrix);
// A new matrix that maps `rect` onto the parallelogram whose upper-left,
// upper-right and lower-left corners are `dstplg[0..2]`. A rectangle with no
// width or height is InvalidParameter.
GDIP_EXPORT GpStatus WINGDIPAPI GdipCreateMatrix3(GDIPCONST GpRectF* rect, GDIPCONST GpPointF* dstplg,
                                                  GpMatrix** matrix);
GDIP_EXPORT GpStatus WINGDIPAPI GdipCreateMatrix3I(GDIPCONST GpRect* rect, GDIPCONST GpPoint* dstplg,
                                                   GpMatrix** matrix);
// A new matrix equal to `matrix`; caller owns it.
GDIP_EXPORT GpStatus WINGDIPAPI GdipCloneMatrix(GpMatrix* matrix, GpMatrix** cloneMatrix);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDeleteMatrix(GpMatrix* matrix);

GDIP_EXPORT GpStatus WINGDIPAPI GdipSetMatrixElements(GpMatrix* matrix, REAL m11, REAL m12, REAL m21, REAL m22,
                                                      REAL dx, REAL dy);
// Writes m11, m12, m21, m22, dx, dy into `matrixOut` (six REALs).
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetMatrixElements(GDIPCONST GpMatrix* matrix, REAL* matrixOut);

// matrix = matrix2 * matrix (Prepend) or matrix * matrix2 (Append).
GDIP_EXPORT GpStatus WINGDIPAPI GdipMultiplyMatrix(GpMatrix* matrix, GpMatrix* matrix2, GpMatrixOrder order);
GDIP_EXPORT GpStatus WINGDIPAPI GdipTranslateMatrix(GpMatrix* matrix, REAL offsetX, REAL offsetY,
                                                    GpMatrixOrder order);
GDIP_EXPORT GpStatus WINGDIPAPI GdipScaleMatrix(GpMatrix* matrix, REAL scaleX, REAL scaleY, GpMatrixOrder order);
// A rotation by `angle` degrees, clockwise on a y-down surface.
GDIP_EXPORT GpStatus WINGDIPAPI GdipRotateMatrix(GpMatrix* matrix, REAL angle, GpMatrixOrder order);
// x' = x + shearX * y, y' = y + shearY * x.
GDIP_EXPORT GpStatus WINGDIPAPI GdipShearMatrix(GpMatrix* matrix, REAL shearX, REAL shearY, GpMatrixOrder order);
// Inverts in place; a matrix with no inverse is InvalidParameter and stays as it was.
GDIP_EXPORT GpStatus WINGDIPAPI GdipInvertMatrix(GpMatrix* matrix);

// Transforms `count` (> 0) points in place; the integer form rounds to the
// nearest integer.
GDIP_EXPORT GpStatus WINGDIPAPI GdipTransformMatrixPoints(GpMatrix* matrix, GpPointF* pts, INT count);
GDIP_EXPORT GpStatus WINGDIPAPI GdipTransformMatrixPointsI(GpMatrix* matrix, GpPoint* pts, INT count);
// As above without the translation (vectors, not positions).
GDIP_EXPORT GpStatus WINGDIPAPI GdipVectorTransformMatrixPoints(GpMatrix* matrix, GpPointF* pts, INT count);
GDIP_EXPORT GpStatus WINGDIPAPI GdipVectorTransformMatrixPointsI(GpMatrix* matrix, GpPoint* pts, INT count);

GDIP_EXPORT GpStatus WINGDIPAPI GdipIsMatrixInvertible(GDIPCONST GpMatrix* matrix, BOOL* result);
GDIP_EXPORT GpStatus WINGDIPAPI GdipIsMatrixIdentity(GDIPCONST GpMatrix* matrix, BOOL* result);
// Equal when all six elements are equal as REALs.
GDIP_EXPORT GpStatus WINGDIPAPI GdipIsMatrixEqual(GDIPCONST GpMatrix* matrix, GDIPCONST GpMatrix* matrix2,
                                                  BOOL* result);
