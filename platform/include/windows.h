// The platform API in one include, as programs written for the handheld expect.
#pragma once

#include "windef.h"
#include "winerror.h"
#include "winbase.h"
#include "winuser.h"
#include "cewchar.h"
