// Windows: CWindow, message maps, CWindowImpl, contained windows and dynamic chains.
#pragma once

#include "atl/CContainedWindow.h"
#include "atl/CDynamicChain.h"
#include "atl/CWindow.h"
#include "atl/CWindowImpl.h"
#include "atl/MessageMap.h"
#include "atl/atltypes.h"
