#include "clipboard.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <cstring>

#include "global_memory.h"

namespace {

bool isOpen = false;
HGLOBAL ownedBlock = nullptr;  // the CF_DIB block the clipboard holds
bool pending = false;          // set since the last publication

// The BMP file that a packed DIB stands for: a file header in front.
QByteArray bmpFileFromDib(const QByteArray& dib) {
    if (dib.size() < static_cast<qsizetype>(sizeof(BITMAPINFOHEADER))) return {};
    BITMAPINFOHEADER info;
    std::memcpy(&info, dib.constData(), sizeof info);
    if (info.biSize < sizeof info || info.biSize > static_cast<DWORD>(dib.size())) return {};
    DWORD colours = info.biClrUsed ? info.biClrUsed : (info.biBitCount <= 8 ? 1u << info.biBitCount : 0u);
    DWORD masks = info.biCompression == BI_BITFIELDS && info.biSize == sizeof info ? 12 : 0;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfSize = static_cast<DWORD>(sizeof file + dib.size());
    file.bfOffBits = static_cast<DWORD>(sizeof file + info.biSize + masks + 4 * colours);
    QByteArray out(reinterpret_cast<const char*>(&file), sizeof file);
    out.append(dib);
    return out;
}

void publish() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return;
    if (!ownedBlock) {
        clipboard->clear();
        return;
    }
    QByteArray dib(static_cast<qsizetype>(GlobalSize(ownedBlock)), Qt::Uninitialized);
    const void* bytes = GlobalLock(ownedBlock);
    if (!bytes) return;
    std::memcpy(dib.data(), bytes, static_cast<std::size_t>(dib.size()));
    GlobalUnlock(ownedBlock);

    QByteArray bmp = bmpFileFromDib(dib);
    QImage image = QImage::fromData(bmp, "BMP");
    auto* mime = new QMimeData;
    mime->setData(QStringLiteral("image/bmp"), bmp);
    if (!image.isNull()) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        mime->setData(QStringLiteral("image/png"), png);
        mime->setImageData(image);
    }
    clipboard->setMimeData(mime);
}

}  // namespace

BOOL WINAPI OpenClipboard(HWND) {
    if (isOpen) return FALSE;
    isOpen = true;
    return TRUE;
}

BOOL WINAPI EmptyClipboard() {
    if (!isOpen) return FALSE;
    if (ownedBlock) GlobalFree(ownedBlock);
    ownedBlock = nullptr;
    pending = true;
    return TRUE;
}

HANDLE WINAPI SetClipboardData(UINT format, HANDLE data) {
    auto block = static_cast<HGLOBAL>(data);
    if (!isOpen || format != CF_DIB || GlobalSize(block) < sizeof(BITMAPINFOHEADER)) return nullptr;
    if (ownedBlock && ownedBlock != block) GlobalFree(ownedBlock);
    ownedBlock = block;
    pending = true;
    return data;
}

BOOL WINAPI CloseClipboard() {
    if (!isOpen) return FALSE;
    isOpen = false;
    if (pending) publish();
    pending = false;
    return TRUE;
}
