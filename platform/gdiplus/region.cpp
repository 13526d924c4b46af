// Regions over Qt paths. Boolean combinations use Qt's path clipper, which
// works in double precision and keeps straight edges straight; the
// questions asked of a region (is it empty, is a point inside, which
// rectangles cover it) are answered here from the path's edges, so that
// they are exact for straight-edged regions.
#include "api/region.h"

#include <QTransform>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "objects/graphics.h"
#include "objects/image.h"
#include "objects/matrix.h"
#include "objects/path.h"
#include "objects/region.h"
#include "status.h"
#include "win32/gdi_region.h"

QPainterPath GpRegion::toQt() const {
    if (!infinite) return path;
    QPainterPath all;
    all.addRect(engine::infiniteRegionRect());
    return all;
}

namespace {

// An area as a combination sees it.
struct Area {
    bool infinite = false;
    QPainterPath path;
};

QPainterPath rectPath(QRectF r) {
    QPainterPath p;
    r = r.normalized();
    if (r.width() > 0 && r.height() > 0) p.addRect(r);
    return p;
}

QPainterPath finite(const Area& a) {
    return a.infinite ? rectPath(engine::infiniteRegionRect()) : a.path;
}

QPainterPath unite(const QPainterPath& a, const QPainterPath& b) {
    if (a.isEmpty()) return b;
    if (b.isEmpty()) return a;
    return a.united(b);
}

QPainterPath subtract(const QPainterPath& a, const QPainterPath& b) {
    if (a.isEmpty() || b.isEmpty()) return a;
    return a.subtracted(b);
}

QPainterPath intersect(const QPainterPath& a, const QPainterPath& b) {
    if (a.isEmpty() || b.isEmpty()) return {};
    return a.intersected(b);
}

bool validMode(CombineMode mode) {
    return mode >= CombineModeReplace && mode <= CombineModeComplement;
}

Area combine(const Area& a, const Area& b, CombineMode mode) {
    switch (mode) {
        case CombineModeReplace:
            return b;
        case CombineModeIntersect:
            if (a.infinite) return b;
            if (b.infinite) return a;
            return {false, intersect(a.path, b.path)};
        case CombineModeUnion:
            if (a.infinite || b.infinite) return {true, {}};
            return {false, unite(a.path, b.path)};
        case CombineModeXor:
            if (a.infinite && b.infinite) return {};
            return {false, unite(subtract(finite(a), finite(b)), subtract(finite(b), finite(a)))};
        case CombineModeExclude:
            if (b.infinite) return {};
            return {false, subtract(finite(a), b.path)};
        case CombineModeComplement:
            if (a.infinite) return {};
            return {false, subtract(finite(b), a.path)};
    }
    return a;
}

// A non-horizontal edge of a path's outline, top end first; `dir` is +1
// for an edge that runs downward in the path, -1 for one that runs upward.
struct Edge {
    double x0, y0, x1, y1;
    int dir;
};

struct Outline {
    std::vector<Edge> edges;
    std::vector<double> ys;  // every vertex's y, sorted, each once
    Qt::FillRule rule = Qt::OddEvenFill;
    bool rectilinear = true;  // every edge horizontal or vertical
};

Outline outlineOf(const QPainterPath& path) {
    Outline o;
    o.rule = path.fillRule();
    // Every subpath counts as closed, as it does when filled.
    for (const QPolygonF& poly : path.toSubpathPolygons()) {
        const qsizetype n = poly.size();
        for (qsizetype i = 0; i < n; ++i) {
            const QPointF a = poly[i], b = poly[(i + 1) % n];
            o.ys.push_back(a.y());
            if (a.y() == b.y()) continue;
            if (a.x() != b.x()) o.rectilinear = false;
            if (a.y() < b.y())
                o.edges.push_back({a.x(), a.y(), b.x(), b.y(), +1});
            else
                o.edges.push_back({b.x(), b.y(), a.x(), a.y(), -1});
        }
    }
    std::sort(o.ys.begin(), o.ys.end());
    o.ys.erase(std::unique(o.ys.begin(), o.ys.end()), o.ys.end());
    return o;
}

struct Span {
    double x0, x1;
    bool operator==(const Span& s) const { return x0 == s.x0 && x1 == s.x1; }
};

// The spans of the line at height y inside the outline. An edge counts for
// y from its top end (included) to its bottom end (excluded), and a span
// includes its left end and excludes its right one.
std::vector<Span> spansAt(const Outline& o, double y) {
    std::vector<std::pair<double, int>> crossings;
    for (const Edge& e : o.edges) {
        if (y < e.y0 || y >= e.y1) continue;
        const double x = e.x0 == e.x1 ? e.x0 : e.x0 + (y - e.y0) * (e.x1 - e.x0) / (e.y1 - e.y0);
        crossings.emplace_back(x, e.dir);
    }
    std::sort(crossings.begin(), crossings.end());
    std::vector<Span> spans;
    int winding = 0, count = 0;
    bool inside = false;
    double start = 0;
    for (const auto& [x, dir] : crossings) {
        winding += dir;
        ++count;
        const bool now = o.rule == Qt::WindingFill ? winding != 0 : (count & 1) != 0;
        if (now == inside) continue;
        if (now) {
            start = x;
        } else if (x > start) {
            if (!spans.empty() && spans.back().x1 == start)
                spans.back().x1 = x;
            else
                spans.push_back({start, x});
        }
        inside = now;
    }
    return spans;
}

// True when the area is more than lines and points. Between two vertex
// heights no edge begins or ends, so looking at the middle of each such
// band is enough.
bool hasArea(const QPainterPath& path) {
    if (path.isEmpty()) return false;
    const Outline o = outlineOf(path);
    for (std::size_t i = 1; i < o.ys.size(); ++i)
        if (!spansAt(o, (o.ys[i - 1] + o.ys[i]) / 2).empty()) return true;
    return false;
}

bool isEmpty(const GpRegion& r) {
    return !r.infinite && !hasArea(r.path);
}

// Appends the spans of the band [top, bottom) to `out`, growing the
// rectangles of the band above instead when it has the same spans.
struct ScanBuilder {
    std::vector<QRectF> out;
    std::vector<Span> lastSpans;
    std::size_t lastFirst = 0;
    double lastBottom = 0;

    void add(double top, double bottom, const std::vector<Span>& spans) {
        if (spans.empty()) return;
        if (!out.empty() && lastBottom == top && spans == lastSpans) {
            for (std::size_t i = lastFirst; i < out.size(); ++i) out[i].setBottom(bottom);
        } else {
            lastFirst = out.size();
            for (const Span& s : spans) out.emplace_back(QPointF(s.x0, top), QPointF(s.x1, bottom));
            lastSpans = spans;
        }
        lastBottom = bottom;
    }
};

// The first device unit whose centre is at or right of (below) v.
double firstUnitFrom(double v) {
    return std::ceil(v - 0.5);
}

std::vector<QRectF> scansOf(const GpRegion& r, const QTransform& matrix) {
    if (r.infinite) return {engine::infiniteRegionRect()};
    const Outline o = outlineOf(matrix.map(r.path));
    ScanBuilder scans;
    if (o.rectilinear) {
        for (std::size_t i = 1; i < o.ys.size(); ++i)
            scans.add(o.ys[i - 1], o.ys[i], spansAt(o, (o.ys[i - 1] + o.ys[i]) / 2));
        return scans.out;
    }
    if (o.ys.empty()) return {};
    const QRectF limit = engine::infiniteRegionRect();
    const double first = std::max(firstUnitFrom(o.ys.front()), limit.top());
    const double last = std::min(firstUnitFrom(o.ys.back()), limit.bottom());
    for (double row = first; row < last; ++row) {
        std::vector<Span> units;
        for (const Span& s : spansAt(o, row + 0.5)) {
            const double x0 = firstUnitFrom(s.x0), x1 = firstUnitFrom(s.x1);
            if (x1 <= x0) continue;
            if (!units.empty() && units.back().x1 >= x0)
                units.back().x1 = std::max(units.back().x1, x1);
            else
                units.push_back({x0, x1});
        }
        scans.add(row, row + 1, units);
    }
    return scans.out;
}

// A scan rectangle on whole device units: those whose centres it covers.
GpRect unitRect(const QRectF& r) {
    const double left = firstUnitFrom(r.left()), top = firstUnitFrom(r.top());
    return {static_cast<INT>(left), static_cast<INT>(top), static_cast<INT>(firstUnitFrom(r.right()) - left),
            static_cast<INT>(firstUnitFrom(r.bottom()) - top)};
}

QRectF boundsOf(const GpRegion& r) {
    if (r.infinite) return engine::infiniteRegionRect();
    if (!hasArea(r.path)) return {};
    return r.path.boundingRect();
}

// A given context must be alive: a graphics object, or an image (callers
// that draw on a bitmap hand over the bitmap itself). Regions answer in
// world units, so the context changes no answer.
bool graphicsOk(GpGraphics* graphics) {
    return !graphics || engine::lookup<GpGraphics>(graphics) || engine::lookup<GpImage>(graphics);
}

GpStatus combineWith(GpRegion* region, const Area& other, CombineMode mode) {
    auto* r = engine::lookup<GpRegion>(region);
    GP_CHECK_ARG(r && validMode(mode));
    Area result = combine(Area{r->infinite, r->path}, other, mode);
    r->infinite = result.infinite;
    r->path = result.infinite ? QPainterPath() : result.path;
    return Ok;
}

GpRegion* newRegion(bool infinite, const QPainterPath& path) {
    auto* r = new GpRegion;
    r->infinite = infinite;
    r->path = infinite ? QPainterPath() : path;
    return r;
}

// Region data, little-endian:
//   offset  size   field
//   0       4      magic "ZRGN"
//   4       4      format version, 1
//   8       4      total size in bytes, 24 + 20 n
//   12      4      flags: bit 0 set for an infinite region
//   16      4      fill rule: 0 odd-even, 1 winding
//   20      4      n, the number of path elements (0 when infinite)
//   24      20 n   per element: kind (4 bytes: 0 move, 1 line, 2 first
//                  control point of a cubic, 3 its second control point or
//                  end point), x and y (IEEE doubles, 8 bytes each)
// Coordinates are the path's own doubles, so the data gives back exactly
// the region it came from.
constexpr char kDataMagic[4] = {'Z', 'R', 'G', 'N'};
constexpr quint32 kDataVersion = 1;
constexpr std::size_t kHeaderSize = 24;
constexpr std::size_t kElementSize = 20;

std::size_t dataSize(const GpRegion& r) {
    return kHeaderSize + kElementSize * static_cast<std::size_t>(r.infinite ? 0 : r.path.elementCount());
}

void putU32(BYTE*& at, quint32 v) {
    qToLittleEndian(v, at);
    at += 4;
}
void putF64(BYTE*& at, double v) {
    quint64 bits;
    std::memcpy(&bits, &v, 8);
    qToLittleEndian(bits, at);
    at += 8;
}
quint32 getU32(const BYTE*& at) {
    const quint32 v = qFromLittleEndian<quint32>(at);
    at += 4;
    return v;
}
double getF64(const BYTE*& at) {
    const quint64 bits = qFromLittleEndian<quint64>(at);
    at += 8;
    double v;
    std::memcpy(&v, &bits, 8);
    return v;
}

void writeData(const GpRegion& r, BYTE* out) {
    BYTE* at = out;
    std::memcpy(at, kDataMagic, 4);
    at += 4;
    putU32(at, kDataVersion);
    putU32(at, static_cast<quint32>(dataSize(r)));
    putU32(at, r.infinite ? 1 : 0);
    putU32(at, r.path.fillRule() == Qt::WindingFill ? 1 : 0);
    const int n = r.infinite ? 0 : r.path.elementCount();
    putU32(at, static_cast<quint32>(n));
    for (int i = 0; i < n; ++i) {
        const QPainterPath::Element e = r.path.elementAt(i);
        putU32(at, static_cast<quint32>(e.type));
        putF64(at, e.x);
        putF64(at, e.y);
    }
}

bool readData(const BYTE* data, std::size_t size, bool& infinite, QPainterPath& path) {
    if (size < kHeaderSize || std::memcmp(data, kDataMagic, 4) != 0) return false;
    const BYTE* at = data + 4;
    const quint32 version = getU32(at), total = getU32(at), flags = getU32(at), rule = getU32(at), n = getU32(at);
    if (version != kDataVersion || flags > 1 || rule > 1 || (flags == 1 && n != 0)) return false;
    if (n > (size - kHeaderSize) / kElementSize || total != kHeaderSize + kElementSize * n || total > size)
        return false;
    QPainterPath p;
    // Setting a rule gives a path its first element; an empty one has none.
    if (n > 0) p.setFillRule(rule == 1 ? Qt::WindingFill : Qt::OddEvenFill);
    for (quint32 i = 0; i < n; ++i) {
        const quint32 type = getU32(at);
        const double x = getF64(at), y = getF64(at);
        if (!std::isfinite(x) || !std::isfinite(y)) return false;
        if (i == 0 && type != QPainterPath::MoveToElement) return false;
        switch (type) {
            case QPainterPath::MoveToElement:
                p.moveTo(x, y);
                break;
            case QPainterPath::LineToElement:
                p.lineTo(x, y);
                break;
            case QPainterPath::CurveToElement: {
                if (i + 2 >= n) return false;
                const quint32 t1 = getU32(at);
                const double x1 = getF64(at), y1 = getF64(at);
                const quint32 t2 = getU32(at);
                const double x2 = getF64(at), y2 = getF64(at);
                if (t1 != QPainterPath::CurveToDataElement || t2 != QPainterPath::CurveToDataElement) return false;
                if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
                    return false;
                p.cubicTo(x, y, x1, y1, x2, y2);
                i += 2;
                break;
            }
            default:
                return false;
        }
    }
    infinite = flags == 1;
    path = p;
    return true;
}

}  // namespace

GpStatus WINGDIPAPI GdipCreateRegion(GpRegion** region) {
    GP_CHECK_ARG(region);
    *region = new GpRegion;
    return Ok;
}

GpStatus WINGDIPAPI GdipCreateRegionRect(GDIPCONST GpRectF* rect, GpRegion** region) {
    GP_CHECK_ARG(rect && region);
    *region = newRegion(false, rectPath(QRectF(rect->X, rect->Y, rect->Width, rect->Height)));
    return Ok;
}

GpStatus WINGDIPAPI GdipCreateRegionRectI(GDIPCONST GpRect* rect, GpRegion** region) {
    GP_CHECK_ARG(rect && region);
    *region = newRegion(false, rectPath(QRectF(rect->X, rect->Y, rect->Width, rect->Height)));
    return Ok;
}

GpStatus WINGDIPAPI GdipCreateRegionPath(GpPath* path, GpRegion** region) {
    auto* p = engine::lookup<GpPath>(path);
    GP_CHECK_ARG(p && region);
    *region = newRegion(false, p->toQt());
    return Ok;
}

GpStatus WINGDIPAPI GdipCreateRegionRgnData(GDIPCONST BYTE* regionData, INT size, GpRegion** region) {
    GP_CHECK_ARG(regionData && size > 0 && region);
    bool infinite = false;
    QPainterPath path;
    GP_CHECK_ARG(readData(regionData, static_cast<std::size_t>(size), infinite, path));
    *region = newRegion(infinite, path);
    return Ok;
}

GpStatus WINGDIPAPI GdipCreateRegionHrgn(HRGN hRgn, GpRegion** region) {
    GP_CHECK_ARG(region);
    const int count = gdiRegionRects(hRgn, nullptr, 0);
    GP_CHECK_ARG(count >= 0);
    std::vector<RECT> rects(static_cast<std::size_t>(count));
    gdiRegionRects(hRgn, rects.data(), count);
    // The rectangles do not overlap, so one path holding them all (winding,
    // all drawn the same way round) covers exactly their union.
    QPainterPath path;
    if (!rects.empty()) path.setFillRule(Qt::WindingFill);
    for (const RECT& r : rects) path.addRect(QRectF(QPointF(r.left, r.top), QPointF(r.right, r.bottom)));
    *region = newRegion(false, path);
    return Ok;
}

GpStatus WINGDIPAPI GdipCloneRegion(GpRegion* region, GpRegion** cloneRegion) {
    auto* r = engine::lookup<GpRegion>(region);
    GP_CHECK_ARG(r && cloneRegion);
    *cloneRegion = newRegion(r->infinite, r->path);
    return Ok;
}

GpStatus WINGDIPAPI GdipDeleteRegion(GpRegion* region) {
    auto* r = engine::lookup<GpRegion>(region);
    GP_CHECK_ARG(r);
    delete r;
    return Ok;
}

GpStatus WINGDIPAPI GdipSetInfinite(GpRegion* region) {
    auto* r = engine::lookup<GpRegion>(region);
    GP_CHECK_ARG(r);
    r->infinite = true;
    r->path = QPainterPath();
    return Ok;
}

GpStatus WINGDIPAPI GdipSetEmpty(GpRegion* region) {
    auto* r = engine::lookup<GpRegion>(region);
    GP_CHECK_ARG(r);
    r->infinite = false;
    r->path = QPainterPath();
    return Ok;
}

GpStatus WINGDIPAPI GdipCombineRegionRect(GpRegion* region, GDIPCONST GpRectF* rect, CombineMode combineMode) {
    GP_CHECK_ARG(rect);
    return combineWith(region, {false, rectPath(QRectF(rect->X, rect->Y, rect->Width, rect->Height))}, combineMode);
}

GpStatus WINGDIPAPI GdipCombineRegionRectI(GpRegion* region, GDIPCONST GpRect* rect, CombineMode combineMode) {
    GP_CHECK_ARG(rect);
    return combineWith(region, {false, rectPath(QRectF(rect->X, rect->Y, rect->Width, rect->Height))}, combineMode);
}

GpStatus WINGDIPAPI GdipCombineRegionPath(GpRegion* region, GpPath* path, CombineMode combineMode) {
    auto* p = engine::lookup<GpPath>(path);
    GP_CHECK_ARG(p);
    return combineWith(region, {false, p->toQt()}, combineMode);
}

GpStatus WINGDIPAPI GdipCombineRegionRegion(GpRegion* region, GpRegion* region2, CombineMode combineMode) {
    auto* other = engine::lookup<GpRegion>(region2);
    GP_CHECK_ARG(other);
    // Copied first: the two may be the same region.
    const Area area{other->infinite, other->path};
    return combineWith(region, area, combineMode);
}

GpStatus WINGDIPAPI GdipTranslateRegion(GpRegion* region, REAL dx, REAL dy) {
    auto* r = engine::lookup<GpRegion>(region);
    GP_CHECK_ARG(r);
    if (!r->infinite) r->path.translate(dx, dy);
    return Ok;
}

GpStatus WINGDIPAPI GdipTranslateRegionI(GpRegion* region, INT dx, INT dy) {
    return GdipTranslateRegion(region, static_cast<REAL>(dx), static_cast<REAL>(dy));
}

GpStatus WINGDIPAPI GdipTransformRegion(GpRegion* region, GpMatrix* matrix) {
    auto* r = engine::lookup<GpRegion>(region);
    auto* m = engine::lookup<GpMatrix>(matrix);
    GP_CHECK_ARG(r && m);
    if (!r->infinite) r->path = m->transform.map(r->path);
    return Ok;
}

GpStatus WINGDIPAPI GdipGetRegionBounds(GpRegion* region, GpGraphics* graphics, GpRectF* rect) {
    auto* r = engine::lookup<GpRegion>(region);
    GP_CHECK_ARG(r && rect && graphicsOk(graphics));
    const QRectF b = boundsOf(*r);
    *rect = {static_cast<REAL>(b.x()), static_cast<REAL>(b.y()), static_cast<REAL>(b.width()),
             static_cast<REAL>(b.height())};
    return Ok;
}

GpStatus WINGDIPAPI GdipGetRegionBoundsI(GpRegion* region, GpGraphics* graphics, GpRect* rect) {
    auto* r = engine::lookup<GpRegion>(region);
    GP_CHECK_ARG(r && rect && graphicsOk(graphics));
    const QRectF b = boundsOf(*r);
    const double left = std::floor(b.left()), top = std::floor(b.top());
    *rect = {static_cast<INT>(left), static_cast<INT>(top), static_cast<INT>(std::ceil(b.right()) - left),
             static_cast<INT>(std::ceil(b.bottom()) - top)};
    return Ok;
}

GpStatus WINGDIPAPI GdipGetRegionDataSize(GpRegion* region, UINT* bufferSize) {
    auto* r = engine::lookup<GpRegion>(region);
    GP_CHECK_ARG(r && bufferSize);
    *bufferSize = static_cast<UINT>(dataSize(*r));
    return Ok;
}

GpStatus WINGDIPAPI GdipGetRegionData(GpRegion* region, BYTE* buffer, UINT bufferSize, UINT* sizeFilled) {
    auto* r = engine::lookup<GpRegion>(region);
    GP_CHECK_ARG(r && buffer);
    const std::size_t size = dataSize(*r);
    GP_CHECK(bufferSize >= size, InsufficientBuffer);
    writeData(*r, buffer);
    if (sizeFilled) *sizeFilled = static_cast<UINT>(size);
    return Ok;
}

GpStatus WINGDIPAPI GdipGetRegionHRgn(GpRegion* region, GpGraphics* graphics, HRGN* hRgn) {
    auto* r = engine::lookup<GpRegion>(region);
    GP_CHECK_ARG(r && hRgn && graphicsOk(graphics));
    if (r->infinite) {
        *hRgn = nullptr;
        return Ok;
    }
    std::vector<RECT> rects;
    for (const QRectF& scan : scansOf(*r, QTransform())) {
        const GpRect u = unitRect(scan);
        if (u.Width > 0 && u.Height > 0) rects.push_back({u.X, u.Y, u.X + u.Width, u.Y + u.Height});
    }
    *hRgn = gdiCreateRegion(rects.data(), static_cast<int>(rects.size()));
    return Ok;
}

GpStatus WINGDIPAPI GdipIsEmptyRegion(GpRegion* region, GpGraphics* graphics, BOOL* result) {
    auto* r = engine::lookup<GpRegion>(region);
    GP_CHECK_ARG(r && result && graphicsOk(graphics));
    *result = isEmpty(*r) ? TRUE : FALSE;
    return Ok;
}

GpStatus WINGDIPAPI GdipIsInfiniteRegion(GpRegion* region, GpGraphics* graphics, BOOL* result) {
    auto* r = engine::lookup<GpRegion>(region);
    GP_CHECK_ARG(r && result && graphicsOk(graphics));
    *result = r->infinite ? TRUE : FALSE;
    return Ok;
}

GpStatus WINGDIPAPI GdipIsEqualRegion(GpRegion* region, GpRegion* region2, GpGraphics* graphics, BOOL* result) {
    auto* a = engine::lookup<GpRegion>(region);
    auto* b = engine::lookup<GpRegion>(region2);
    GP_CHECK_ARG(a && b && result && graphicsOk(graphics));
    bool equal;
    if (a->infinite || b->infinite)
        equal = a->infinite == b->infinite;
    else
        equal = !hasArea(subtract(a->path, b->path)) && !hasArea(subtract(b->path, a->path));
    *result = equal ? TRUE : FALSE;
    return Ok;
}

GpStatus WINGDIPAPI GdipIsVisibleRegionPoint(GpRegion* region, REAL x, REAL y, GpGraphics* graphics, BOOL* result) {
    auto* r = engine::lookup<GpRegion>(region);
    GP_CHECK_ARG(r && result && graphicsOk(graphics));
    bool inside = r->infinite;
    if (!inside && !r->path.isEmpty()) {
        for (const Span& s : spansAt(outlineOf(r->path), y))
            if (x >= s.x0 && x < s.x1) inside = true;
    }
    *result = inside ? TRUE : FALSE;
    return Ok;
}

GpStatus WINGDIPAPI GdipIsVisibleRegionPointI(GpRegion* region, INT x, INT y, GpGraphics* graphics, BOOL* result) {
    return GdipIsVisibleRegionPoint(region, static_cast<REAL>(x), static_cast<REAL>(y), graphics, result);
}

GpStatus WINGDIPAPI GdipIsVisibleRegionRect(GpRegion* region, REAL x, REAL y, REAL width, REAL height,
                                            GpGraphics* graphics, BOOL* result) {
    auto* r = engine::lookup<GpRegion>(region);
    GP_CHECK_ARG(r && result && graphicsOk(graphics));
    const QPainterPath rect = rectPath(QRectF(x, y, width, height));
    const bool visible = !rect.isEmpty() && (r->infinite || hasArea(intersect(r->path, rect)));
    *result = visible ? TRUE : FALSE;
    return Ok;
}

GpStatus WINGDIPAPI GdipIsVisibleRegionRectI(GpRegion* region, INT x, INT y, INT width, INT height,
                                             GpGraphics* graphics, BOOL* result) {
    return GdipIsVisibleRegionRect(region, static_cast<REAL>(x), static_cast<REAL>(y), static_cast<REAL>(width),
                                   static_cast<REAL>(height), graphics, result);
}

namespace {

template <class R, class Convert>
GpStatus regionScans(GpRegion* region, R* rects, INT* count, GpMatrix* matrix, Convert convert) {
    auto* r = engine::lookup<GpRegion>(region);
    auto* m = engine::lookup<GpMatrix>(matrix);
    GP_CHECK_ARG(r && m && count && *count >= 0);
    const std::vector<QRectF> scans = scansOf(*r, m->transform);
    const INT needed = static_cast<INT>(scans.size());
    if (*count < needed) {
        *count = needed;
        return engine::fail(InsufficientBuffer);
    }
    GP_CHECK_ARG(rects || needed == 0);
    for (INT i = 0; i < needed; ++i) rects[i] = convert(scans[static_cast<std::size_t>(i)]);
    *count = needed;
    return Ok;
}

}  // namespace

GpStatus WINGDIPAPI GdipGetRegionScansCount(GpRegion* region, UINT* count, GpMatrix* matrix) {
    auto* r = engine::lookup<GpRegion>(region);
    auto* m = engine::lookup<GpMatrix>(matrix);
    GP_CHECK_ARG(r && m && count);
    *count = static_cast<UINT>(scansOf(*r, m->transform).size());
    return Ok;
}

GpStatus WINGDIPAPI GdipGetRegionScans(GpRegion* region, GpRectF* rects, INT* count, GpMatrix* matrix) {
    return regionScans(region, rects, count, matrix, [](const QRectF& s) {
        return GpRectF{static_cast<REAL>(s.x()), static_cast<REAL>(s.y()), static_cast<REAL>(s.width()),
                       static_cast<REAL>(s.height())};
    });
}

GpStatus WINGDIPAPI GdipGetRegionScansI(GpRegion* region, GpRect* rects, INT* count, GpMatrix* matrix) {
    return regionScans(region, rects, count, matrix, unitRect);
}
