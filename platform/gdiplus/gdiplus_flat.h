// The flat interface of the engine: every entry point with its documented C
// signature, one header per object kind.
#pragma once

#include "gdiplus_types.h"

#include "api/startup.h"
#include "api/matrix.h"
#include "api/path.h"
#include "api/region.h"
#include "api/font_family.h"
#include "api/pen.h"
#include "api/brush.h"
#include "api/font.h"
#include "api/string_format.h"
#include "api/graphics.h"
#include "api/image.h"
#include "api/codec.h"
#include "api/device_context.h"
