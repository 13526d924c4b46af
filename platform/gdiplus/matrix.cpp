// Matrices over QTransform. Qt and GDI+ both multiply row vectors from the
// left, so QTransform's a * b also means "a, then b". Elements are kept as
// REALs (rounded after every operation) so that results and equality match
// what callers can read back.
#include "api/matrix.h"

#include <cmath>
#include <type_traits>

#include "objects/matrix.h"
#include "status.h"

namespace {

QTransform fromElements(double m11, double m12, double m21, double m22, double dx, double dy) {
    auto r = [](double v) { return static_cast<double>(static_cast<REAL>(v)); };
    return QTransform(r(m11), r(m12), r(m21), r(m22), r(dx), r(dy));
}

QTransform asReals(const QTransform& t) {
    return fromElements(t.m11(), t.m12(), t.m21(), t.m22(), t.dx(), t.dy());
}

bool validOrder(GpMatrixOrder order) {
    return order == MatrixOrderPrepend || order == MatrixOrderAppend;
}

void apply(GpMatrix& m, const QTransform& op, GpMatrixOrder order) {
    m.transform = asReals(order == MatrixOrderPrepend ? op * m.transform : m.transform * op);
}

// Rotations by whole quarter turns are exact, so four of them give back
// the identity.
QTransform rotation(REAL degrees) {
    const double turn = std::fmod(static_cast<double>(degrees), 360.0);
    double c, s;
    if (turn == 0) {
        c = 1, s = 0;
    } else if (turn == 90 || turn == -270) {
        c = 0, s = 1;
    } else if (turn == 180 || turn == -180) {
        c = -1, s = 0;
    } else if (turn == 270 || turn == -90) {
        c = 0, s = -1;
    } else {
        const double radians = turn * M_PI / 180.0;
        c = std::cos(radians), s = std::sin(radians);
    }
    return QTransform(c, s, -s, c, 0, 0);
}

bool finiteReal(double v) {
    return std::isfinite(static_cast<REAL>(v));
}

// The inverse with REAL elements, or false when there is none.
bool inverse(const QTransform& t, QTransform& out) {
    const double det = t.m11() * t.m22() - t.m12() * t.m21();
    if (det == 0 || !std::isfinite(det)) return false;
    const QTransform inv(t.m22() / det, -t.m12() / det, -t.m21() / det, t.m11() / det,
                         (t.m21() * t.dy() - t.m22() * t.dx()) / det, (t.m12() * t.dx() - t.m11() * t.dy()) / det);
    for (double v : {inv.m11(), inv.m12(), inv.m21(), inv.m22(), inv.dx(), inv.dy()})
        if (!finiteReal(v)) return false;
    out = asReals(inv);
    return true;
}

GpStatus createFromParallelogram(const QRectF& rect, const QPointF* p, GpMatrix** matrix) {
    GP_CHECK_ARG(rect.width() != 0 && rect.height() != 0);
    // Maps the rectangle's corners (x, y), (x + w, y), (x, y + h) onto p[0..2].
    const double m11 = (p[1].x() - p[0].x()) / rect.width();
    const double m12 = (p[1].y() - p[0].y()) / rect.width();
    const double m21 = (p[2].x() - p[0].x()) / rect.height();
    const double m22 = (p[2].y() - p[0].y()) / rect.height();
    const double dx = p[0].x() - m11 * rect.x() - m21 * rect.y();
    const double dy = p[0].y() - m12 * rect.x() - m22 * rect.y();
    *matrix = new GpMatrix(fromElements(m11, m12, m21, m22, dx, dy));
    return Ok;
}

long roundToInt(double v) {
    return static_cast<long>(std::floor(v + 0.5));
}

template <class P>
GpStatus transformPoints(GpMatrix* matrix, P* pts, INT count, bool vectors) {
    auto* m = engine::lookup<GpMatrix>(matrix);
    GP_CHECK_ARG(m && pts && count > 0);
    QTransform t = m->transform;
    if (vectors) t = QTransform(t.m11(), t.m12(), t.m21(), t.m22(), 0, 0);
    for (INT i = 0; i < count; ++i) {
        const QPointF q = t.map(QPointF(pts[i].X, pts[i].Y));
        if constexpr (std::is_same_v<P, GpPoint>) {
            pts[i].X = static_cast<INT>(roundToInt(q.x()));
            pts[i].Y = static_cast<INT>(roundToInt(q.y()));
        } else {
            pts[i].X = static_cast<REAL>(q.x());
            pts[i].Y = static_cast<REAL>(q.y());
        }
    }
    return Ok;
}

}  // namespace

GpStatus WINGDIPAPI GdipCreateMatrix(GpMatrix** matrix) {
    GP_CHECK_ARG(matrix);
    *matrix = new GpMatrix;
    return Ok;
}

GpStatus WINGDIPAPI GdipCreateMatrix2(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy, GpMatrix** matrix) {
    GP_CHECK_ARG(matrix);
    *matrix = new GpMatrix(fromElements(m11, m12, m21, m22, dx, dy));
    return Ok;
}

GpStatus WINGDIPAPI GdipCreateMatrix3(GDIPCONST GpRectF* rect, GDIPCONST GpPointF* dstplg, GpMatrix** matrix) {
    GP_CHECK_ARG(rect && dstplg && matrix);
    const QPointF p[3] = {{dstplg[0].X, dstplg[0].Y}, {dstplg[1].X, dstplg[1].Y}, {dstplg[2].X, dstplg[2].Y}};
    return createFromParallelogram(QRectF(rect->X, rect->Y, rect->Width, rect->Height), p, matrix);
}

GpStatus WINGDIPAPI GdipCreateMatrix3I(GDIPCONST GpRect* rect, GDIPCONST GpPoint* dstplg, GpMatrix** matrix) {
    GP_CHECK_ARG(rect && dstplg && matrix);
    const QPointF p[3] = {QPointF(dstplg[0].X, dstplg[0].Y), QPointF(dstplg[1].X, dstplg[1].Y),
                          QPointF(dstplg[2].X, dstplg[2].Y)};
    return createFromParallelogram(QRectF(rect->X, rect->Y, rect->Width, rect->Height), p, matrix);
}

GpStatus WINGDIPAPI GdipCloneMatrix(GpMatrix* matrix, GpMatrix** cloneMatrix) {
    auto* m = engine::lookup<GpMatrix>(matrix);
    GP_CHECK_ARG(m && cloneMatrix);
    *cloneMatrix = new GpMatrix(m->transform);
    return Ok;
}

GpStatus WINGDIPAPI GdipDeleteMatrix(GpMatrix* matrix) {
    auto* m = engine::lookup<GpMatrix>(matrix);
    GP_CHECK_ARG(m);
    delete m;
    return Ok;
}

GpStatus WINGDIPAPI GdipSetMatrixElements(GpMatrix* matrix, REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy) {
    auto* m = engine::lookup<GpMatrix>(matrix);
    GP_CHECK_ARG(m);
    m->transform = fromElements(m11, m12, m21, m22, dx, dy);
    return Ok;
}

GpStatus WINGDIPAPI GdipGetMatrixElements(GDIPCONST GpMatrix* matrix, REAL* matrixOut) {
    auto* m = engine::lookup<GpMatrix>(matrix);
    GP_CHECK_ARG(m && matrixOut);
    const QTransform& t = m->transform;
    const double e[6] = {t.m11(), t.m12(), t.m21(), t.m22(), t.dx(), t.dy()};
    for (int i = 0; i < 6; ++i) matrixOut[i] = static_cast<REAL>(e[i]);
    return Ok;
}

GpStatus WINGDIPAPI GdipMultiplyMatrix(GpMatrix* matrix, GpMatrix* matrix2, GpMatrixOrder order) {
    auto* m = engine::lookup<GpMatrix>(matrix);
    auto* m2 = engine::lookup<GpMatrix>(matrix2);
    GP_CHECK_ARG(m && m2 && validOrder(order));
    apply(*m, m2->transform, order);
    return Ok;
}

GpStatus WINGDIPAPI GdipTranslateMatrix(GpMatrix* matrix, REAL offsetX, REAL offsetY, GpMatrixOrder order) {
    auto* m = engine::lookup<GpMatrix>(matrix);
    GP_CHECK_ARG(m && validOrder(order));
    apply(*m, QTransform::fromTranslate(offsetX, offsetY), order);
    return Ok;
}

GpStatus WINGDIPAPI GdipScaleMatrix(GpMatrix* matrix, REAL scaleX, REAL scaleY, GpMatrixOrder order) {
    auto* m = engine::lookup<GpMatrix>(matrix);
    GP_CHECK_ARG(m && validOrder(order));
    apply(*m, QTransform::fromScale(scaleX, scaleY), order);
    return Ok;
}

GpStatus WINGDIPAPI GdipRotateMatrix(GpMatrix* matrix, REAL angle, GpMatrixOrder order) {
    auto* m = engine::lookup<GpMatrix>(matrix);
    GP_CHECK_ARG(m && validOrder(order));
    apply(*m, rotation(angle), order);
    return Ok;
}

GpStatus WINGDIPAPI GdipShearMatrix(GpMatrix* matrix, REAL shearX, REAL shearY, GpMatrixOrder order) {
    auto* m = engine::lookup<GpMatrix>(matrix);
    GP_CHECK_ARG(m && validOrder(order));
    apply(*m, QTransform(1, shearY, shearX, 1, 0, 0), order);
    return Ok;
}

GpStatus WINGDIPAPI GdipInvertMatrix(GpMatrix* matrix) {
    auto* m = engine::lookup<GpMatrix>(matrix);
    GP_CHECK_ARG(m);
    QTransform inv;
    GP_CHECK_ARG(inverse(m->transform, inv));
    m->transform = inv;
    return Ok;
}

GpStatus WINGDIPAPI GdipTransformMatrixPoints(GpMatrix* matrix, GpPointF* pts, INT count) {
    return transformPoints(matrix, pts, count, false);
}

GpStatus WINGDIPAPI GdipTransformMatrixPointsI(GpMatrix* matrix, GpPoint* pts, INT count) {
    return transformPoints(matrix, pts, count, false);
}

GpStatus WINGDIPAPI GdipVectorTransformMatrixPoints(GpMatrix* matrix, GpPointF* pts, INT count) {
    return transformPoints(matrix, pts, count, true);
}

GpStatus WINGDIPAPI GdipVectorTransformMatrixPointsI(GpMatrix* matrix, GpPoint* pts, INT count) {
    return transformPoints(matrix, pts, count, true);
}

GpStatus WINGDIPAPI GdipIsMatrixInvertible(GDIPCONST GpMatrix* matrix, BOOL* result) {
    auto* m = engine::lookup<GpMatrix>(matrix);
    GP_CHECK_ARG(m && result);
    QTransform inv;
    *result = inverse(m->transform, inv) ? TRUE : FALSE;
    return Ok;
}

GpStatus WINGDIPAPI GdipIsMatrixIdentity(GDIPCONST GpMatrix* matrix, BOOL* result) {
    auto* m = engine::lookup<GpMatrix>(matrix);
    GP_CHECK_ARG(m && result);
    const QTransform& t = m->transform;
    *result = t.m11() == 1 && t.m12() == 0 && t.m21() == 0 && t.m22() == 1 && t.dx() == 0 && t.dy() == 0;
    return Ok;
}

GpStatus WINGDIPAPI GdipIsMatrixEqual(GDIPCONST GpMatrix* matrix, GDIPCONST GpMatrix* matrix2, BOOL* result) {
    auto* a = engine::lookup<GpMatrix>(matrix);
    auto* b = engine::lookup<GpMatrix>(matrix2);
    GP_CHECK_ARG(a && b && result);
    const QTransform &s = a->transform, &t = b->transform;
    *result = s.m11() == t.m11() && s.m12() == t.m12() && s.m21() == t.m21() && s.m22() == t.m22() &&
              s.dx() == t.dx() && s.dy() == t.dy();
    return Ok;
}
