// Saving images: to a file (written beside the target, then renamed over
// it), to a stream, and the multi-frame saves of TIFF and GIF files.
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "codec/codec_table.h"
#include "codec/image_encode.h"
#include "objects/image.h"
#include "status.h"

namespace engine::codec {
namespace {

GpStatus statusOfErrno(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return AccessDenied;
    default: return Win32Error;
    }
}

mode_t currentUmask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("Umask:", 0) == 0) return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
    return 022;
}

// A file being written: a temporary file in the target's folder that
// replaces the target only once it is complete, so that a failed save never
// leaves a half-written file or destroys the one that was there.
class FileTarget {
public:
    ~FileTarget() { abandon(); }

    GpStatus open(const WCHAR* name) {
        QString path = QString::fromUtf16(name);
        const QFileInfo info(path);
        if (info.isSymLink() && info.exists()) path = info.canonicalFilePath();  // replace what the link names
        target_ = QFile::encodeName(path).toStdString();
        const std::string folder = QFile::encodeName(QFileInfo(path).absolutePath()).toStdString();
        std::string pattern = folder + "/.zelvaro-save-XXXXXX";
        fd_ = mkstemp(pattern.data());
        if (fd_ < 0) return fail(statusOfErrno(errno));
        temp_ = pattern;
        struct stat existing;
        const mode_t mode = ::stat(target_.c_str(), &existing) == 0 ? (existing.st_mode & 07777)
                                                                     : (0666 & ~currentUmask());
        fchmod(fd_, mode);
        return Ok;
    }

    GpStatus commit(const QByteArray& bytes) {
        const char* data = bytes.constData();
        qsizetype left = bytes.size();
        while (left > 0) {
            const ssize_t n = ::write(fd_, data, static_cast<size_t>(left));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return failWith(errno ? errno : EIO);
            data += n;
            left -= n;
        }
        if (::fsync(fd_) != 0 && errno != EINVAL) return failWith(errno);
        const int closed = ::close(fd_);
        fd_ = -1;
        if (closed != 0) return failWith(errno);
        if (::rename(temp_.c_str(), target_.c_str()) != 0) return failWith(errno);
        temp_.clear();
        return Ok;
    }

private:
    GpStatus failWith(int error) {
        abandon();
        return fail(statusOfErrno(error));
    }
    void abandon() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
        if (!temp_.empty()) ::unlink(temp_.c_str());
        temp_.clear();
    }

    int fd_ = -1;
    std::string temp_, target_;
};

GpStatus writeToStream(IStream* stream, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ULONG chunk = static_cast<ULONG>(std::min<qsizetype>(left, 1 << 30));
        ULONG written = 0;
        if (FAILED(stream->Write(data, chunk, &written)) || written == 0) return fail(Win32Error);
        data += written;
        left -= written;
    }
    return Ok;
}

bool supportsMultiFrame(const Codec& codec) {
    return codec.format == Format::TIFF || codec.format == Format::GIF;
}

int frameDimensionFlag(const Codec& codec) {
    return codec.format == Format::GIF ? EncoderValueFrameDimensionTime : EncoderValueFrameDimensionPage;
}

}  // namespace

// Frames collected between a save with EncoderValueMultiFrame and the
// EncoderValueFlush that writes them all.
struct MultiFrameSave {
    const Codec* codec = nullptr;
    std::vector<Frame> frames;
    std::unique_ptr<FileTarget> file;
    IStream* stream = nullptr;  // one reference held until the save ends
    bool done = false;

    GpStatus finish() {
        done = true;
        QByteArray bytes;
        GpStatus status = encode(*codec, frames, bytes);
        if (status == Ok) status = file ? file->commit(bytes) : writeToStream(stream, bytes);
        file.reset();
        if (stream) stream->Release();
        stream = nullptr;
        return status;
    }

    // An image that goes away with its save still open keeps what it saved.
    ~MultiFrameSave() {
        if (!done) finish();
    }
};

namespace {

// The common part of saving to a file or a stream: the encoder, its
// parameters and the image's current frame.
GpStatus prepare(GpImage* image, const CLSID* clsidEncoder, const EncoderParameters* params, const Codec*& codec,
                 Frame& frame) {
    // A class identifier that names no installed encoder is an unknown
    // image format to the caller (the all-zero GUID of a failed lookup
    // included), not a missing file.
    codec = findEncoder(*clsidEncoder);
    GP_CHECK(codec, UnknownImageFormat);
    EncodeSettings settings;
    if (GpStatus s = readParameters(*codec, params, settings); s != Ok) return s;
    // A first save may open a multi-frame file, never add to or flush one.
    GP_CHECK_ARG(settings.saveFlag == 0 || settings.saveFlag == EncoderValueMultiFrame);
    if (!frameOf(*image, settings, frame))
        return fail(image->kind == ObjectKind::Metafile ? NotImplemented : InvalidParameter);
    return Ok;
}

// Ends a multi-frame save still open on `image` before another save starts.
void finishPending(GpImage* image) {
    if (auto pending = std::move(image->pendingSave)) pending->finish();
}

GpStatus addFrame(GpImage* image, GpImage* source, const EncoderParameters* params, bool flushAllowed) {
    std::shared_ptr<MultiFrameSave> pending = image->pendingSave;
    GP_CHECK(pending, WrongState);
    EncodeSettings settings;
    if (GpStatus s = readParameters(*pending->codec, params, settings); s != Ok) return s;
    if (settings.saveFlag == EncoderValueFlush && flushAllowed) {
        image->pendingSave.reset();
        return pending->finish();
    }
    GP_CHECK_ARG(settings.saveFlag == frameDimensionFlag(*pending->codec) || (!flushAllowed && settings.saveFlag == 0));
    // Pages take their own compression and depth; unset ones keep the first page's.
    const EncodeSettings& base = pending->frames.front().settings;
    if (!settings.colorDepth) settings.colorDepth = base.colorDepth;
    if (!settings.compression) settings.compression = base.compression;
    Frame frame;
    if (!frameOf(*source, settings, frame))
        return fail(source->kind == ObjectKind::Metafile ? NotImplemented : InvalidParameter);
    pending->frames.push_back(std::move(frame));
    return Ok;
}

}  // namespace
}  // namespace engine::codec

using namespace engine::codec;

GpStatus WINGDIPAPI GdipSaveImageToFile(GpImage* image, const WCHAR* filename, const CLSID* clsidEncoder,
                                        const EncoderParameters* encoderParams) {
    GpImage* img = engine::lookup<GpImage>(image);
    GP_CHECK_ARG(img && filename && *filename && clsidEncoder);
    const Codec* codec = nullptr;
    Frame frame;
    if (GpStatus s = prepare(img, clsidEncoder, encoderParams, codec, frame); s != Ok) return s;
    finishPending(img);

    auto file = std::make_unique<FileTarget>();
    if (GpStatus s = file->open(filename); s != Ok) return s;
    if (frame.settings.saveFlag == EncoderValueMultiFrame && supportsMultiFrame(*codec)) {
        auto pending = std::make_shared<MultiFrameSave>();
        pending->codec = codec;
        pending->frames.push_back(std::move(frame));
        pending->file = std::move(file);
        img->pendingSave = std::move(pending);
        return Ok;
    }
    QByteArray bytes;
    if (GpStatus s = encode(*codec, {frame}, bytes); s != Ok) return s;
    return file->commit(bytes);
}

GpStatus WINGDIPAPI GdipSaveImageToStream(GpImage* image, IStream* stream, const CLSID* clsidEncoder,
                                          const EncoderParameters* encoderParams) {
    GpImage* img = engine::lookup<GpImage>(image);
    GP_CHECK_ARG(img && stream && clsidEncoder);
    const Codec* codec = nullptr;
    Frame frame;
    if (GpStatus s = prepare(img, clsidEncoder, encoderParams, codec, frame); s != Ok) return s;
    finishPending(img);

    if (frame.settings.saveFlag == EncoderValueMultiFrame && supportsMultiFrame(*codec)) {
        auto pending = std::make_shared<MultiFrameSave>();
        pending->codec = codec;
        pending->frames.push_back(std::move(frame));
        pending->stream = stream;
        stream->AddRef();
        img->pendingSave = std::move(pending);
        return Ok;
    }
    QByteArray bytes;
    if (GpStatus s = encode(*codec, {frame}, bytes); s != Ok) return s;
    return writeToStream(stream, bytes);
}

GpStatus WINGDIPAPI GdipSaveAdd(GpImage* image, const EncoderParameters* encoderParams) {
    GpImage* img = engine::lookup<GpImage>(image);
    GP_CHECK_ARG(img && encoderParams);
    return addFrame(img, img, encoderParams, true);
}

GpStatus WINGDIPAPI GdipSaveAddImage(GpImage* image, GpImage* newImage, const EncoderParameters* encoderParams) {
    GpImage* img = engine::lookup<GpImage>(image);
    GpImage* added = engine::lookup<GpImage>(newImage);
    GP_CHECK_ARG(img && added);
    return addFrame(img, added, encoderParams, false);
}

GpStatus WINGDIPAPI GdipGetEncoderParameterListSize(GpImage* image, const CLSID* clsidEncoder, UINT* size) {
    GP_CHECK_ARG(engine::lookup<GpImage>(image) && clsidEncoder && size);
    const Codec* codec = findEncoder(*clsidEncoder);
    GP_CHECK(codec, UnknownImageFormat);
    *size = parameterListBytes(*codec);
    return Ok;
}

GpStatus WINGDIPAPI GdipGetEncoderParameterList(GpImage* image, const CLSID* clsidEncoder, UINT size,
                                                EncoderParameters* buffer) {
    GP_CHECK_ARG(engine::lookup<GpImage>(image) && clsidEncoder && buffer);
    const Codec* codec = findEncoder(*clsidEncoder);
    GP_CHECK(codec, UnknownImageFormat);
    GP_CHECK(size >= parameterListBytes(*codec), InsufficientBuffer);
    writeParameterList(*codec, buffer);
    return Ok;
}
