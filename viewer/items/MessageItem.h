// A list entry that only shows text of its own, such as "No record".
#pragma once

#include "items/TextItem.h"

namespace Orvane {

class MessageItem : public TextItem {
public:
    // Copies both lines; none stands for the empty line.
    MessageItem(Nevo::Template* shape, const WCHAR* line1, const WCHAR* line2);
    ~MessageItem() override;
    MessageItem(const MessageItem&) = delete;
    MessageItem& operator=(const MessageItem&) = delete;

    int getLine1Text(LPWSTR buffer, int capacity) override;
    // An empty second line draws nothing.
    int getLine2Text(LPWSTR buffer, int capacity) override;

private:
    WCHAR* m_line1;
    WCHAR* m_line2;
};

}  // namespace Orvane
