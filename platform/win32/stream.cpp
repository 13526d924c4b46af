#include "stream.h"

#include <algorithm>
#include <atomic>
#include <cstring>

#include "global_memory.h"

namespace {

constexpr IID kIidUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID kIidSequentialStream = {0x0C733A30, 0x2A1C, 0x11CE, {0xAD, 0xE5, 0x00, 0xAA, 0x00, 0x44, 0x77, 0x3D}};
constexpr IID kIidStream = {0x0000000C, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

// The block and its logical size are shared by a stream and its clones.
struct SharedBlock {
    HGLOBAL block;
    bool deleteOnRelease;
    ULONGLONG size;
    std::atomic<ULONG> users{1};

    void release() {
        if (--users == 0) {
            if (deleteOnRelease) GlobalFree(block);
            delete this;
        }
    }
};

class HGlobalStream final : public IStream {
public:
    explicit HGlobalStream(SharedBlock* shared) : shared_(shared) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        if (!object) return E_POINTER;
        if (riid == kIidUnknown || riid == kIidSequentialStream || riid == kIidStream) {
            *object = this;
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG left = --refs_;
        if (left == 0) {
            shared_->release();
            delete this;
        }
        return left;
    }

    HRESULT STDMETHODCALLTYPE Read(void* buffer, ULONG bytes, ULONG* bytesRead) override {
        if (!buffer && bytes) return STG_E_INVALIDPOINTER;
        ULONGLONG available = position_ < shared_->size ? shared_->size - position_ : 0;
        ULONG n = static_cast<ULONG>(std::min<ULONGLONG>(bytes, available));
        if (n) {
            auto* data = static_cast<std::byte*>(GlobalLock(shared_->block));
            if (!data) return E_FAIL;
            std::memcpy(buffer, data + position_, n);
            GlobalUnlock(shared_->block);
            position_ += n;
        }
        if (bytesRead) *bytesRead = n;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE Write(const void* buffer, ULONG bytes, ULONG* bytesWritten) override {
        if (bytesWritten) *bytesWritten = 0;
        if (!buffer && bytes) return STG_E_INVALIDPOINTER;
        if (bytes == 0) return S_OK;
        ULONGLONG end = position_ + bytes;
        if (end > shared_->size) {
            HRESULT hr = resize(end);
            if (FAILED(hr)) return hr;
        }
        auto* data = static_cast<std::byte*>(GlobalLock(shared_->block));
        if (!data) return E_FAIL;
        std::memcpy(data + position_, buffer, bytes);
        GlobalUnlock(shared_->block);
        position_ = end;
        if (bytesWritten) *bytesWritten = bytes;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* newPosition) override {
        LONGLONG base;
        switch (origin) {
        case STREAM_SEEK_SET: base = 0; break;
        case STREAM_SEEK_CUR: base = static_cast<LONGLONG>(position_); break;
        case STREAM_SEEK_END: base = static_cast<LONGLONG>(shared_->size); break;
        default: return STG_E_INVALIDFUNCTION;
        }
        LONGLONG target = base + move.QuadPart;
        if (target < 0) return STG_E_INVALIDFUNCTION;
        position_ = static_cast<ULONGLONG>(target);
        if (newPosition) newPosition->QuadPart = position_;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER newSize) override { return resize(newSize.QuadPart, true); }

    HRESULT STDMETHODCALLTYPE CopyTo(IStream* target, ULARGE_INTEGER bytes, ULARGE_INTEGER* bytesRead,
                                     ULARGE_INTEGER* bytesWritten) override {
        if (!target) return STG_E_INVALIDPOINTER;
        ULONGLONG available = position_ < shared_->size ? shared_->size - position_ : 0;
        ULONG n = static_cast<ULONG>(std::min<ULONGLONG>({bytes.QuadPart, available, 0xFFFFFFFFu}));
        ULONG written = 0;
        HRESULT hr = S_OK;
        if (n) {
            auto* data = static_cast<std::byte*>(GlobalLock(shared_->block));
            if (!data) return E_FAIL;
            hr = target->Write(data + position_, n, &written);
            GlobalUnlock(shared_->block);
            position_ += n;
        }
        if (bytesRead) bytesRead->QuadPart = n;
        if (bytesWritten) bytesWritten->QuadPart = written;
        return hr;
    }

    HRESULT STDMETHODCALLTYPE Commit(DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Revert() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override {
        return STG_E_INVALIDFUNCTION;
    }
    HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override {
        return STG_E_INVALIDFUNCTION;
    }

    HRESULT STDMETHODCALLTYPE Stat(STATSTG* stat, DWORD) override {
        if (!stat) return STG_E_INVALIDPOINTER;
        *stat = STATSTG{};
        stat->type = STGTY_STREAM;
        stat->cbSize.QuadPart = shared_->size;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE Clone(IStream** copy) override {
        if (!copy) return STG_E_INVALIDPOINTER;
        ++shared_->users;
        auto* twin = new HGlobalStream(shared_);
        twin->position_ = position_;
        *copy = twin;
        return S_OK;
    }

    HGLOBAL block() const { return shared_->block; }

private:
    ~HGlobalStream() = default;

    // Sets the logical size. Growth is geometric so that many small writes
    // stay linear; `exact` (SetSize) makes the block exactly that large.
    HRESULT resize(ULONGLONG newSize, bool exact = false) {
        SIZE_T capacity = GlobalSize(shared_->block);
        if (exact || newSize > capacity) {
            SIZE_T want = exact ? newSize : std::max<ULONGLONG>(newSize, capacity + capacity / 2);
            if (!GlobalReAlloc(shared_->block, want, GMEM_MOVEABLE | GMEM_ZEROINIT)) return STG_E_MEDIUMFULL;
        }
        shared_->size = newSize;
        return S_OK;
    }

    SharedBlock* shared_;
    ULONGLONG position_ = 0;
    std::atomic<ULONG> refs_{1};
};

}  // namespace

HRESULT WINAPI CreateStreamOnHGlobal(HGLOBAL block, BOOL deleteOnRelease, LPSTREAM* stream) {
    if (!stream) return E_INVALIDARG;
    *stream = nullptr;
    if (!block) {
        block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 0);
        if (!block) return E_OUTOFMEMORY;
    } else if (!GlobalLock(block)) {
        return E_INVALIDARG;  // not a block of ours
    } else {
        GlobalUnlock(block);
    }
    auto* shared = new SharedBlock{block, deleteOnRelease != FALSE, GlobalSize(block)};
    *stream = new HGlobalStream(shared);
    return S_OK;
}

HRESULT WINAPI GetHGlobalFromStream(LPSTREAM stream, HGLOBAL* block) {
    if (!block) return E_INVALIDARG;
    auto* ours = dynamic_cast<HGlobalStream*>(stream);
    if (!ours) return E_INVALIDARG;
    *block = ours->block();
    return S_OK;
}
