// The Pocket PC shell's calls.
#pragma once

#include "windef.h"
#include "winuser.h"

// Tells the user that memory is full and lets them free some; returns when closed.
int SHShowOutOfMemory(HWND hwndOwner, UINT grfFlags);

// The soft-key menu bar across the bottom of the screen.
struct SHMENUBARINFO {
    DWORD cbSize;
    HWND hwndParent;     // receives WM_COMMAND and WM_INITMENUPOPUP
    DWORD dwFlags;       // SHCMBF_*
    UINT nToolBarId;     // a menu resource of hInstRes with SHCMBF_HMENU
    HINSTANCE hInstRes;
    int nBmpId;
    int cBmpImages;
    HWND hwndMB;         // out: the bar
    COLORREF clrBk;      // with SHCMBF_COLORBK
};
using PSHMENUBARINFO = SHMENUBARINFO*;

#define SHCMBF_EMPTYBAR 0x0001
#define SHCMBF_HIDDEN 0x0002
#define SHCMBF_HIDESIPBUTTON 0x0004
#define SHCMBF_COLORBK 0x0008
#define SHCMBF_HMENU 0x0010

#define SHCMBM_SETSUBMENU 0x0590
#define SHCMBM_GETSUBMENU 0x0591
#define SHCMBM_GETMENU 0x0592

BOOL SHCreateMenuBar(SHMENUBARINFO* pmbi);
// The menu bar made for a window, or null.
HWND SHFindMenuBar(HWND hwnd);

// Full-screen dialogs: called from WM_INITDIALOG.
struct SHINITDLGINFO {
    DWORD dwMask;  // SHIDIM_FLAGS
    HWND hDlg;
    DWORD dwFlags;  // SHIDIF_*
};
using PSHINITDLGINFO = SHINITDLGINFO*;
#define SHIDIM_FLAGS 0x0001
#define SHIDIF_DONEBUTTON 0x0001
#define SHIDIF_SIZEDLG 0x0002
#define SHIDIF_SIZEDLGFULLSCREEN 0x0004
#define SHIDIF_SIPDOWN 0x0008
#define SHIDIF_FULLSCREENNOMENUBAR 0x0010
#define SHIDIF_EMPTYMENU 0x0020
BOOL SHInitDialog(PSHINITDLGINFO pshidi);

// Tap-and-hold: called on stylus down; returns once the stylus was held still long enough
// (GN_CONTEXTMENU, after the red circle of dots), or was moved or lifted (0).
struct SHRGINFO {
    DWORD cbSize;
    HWND hwndClient;
    POINT ptDown;  // client coordinates of hwndClient
    DWORD dwFlags;  // SHRG_*
};
using PSHRGINFO = SHRGINFO*;
#define SHRG_RETURNCMD 0x00000001
#define SHRG_NOTIFYPARENT 0x00000002
#define SHRG_LONGDELAY 0x00000008
#define SHRG_NOANIMATION 0x00000010
#define GN_CONTEXTMENU 1000
// What WM_NOTIFY carries for a recognised gesture; ptAction is in screen coordinates.
struct NMRGINFO {
    NMHDR hdr;
    POINT ptAction;
    DWORD dwItemSpec;
};
using PNMRGINFO = NMRGINFO*;
DWORD SHRecognizeGesture(SHRGINFO* shrg);
