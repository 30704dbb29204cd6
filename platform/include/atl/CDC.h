// Device context wrappers. CDCT<true> (CDC) deletes its DC when it goes; CDCT<false>
// (CDCHandle) only borrows one. CPaintDC, CClientDC and CWindowDC end the paint or release
// the window's DC they got.
#pragma once

#include "windows.h"

template <bool t_bManaged>
class CDCT {
public:
    HDC m_hDC;

    CDCT(HDC hDC = nullptr) : m_hDC(hDC) {}
    ~CDCT() {
        if (t_bManaged && m_hDC) ::DeleteDC(m_hDC);
    }
    CDCT(const CDCT&) = delete;
    CDCT& operator=(const CDCT&) = delete;
    CDCT& operator=(HDC hDC) { return Attach(hDC), *this; }
    operator HDC() const { return m_hDC; }

    void Attach(HDC hDC) {
        if (t_bManaged && m_hDC && m_hDC != hDC) ::DeleteDC(m_hDC);
        m_hDC = hDC;
    }
    HDC Detach() { HDC hDC = m_hDC; m_hDC = nullptr; return hDC; }
    bool IsNull() const { return m_hDC == nullptr; }

    HDC CreateCompatibleDC(HDC hDC = nullptr) { Attach(::CreateCompatibleDC(hDC)); return m_hDC; }
    BOOL DeleteDC() {
        if (!m_hDC) return FALSE;
        return ::DeleteDC(Detach());
    }

    HFONT SelectFont(HFONT font) { return static_cast<HFONT>(::SelectObject(m_hDC, font)); }
    HBRUSH SelectBrush(HBRUSH brush) { return static_cast<HBRUSH>(::SelectObject(m_hDC, brush)); }
    HPEN SelectPen(HPEN pen) { return static_cast<HPEN>(::SelectObject(m_hDC, pen)); }
    HBITMAP SelectBitmap(HBITMAP bitmap) { return static_cast<HBITMAP>(::SelectObject(m_hDC, bitmap)); }
    HGDIOBJ SelectStockFont(int index) { return ::SelectObject(m_hDC, ::GetStockObject(index)); }

    COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
    COLORREF GetTextColor() const { return ::GetTextColor(m_hDC); }
    COLORREF SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }
    COLORREF GetBkColor() const { return ::GetBkColor(m_hDC); }
    int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }

    int FillRect(const RECT* rect, HBRUSH brush) { return ::FillRect(m_hDC, rect, brush); }
    // Fills with a colour without a brush: an opaque empty text output in that colour.
    void FillSolidRect(const RECT* rect, COLORREF color) {
        COLORREF old = ::SetBkColor(m_hDC, color);
        ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, rect, nullptr, 0, nullptr);
        ::SetBkColor(m_hDC, old);
    }
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color) {
        RECT rect{x, y, x + cx, y + cy};
        FillSolidRect(&rect, color);
    }

    // count -1 means the text runs to its terminating zero.
    BOOL ExtTextOut(int x, int y, UINT options, const RECT* rect, LPCWSTR text, int count = -1, const INT* dx = nullptr) {
        return ::ExtTextOutW(m_hDC, x, y, options, rect, text, lengthOf(text, count), dx);
    }
    int DrawText(LPCWSTR text, int count, LPRECT rect, UINT format) { return ::DrawTextW(m_hDC, text, count, rect, format); }
    BOOL GetTextExtent(LPCWSTR text, int count, LPSIZE size) const {
        return ::GetTextExtentPoint32W(m_hDC, text, static_cast<int>(lengthOf(text, count)), size);
    }
    BOOL GetTextMetrics(LPTEXTMETRICW metrics) const { return ::GetTextMetricsW(m_hDC, metrics); }

    BOOL BitBlt(int x, int y, int width, int height, HDC src, int xSrc, int ySrc, DWORD rop) {
        return ::BitBlt(m_hDC, x, y, width, height, src, xSrc, ySrc, rop);
    }
    BOOL MaskBlt(int x, int y, int width, int height, HDC src, int xSrc, int ySrc, HBITMAP mask, int xMask,
                 int yMask, DWORD rop) {
        return ::MaskBlt(m_hDC, x, y, width, height, src, xSrc, ySrc, mask, xMask, yMask, rop);
    }
    BOOL PatBlt(int x, int y, int width, int height, DWORD rop) { return ::PatBlt(m_hDC, x, y, width, height, rop); }

    int GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hDC, index); }
    int SaveDC() { return ::SaveDC(m_hDC); }
    BOOL RestoreDC(int savedDC) { return ::RestoreDC(m_hDC, savedDC); }

private:
    static UINT lengthOf(LPCWSTR text, int count) {
        if (count >= 0 || !text) return count >= 0 ? static_cast<UINT>(count) : 0;
        UINT length = 0;
        while (text[length]) ++length;
        return length;
    }
};

using CDC = CDCT<true>;
using CDCHandle = CDCT<false>;

class CPaintDC : public CDCHandle {
public:
    HWND m_hWnd;
    PAINTSTRUCT m_ps;

    explicit CPaintDC(HWND hWnd) : m_hWnd(hWnd), m_ps{} { m_hDC = ::BeginPaint(hWnd, &m_ps); }
    ~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }
};

class CClientDC : public CDCHandle {
public:
    HWND m_hWnd;

    explicit CClientDC(HWND hWnd) : m_hWnd(hWnd) { m_hDC = ::GetDC(hWnd); }
    ~CClientDC() { ::ReleaseDC(m_hWnd, Detach()); }
};

class CWindowDC : public CDCHandle {
public:
    HWND m_hWnd;

    explicit CWindowDC(HWND hWnd) : m_hWnd(hWnd) { m_hDC = ::GetWindowDC(hWnd); }
    ~CWindowDC() { ::ReleaseDC(m_hWnd, Detach()); }
};
