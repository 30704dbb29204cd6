// The application: its module and message loops.
#pragma once

#include "atl/CAppModule.h"
#include "atl/CMessageLoop.h"
