// Screen text dumps read back, and drawn on the screen of the bench process itself.
#include "ScreenDraws.h"

#include <cstdio>
#include <sstream>

#include "cewchar.h"
#include "windows.h"

std::vector<ScreenDraw> screenDraws(const std::string& dump) {
    std::vector<ScreenDraw> draws;
    std::istringstream lines(dump);
    std::string line;
    while (std::getline(lines, line)) {
        size_t tab = line.find('\t');
        int left = 0, top = 0, width = 0, height = 0;
        if (tab == std::string::npos ||
            std::sscanf(line.substr(0, tab).c_str(), "%d, %d, %d, %d", &left, &top, &width, &height) != 4)
            continue;
        draws.push_back({RECT{left, top, left + width, top + height}, ce::fromUtf8(line.substr(tab + 1))});
    }
    return draws;
}

void drawOnScreen(const std::vector<ScreenDraw>& draws) {
    HDC dc = GetDC(nullptr);
    RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    FillRect(dc, &screen, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    for (const ScreenDraw& draw : draws)
        ExtTextOutW(dc, draw.rect.left, draw.rect.top, ETO_CLIPPED, &draw.rect, draw.text.c_str(),
                    static_cast<UINT>(draw.text.size()), nullptr);
    ReleaseDC(nullptr, dc);
}
