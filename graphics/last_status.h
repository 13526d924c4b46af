// The status of the latest engine call made by any wrapper operation.
#pragma once

#include "gdiplus_types.h"

namespace graphics {

// Overwritten by every wrapper operation that calls the engine; operations
// that make no engine call leave it as it is.
extern int LastStatus;

// Stores `status` in LastStatus; true when it is Ok.
inline bool Record(GpStatus status) {
    LastStatus = status;
    return status == Ok;
}

}  // namespace graphics
