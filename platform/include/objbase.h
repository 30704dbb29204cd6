// COM initialisation. Each successful CoInitializeEx (S_OK the first time on a thread,
// S_FALSE after) needs its CoUninitialize; another mode on the same thread is refused.
#pragma once

#include "windef.h"
#include "winerror.h"

#define COINIT_MULTITHREADED 0x0
#define COINIT_APARTMENTTHREADED 0x2
#define COINIT_DISABLE_OLE1DDE 0x4
#define COINIT_SPEED_OVER_MEMORY 0x8

HRESULT CoInitializeEx(LPVOID pvReserved, DWORD dwCoInit);
void CoUninitialize();
