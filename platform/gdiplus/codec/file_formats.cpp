#include "codec/file_formats.h"

#include <cmath>
#include <cstdint>

#include "api/codec.h"

namespace engine::codec {
namespace {

void put8(QByteArray& out, unsigned v) { out.append(static_cast<char>(v & 0xFF)); }
void put16(QByteArray& out, unsigned v) {
    put8(out, v);
    put8(out, v >> 8);
}
void put32(QByteArray& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}
void set32(QByteArray& out, qsizetype at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// Rows of `pixels` packed as the file formats want them: indexed rows with
// `depth` bits per pixel, most significant bits first; 24 as R, G, B (or B,
// G, R with `bgr`); 32 as R, G, B, A (or B, G, R, A).
QByteArray packRow(const QImage& pixels, int y, int depth, bool bgr) {
    const int w = pixels.width();
    QByteArray row;
    if (depth <= 8) {
        const uchar* src = pixels.constScanLine(y);
        row.fill('\0', (w * depth + 7) / 8);
        for (int x = 0; x < w; ++x) {
            const int bit = x * depth;
            row[bit / 8] = static_cast<char>(row[bit / 8] | (src[x] << (8 - depth - bit % 8)));
        }
        return row;
    }
    auto* src = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
    const int bytesPerPixel = depth / 8;
    row.resize(static_cast<qsizetype>(w) * bytesPerPixel);
    auto* dst = reinterpret_cast<uchar*>(row.data());
    for (int x = 0; x < w; ++x, dst += bytesPerPixel) {
        const QRgb c = src[x];
        if (depth == 16) {
            const unsigned v = (qRed(c) >> 3) << 10 | (qGreen(c) >> 3) << 5 | qBlue(c) >> 3;
            dst[0] = static_cast<uchar>(v & 0xFF);
            dst[1] = static_cast<uchar>(v >> 8);
            continue;
        }
        dst[0] = static_cast<uchar>(bgr ? qBlue(c) : qRed(c));
        dst[1] = static_cast<uchar>(qGreen(c));
        dst[2] = static_cast<uchar>(bgr ? qRed(c) : qBlue(c));
        if (depth == 32) dst[3] = static_cast<uchar>(qAlpha(c));
    }
    return row;
}

// LZW as GIF and TIFF use it: codes from minCodeSize + 1 bits up to 12,
// a clear code first and whenever the table is full, an end code last.
// GIF packs codes from the least significant bit, TIFF from the most
// significant, and TIFF widens codes one entry early.
class LzwWriter {
public:
    LzwWriter(int minCodeSize, bool tiff) : min_(minCodeSize), tiff_(tiff), children_(4096 * 256, 0) {}

    QByteArray encode(const QByteArray& data) {
        out_.clear();
        reset();
        putCode(clear());
        if (!data.isEmpty()) {
            int w = static_cast<uchar>(data[0]);
            for (qsizetype i = 1; i < data.size(); ++i) {
                const int k = static_cast<uchar>(data[i]);
                const std::size_t key = static_cast<std::size_t>(w) * 256 + k;
                if (children_[key]) {
                    w = children_[key];
                    continue;
                }
                putCode(w);
                if (next_ < limit()) {
                    children_[key] = static_cast<std::uint16_t>(next_++);
                    used_.push_back(key);
                    if (next_ > (1 << width_) - (tiff_ ? 1 : 0) && width_ < 12) ++width_;
                } else {
                    putCode(clear());
                    reset();
                }
                w = k;
            }
            putCode(w);
        }
        putCode(clear() + 1);
        if (bits_) {
            out_.append(static_cast<char>(tiff_ ? (acc_ << (8 - bits_)) : acc_));
            acc_ = bits_ = 0;
        }
        return out_;
    }

private:
    int clear() const { return 1 << min_; }
    int limit() const { return tiff_ ? 4094 : 4096; }
    void reset() {
        for (std::size_t key : used_) children_[key] = 0;
        used_.clear();
        next_ = clear() + 2;
        width_ = min_ + 1;
    }
    void putCode(int code) {
        if (tiff_) {
            acc_ = (acc_ << width_) | static_cast<std::uint32_t>(code);
            bits_ += width_;
            while (bits_ >= 8) {
                bits_ -= 8;
                out_.append(static_cast<char>((acc_ >> bits_) & 0xFF));
            }
            acc_ &= (1u << bits_) - 1;
        } else {
            acc_ |= static_cast<std::uint32_t>(code) << bits_;
            bits_ += width_;
            while (bits_ >= 8) {
                out_.append(static_cast<char>(acc_ & 0xFF));
                acc_ >>= 8;
                bits_ -= 8;
            }
        }
    }

    int min_;
    bool tiff_;
    std::vector<std::uint16_t> children_;  // (prefix code, byte) -> code; 0 = none
    std::vector<std::size_t> used_;
    int next_ = 0, width_ = 0;
    std::uint32_t acc_ = 0;
    int bits_ = 0;
    QByteArray out_;
};

// PackBits of one row: literal runs (n - 1, bytes) and repeats (1 - n, byte).
void packBits(const QByteArray& row, QByteArray& out) {
    qsizetype i = 0;
    const qsizetype n = row.size();
    while (i < n) {
        qsizetype run = 1;
        while (i + run < n && run < 128 && row[i + run] == row[i]) ++run;
        if (run >= 2) {
            put8(out, static_cast<unsigned>(1 - run));
            out.append(row[i]);
            i += run;
            continue;
        }
        qsizetype start = i, len = 0;
        while (i < n && len < 128) {
            if (i + 1 < n && row[i + 1] == row[i] && (i + 2 >= n || row[i + 2] == row[i])) break;
            ++i;
            ++len;
        }
        put8(out, static_cast<unsigned>(len - 1));
        out.append(row.constData() + start, len);
    }
}

}  // namespace

QByteArray writeBmp(const QImage& pixels, int depth, double dpiX, double dpiY) {
    const int w = pixels.width(), h = pixels.height();
    const std::uint32_t stride = ((static_cast<std::uint32_t>(w) * depth + 31) / 32) * 4;
    const std::uint32_t tableEntries = depth <= 8 ? (1u << depth) : 0;
    const std::uint32_t offBits = 14 + 40 + 4 * tableEntries;
    const std::uint32_t imageBytes = stride * static_cast<std::uint32_t>(h);

    QByteArray out;
    out.reserve(offBits + imageBytes);
    // BITMAPFILEHEADER
    out.append("BM", 2);
    put32(out, offBits + imageBytes);
    put16(out, 0);
    put16(out, 0);
    put32(out, offBits);
    // BITMAPINFOHEADER: positive height, so rows run bottom-up
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(w));
    put32(out, static_cast<std::uint32_t>(h));
    put16(out, 1);
    put16(out, static_cast<unsigned>(depth));
    put32(out, 0);  // BI_RGB
    put32(out, imageBytes);
    put32(out, static_cast<std::uint32_t>(std::lround(dpiX / 0.0254)));
    put32(out, static_cast<std::uint32_t>(std::lround(dpiY / 0.0254)));
    put32(out, 0);  // every table entry is used
    put32(out, 0);
    for (std::uint32_t i = 0; i < tableEntries; ++i) {
        const QRgb c = i < static_cast<std::uint32_t>(pixels.colorCount()) ? pixels.color(static_cast<int>(i)) : 0;
        put8(out, qBlue(c));
        put8(out, qGreen(c));
        put8(out, qRed(c));
        put8(out, 0);
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row = packRow(pixels, y, depth, true);
        row.append(QByteArray(static_cast<qsizetype>(stride) - row.size(), '\0'));
        out.append(row);
    }
    return out;
}

QByteArray writeTiff(const std::vector<TiffPage>& pages) {
    QByteArray out("II*\0", 4);
    qsizetype linkAt = out.size();  // where the offset of the next directory goes
    put32(out, 0);
    const bool multi = pages.size() > 1;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const TiffPage& page = pages[p];
        const int w = page.pixels.width(), h = page.pixels.height();
        const int samples = page.depth == 32 ? 4 : page.depth == 24 ? 3 : 1;
        const int bits = page.depth <= 8 ? page.depth : 8;

        QByteArray raw;
        for (int y = 0; y < h; ++y) {
            QByteArray row = packRow(page.pixels, y, page.depth, false);
            if (page.compression == EncoderValueCompressionRle)
                packBits(row, raw);
            else
                raw.append(row);
        }
        unsigned compression = 1;
        if (page.compression == EncoderValueCompressionLZW) {
            raw = LzwWriter(8, true).encode(raw);
            compression = 5;
        } else if (page.compression == EncoderValueCompressionRle) {
            compression = 32773;
        }
        if (out.size() % 2) put8(out, 0);  // values start on a word boundary
        const auto stripAt = static_cast<std::uint32_t>(out.size());
        out.append(raw);
        if (out.size() % 2) put8(out, 0);

        // Values too large for a directory entry.
        const auto bitsAt = static_cast<std::uint32_t>(out.size());
        for (int s = 0; s < samples; ++s) put16(out, 8);
        const auto resolutionAt = static_cast<std::uint32_t>(out.size());
        put32(out, static_cast<std::uint32_t>(std::lround(page.dpiX * 100)));
        put32(out, 100);
        put32(out, static_cast<std::uint32_t>(std::lround(page.dpiY * 100)));
        put32(out, 100);
        const auto colourMapAt = static_cast<std::uint32_t>(out.size());
        if (page.depth <= 8) {
            const int entries = 1 << page.depth;
            for (int channel = 0; channel < 3; ++channel)
                for (int i = 0; i < entries; ++i) {
                    const QRgb c = i < page.pixels.colorCount() ? page.pixels.color(i) : 0;
                    const int v = channel == 0 ? qRed(c) : channel == 1 ? qGreen(c) : qBlue(c);
                    put16(out, static_cast<unsigned>(v * 257));
                }
        }

        struct Entry {
            unsigned tag, type;
            std::uint32_t count, value;
        };
        constexpr unsigned kShort = 3, kLong = 4, kRational = 5;
        std::vector<Entry> entries = {
            {254, kLong, 1, multi ? 2u : 0u},
            {256, kLong, 1, static_cast<std::uint32_t>(w)},
            {257, kLong, 1, static_cast<std::uint32_t>(h)},
            {258, kShort, static_cast<std::uint32_t>(samples), samples == 1 ? static_cast<std::uint32_t>(bits) : bitsAt},
            {259, kShort, 1, compression},
            {262, kShort, 1, page.depth <= 8 ? 3u : 2u},
            {273, kLong, 1, stripAt},
            {277, kShort, 1, static_cast<std::uint32_t>(samples)},
            {278, kLong, 1, static_cast<std::uint32_t>(h)},
            {279, kLong, 1, static_cast<std::uint32_t>(raw.size())},
            {282, kRational, 1, resolutionAt},
            {283, kRational, 1, resolutionAt + 8},
            {284, kShort, 1, 1},
            {296, kShort, 1, 2},
        };
        if (multi)
            entries.push_back({297, kShort, 2, static_cast<std::uint32_t>(p) | static_cast<std::uint32_t>(pages.size()) << 16});
        if (page.depth <= 8) entries.push_back({320, kShort, 3u << page.depth, colourMapAt});
        if (page.depth == 32) entries.push_back({338, kShort, 1, 2});  // unassociated alpha

        if (out.size() % 2) put8(out, 0);
        set32(out, linkAt, static_cast<std::uint32_t>(out.size()));
        put16(out, static_cast<unsigned>(entries.size()));
        for (const Entry& e : entries) {
            put16(out, e.tag);
            put16(out, e.type);
            put32(out, e.count);
            // A single SHORT sits in the first two bytes of the value field.
            if (e.type == kShort && e.count == 1) {
                put16(out, e.value);
                put16(out, 0);
            } else {
                put32(out, e.value);
            }
        }
        linkAt = out.size();
        put32(out, 0);
    }
    return out;
}

QByteArray writeGif(const std::vector<QImage>& frames) {
    QByteArray out("GIF89a", 6);
    int screenW = 0, screenH = 0;
    for (const QImage& f : frames) screenW = std::max(screenW, f.width()), screenH = std::max(screenH, f.height());

    auto tableBits = [](const QImage& f) {
        int n = 1;
        while ((1 << n) < f.colorCount()) ++n;
        return n;
    };
    auto putTable = [&out](const QImage& f, int n) {
        for (int i = 0; i < (1 << n); ++i) {
            const QRgb c = i < f.colorCount() ? f.color(i) : 0;
            put8(out, qRed(c));
            put8(out, qGreen(c));
            put8(out, qBlue(c));
        }
    };

    const int globalBits = tableBits(frames.front());
    put16(out, static_cast<unsigned>(screenW));
    put16(out, static_cast<unsigned>(screenH));
    put8(out, 0x80 | 0x70 | static_cast<unsigned>(globalBits - 1));
    put8(out, 0);
    put8(out, 0);
    putTable(frames.front(), globalBits);
    const bool animated = frames.size() > 1;
    if (animated) {
        out.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01", 16);
        put16(out, 0);  // loop forever
        put8(out, 0);
    }
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const QImage& f = frames[i];
        const int bits = tableBits(f);
        int transparent = -1;
        for (int c = 0; c < f.colorCount(); ++c)
            if (qAlpha(f.color(c)) == 0) {
                transparent = c;
                break;
            }
        if (transparent >= 0 || animated) {
            out.append("\x21\xF9\x04", 3);
            put8(out, (transparent >= 0 ? 2u << 2 : 0u) | (transparent >= 0 ? 1u : 0u));
            put16(out, animated ? 10 : 0);  // hundredths of a second
            put8(out, transparent >= 0 ? static_cast<unsigned>(transparent) : 0u);
            put8(out, 0);
        }
        put8(out, 0x2C);
        put16(out, 0);
        put16(out, 0);
        put16(out, static_cast<unsigned>(f.width()));
        put16(out, static_cast<unsigned>(f.height()));
        if (i == 0) {
            put8(out, 0);
        } else {
            put8(out, 0x80 | static_cast<unsigned>(bits - 1));
            putTable(f, bits);
        }
        const int minCode = std::max(2, bits);
        QByteArray indices;
        indices.reserve(static_cast<qsizetype>(f.width()) * f.height());
        for (int y = 0; y < f.height(); ++y)
            indices.append(reinterpret_cast<const char*>(f.constScanLine(y)), f.width());
        const QByteArray data = LzwWriter(minCode, false).encode(indices);
        put8(out, static_cast<unsigned>(minCode));
        for (qsizetype at = 0; at < data.size(); at += 255) {
            const qsizetype n = std::min<qsizetype>(255, data.size() - at);
            put8(out, static_cast<unsigned>(n));
            out.append(data.constData() + at, n);
        }
        put8(out, 0);
    }
    put8(out, 0x3B);
    return out;
}

}  // namespace engine::codec
