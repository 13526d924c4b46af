#include "encoder_parameter_list.h"

#include <cstddef>
#include <cstring>

#include "gdiplus_flat.h"

namespace graphics {

bool BuildEncoderParameterBlock(const EncoderParameterList& list, ByteArray& block) {
    block.clear();
    if (list.count < 0 || static_cast<std::size_t>(list.count) > list.entries.size()) return false;
    // The record's own layout: on a 32-bit platform each entry takes 28
    // bytes after the 4-byte count; with 64-bit addresses the entries are
    // aligned to 8 and take 32.
    const std::size_t header = offsetof(EncoderParameters, Parameter);
    block.assign(header + list.entries.size() * sizeof(EncoderParameter), 0);
    const auto count = static_cast<UINT>(list.count);
    std::memcpy(block.data(), &count, sizeof count);
    for (std::size_t i = 0; i < list.entries.size(); ++i) {
        const EncoderParameterEntry& e = list.entries[i];
        EncoderParameter p{};
        const GuidBytes guid = TextToGuid(e.guid);
        std::memcpy(&p.Guid, guid.data(), sizeof p.Guid);
        p.NumberOfValues = static_cast<ULONG>(e.numberOfValues);
        p.Type = static_cast<ULONG>(e.type);
        p.Value = e.value.empty() ? nullptr : const_cast<std::uint8_t*>(e.value.data());
        std::memcpy(block.data() + header + i * sizeof(EncoderParameter), &p, sizeof p);
    }
    return true;
}

}  // namespace graphics
