#pragma once
#include "gdiplus_types.h"
