#include "status.h"

namespace engine {

GpStatus fail(GpStatus status) {
    return status;
}

}  // namespace engine
