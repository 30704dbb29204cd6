// The tap-and-hold feedback: a circle of small red dots around the stylus, appearing one by
// one clockwise from the top while the stylus is held, drawn over whatever is on the screen.
#pragma once

#include "windef.h"

namespace ce::shell {

class GestureDots {
public:
    static constexpr int c_count = 8;

    explicit GestureDots(POINT centre);
    // Takes the dots off: the windows under them paint that part of the screen again.
    ~GestureDots();
    GestureDots(const GestureDots&) = delete;
    GestureDots& operator=(const GestureDots&) = delete;

    // Shows the first `count` dots (those not shown yet are drawn now).
    void show(int count);

private:
    RECT dotRect(int index) const;

    POINT m_centre;
    int m_radius;     // of the circle the dots sit on
    int m_dotRadius;
    int m_shown = 0;
};

}  // namespace ce::shell
