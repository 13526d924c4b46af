// The caller's description of encoder parameters, and the engine's
// parameter block built from it.
#pragma once

#include <string>
#include <vector>

#include "conversions.h"

namespace graphics {

// One parameter: its category GUID as identifier text, the number and the
// EncoderParameterValueType of its values, and the value bytes (which the
// block points to, not copies).
struct EncoderParameterEntry {
    std::string guid;
    int numberOfValues = 0;
    int type = 0;
    ByteArray value;
};

struct EncoderParameterList {
    int count = 0;  // written unchanged into the block's count
    std::vector<EncoderParameterEntry> entries;
};

// The EncoderParameters block for `list`: the count, then one entry per
// element of `entries` in order (category GUID, number of values, type,
// address of the first value byte or null), in the platform's layout of the
// record. Its value addresses point into `list`, which must outlive it.
//
// A count beyond the number of entries would make the engine read past the
// block, so such a list (or a negative count) is refused: false, and
// `block` is left empty.
bool BuildEncoderParameterBlock(const EncoderParameterList& list, ByteArray& block);

}  // namespace graphics
