#include "memory_stream.h"

#include <algorithm>

#include "win32/global_memory.h"
#include "win32/process_memory.h"

namespace graphics {

MemoryStream::~MemoryStream() {
    Close();
}

void MemoryStream::Destroy() {
    Close();
}

std::unique_ptr<MemoryStream> MemoryStream::Copy() const {
    auto copy = std::make_unique<MemoryStream>();
    if (stream) copy->CreateFromBytes(GetBytes());
    return copy;
}

IStream* MemoryStream::CreateFromBytes(const ByteArray& bytes, Optional<int> size) {
    Close();
    // A negative size makes an empty block rather than an enormous one.
    const SIZE_T n = size.given ? static_cast<SIZE_T>(std::max(size.value, 0)) : bytes.size();
    globalHandle = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, n);
    CreateStreamOnHGlobal(globalHandle, FALSE, &stream);
    lockedAddress = GlobalLock(globalHandle);
    // A size beyond the given bytes leaves the rest of the block zero instead
    // of reading past the caller's array.
    const SIZE_T copied = std::min<SIZE_T>(n, bytes.size());
    if (lockedAddress && copied)
        WriteProcessMemory(GetCurrentProcess(), lockedAddress, bytes.data(), copied, nullptr);
    GlobalUnlock(globalHandle);
    return stream;
}

void MemoryStream::Close() {
    if (!stream) return;
    stream->Release();
    GlobalFree(globalHandle);
    globalHandle = nullptr;
    stream = nullptr;
}

int MemoryStream::GetSize() const {
    return static_cast<int>(GlobalSize(globalHandle));
}

bool MemoryStream::AttachStream(IStream* s) {
    Close();
    GetHGlobalFromStream(s, &globalHandle);
    stream = s;
    return globalHandle != nullptr;
}

ByteArray MemoryStream::GetBytes() const {
    lockedAddress = GlobalLock(globalHandle);
    SIZE_T n = GlobalSize(globalHandle);
    // The block grows ahead of what is written into it; the bytes past the
    // stream's end are not part of the data, so the copy stops there.
    STATSTG stat{};
    if (stream && SUCCEEDED(stream->Stat(&stat, STATFLAG_NONAME)))
        n = std::min<SIZE_T>(n, static_cast<SIZE_T>(stat.cbSize.QuadPart));
    ByteArray bytes;
    if (lockedAddress && n) {
        const auto* data = static_cast<const std::uint8_t*>(lockedAddress);
        bytes.assign(data, data + n);
    }
    GlobalUnlock(globalHandle);
    return bytes;
}

}  // namespace graphics
