// A COM stream over a block of movable global memory, which the stream does
// not free: the MemoryStream owns one reference to the stream and the block,
// and Close gives back both.
#pragma once

#include <memory>

#include "conversions.h"
#include "optional.h"
#include "win32/stream.h"

namespace graphics {

class MemoryStream {
public:
    MemoryStream() = default;
    MemoryStream(const MemoryStream&) = delete;
    MemoryStream& operator=(const MemoryStream&) = delete;
    // Closes what is still open, so that nothing leaks.
    virtual ~MemoryStream();

    // Close; the owner then frees the record.
    virtual void Destroy();
    // A new record over its own block holding the same bytes and its own
    // stream over it, so that both records may be closed. (Sharing the
    // stream and the block without a reference would free them twice.)
    virtual std::unique_ptr<MemoryStream> Copy() const;
    // Closes, then makes a block of `size` bytes (the length of `bytes` when
    // left out) holding `bytes`, and a stream over it at position 0. Returns
    // the stream, null when no block could be had.
    virtual IStream* CreateFromBytes(const ByteArray& bytes = {}, Optional<int> size = {});
    // Releases the stream and frees the block; nothing when there is no stream.
    virtual void Close();
    // The block's size in bytes.
    virtual int GetSize() const;
    virtual IStream* GetStream() const { return stream; }
    virtual HGLOBAL GetGlobalHandle() const { return globalHandle; }
    // Closes, then takes over the caller's reference to `s` and the block
    // behind it; true when that block was found. Only for a stream whose
    // release leaves its block alive.
    virtual bool AttachStream(IStream* s);
    // A copy of the stream's bytes: the block up to the stream's end.
    virtual ByteArray GetBytes() const;

private:
    HGLOBAL globalHandle = nullptr;
    mutable void* lockedAddress = nullptr;
    IStream* stream = nullptr;
};

}  // namespace graphics
