// The Pocket PC shell's calls.
#pragma once

#include "windef.h"

// Tells the user that memory is full and lets them free some; returns when closed.
int SHShowOutOfMemory(HWND hwndOwner, UINT grfFlags);
