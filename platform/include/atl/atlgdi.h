// Drawing: device context wrappers and the point, size and rectangle classes.
#pragma once

#include "atl/CDC.h"
#include "atl/atltypes.h"
