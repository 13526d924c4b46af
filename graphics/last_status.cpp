#include "last_status.h"

namespace graphics {

int LastStatus = 0;

}  // namespace graphics
