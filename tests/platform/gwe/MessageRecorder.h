// Conformance-test helper: records what window procedures receive (message, sent or posted,
// window, parameters) and compares it with an expected table, printing a numbered
// expected-versus-actual listing when they differ. WindowTest is a fixture built on it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "windows.h"

namespace gwetest {

constexpr bool c_sent = false;
constexpr bool c_posted = true;

struct Received {
    HWND hwnd;
    UINT message;
    bool posted;
    WPARAM wParam;
    LPARAM lParam;
};

// A row of the expected table; parameters left empty are not compared.
struct Expected {
    HWND hwnd;
    UINT message;
    bool posted = c_sent;
    std::optional<WPARAM> wParam = {};
    std::optional<LPARAM> lParam = {};
};

class MessageRecorder {
public:
    // Decides a message after it is recorded; no value means DefWindowProcW decides.
    using Handler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;

    MessageRecorder() { current() = this; }
    ~MessageRecorder() { current() = nullptr; }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    static LRESULT windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        MessageRecorder* self = current();
        if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
        self->record(hwnd, message, wParam, lParam);
        std::optional<LRESULT> result = self->m_handler ? self->m_handler(hwnd, message, wParam, lParam) : std::nullopt;
        return result ? *result : DefWindowProcW(hwnd, message, wParam, lParam);
    }

    void setHandler(Handler handler) { m_handler = std::move(handler); }
    void name(HWND hwnd, std::string label) { m_names[hwnd] = std::move(label); }
    void clear() { m_log.clear(); }
    const std::vector<Received>& log() const { return m_log; }

    // Retrieves and dispatches what is posted, as a message loop would, until the queue is
    // empty or WM_QUIT comes; thread messages and WM_QUIT are recorded as they are retrieved.
    void dispatchPosted() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!msg.hwnd) {
                m_log.push_back({nullptr, msg.message, c_posted, msg.wParam, msg.lParam});
                if (msg.message == WM_QUIT) return;
                continue;
            }
            m_dispatching = msg;
            DispatchMessageW(&msg);
            m_dispatching.reset();
        }
    }

    ::testing::AssertionResult matches(const std::vector<Expected>& expected) const {
        bool same = expected.size() == m_log.size();
        for (size_t i = 0; same && i < expected.size(); ++i) same = agrees(expected[i], m_log[i]);
        if (same) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "message sequence differs:\n" << listing(expected);
    }

private:
    static MessageRecorder*& current() {
        static MessageRecorder* recorder = nullptr;
        return recorder;
    }

    // A message is posted when it is the one being dispatched, not something sent meanwhile.
    void record(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        bool posted = m_dispatching && m_dispatching->hwnd == hwnd && m_dispatching->message == message &&
                      m_dispatching->wParam == wParam && m_dispatching->lParam == lParam;
        if (posted) m_dispatching.reset();
        m_log.push_back({hwnd, message, posted, wParam, lParam});
    }

    static bool agrees(const Expected& e, const Received& r) {
        return e.hwnd == r.hwnd && e.message == r.message && e.posted == r.posted &&
               (!e.wParam || *e.wParam == r.wParam) && (!e.lParam || *e.lParam == r.lParam);
    }

    std::string listing(const std::vector<Expected>& expected) const {
        std::string text = "  #   expected                                actual\n";
        for (size_t i = 0; i < std::max(expected.size(), m_log.size()); ++i) {
            std::string left = i < expected.size() ? describe(expected[i]) : "-";
            std::string right = i < m_log.size() ? describe(m_log[i]) : "-";
            bool same = i < expected.size() && i < m_log.size() && agrees(expected[i], m_log[i]);
            char row[160];
            std::snprintf(row, sizeof row, "%3zu %c %-40s %s\n", i + 1, same ? ' ' : '!', left.c_str(),
                          right.c_str());
            text += row;
        }
        return text;
    }

    template <class Row>
    std::string describe(const Row& row) const {
        std::string text = std::string(row.posted ? "posted " : "sent   ") + messageName(row.message) + " " +
                           windowName(row.hwnd);
        if constexpr (std::is_same_v<Row, Received>)
            text += " w=" + std::to_string(row.wParam) + " l=" + std::to_string(row.lParam);
        return text;
    }

    std::string windowName(HWND hwnd) const {
        if (!hwnd) return "(thread)";
        auto found = m_names.find(hwnd);
        return found != m_names.end() ? found->second : std::to_string(reinterpret_cast<std::uintptr_t>(hwnd));
    }

    static std::string messageName(UINT message) {
        static const std::map<UINT, std::string> names = {
            {WM_CREATE, "WM_CREATE"},   {WM_DESTROY, "WM_DESTROY"}, {WM_NCDESTROY, "WM_NCDESTROY"},
            {WM_SETTEXT, "WM_SETTEXT"}, {WM_GETTEXT, "WM_GETTEXT"}, {WM_GETTEXTLENGTH, "WM_GETTEXTLENGTH"},
            {WM_CLOSE, "WM_CLOSE"},     {WM_QUIT, "WM_QUIT"},       {WM_HELP, "WM_HELP"},
            {WM_KEYDOWN, "WM_KEYDOWN"}, {WM_CHAR, "WM_CHAR"},       {WM_COMMAND, "WM_COMMAND"}};
        if (auto found = names.find(message); found != names.end()) return found->second;
        if (message >= WM_USER && message < WM_APP) return "WM_USER+" + std::to_string(message - WM_USER);
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%04X", message);
        return hex;
    }

    std::vector<Received> m_log;
    std::map<HWND, std::string> m_names;
    Handler m_handler;
    std::optional<MSG> m_dispatching;
};

// A fixture with a recording window class; it destroys what the test left, empties the
// queue and unregisters the class afterwards, so tests do not see each other's state.
class WindowTest : public ::testing::Test {
protected:
    static constexpr const WCHAR* c_className = u"RecordedWindow";

    void SetUp() override {
        WNDCLASSW wc{};
        wc.lpfnWndProc = MessageRecorder::windowProc;
        wc.cbWndExtra = 16;
        wc.lpszClassName = c_className;
        ASSERT_NE(RegisterClassW(&wc), 0);
    }

    void TearDown() override {
        recorder.setHandler(nullptr);
        for (HWND hwnd : m_created) DestroyWindow(hwnd);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
        EXPECT_TRUE(UnregisterClassW(c_className, nullptr));
    }

    HWND create(const char* label, HWND parent = nullptr, DWORD style = 0, int id = 0) {
        if (parent) style |= WS_CHILD;
        HWND hwnd = CreateWindowExW(0, c_className, u"", style, 0, 0, 10, 10, parent,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
        recorder.name(hwnd, label);
        m_created.push_back(hwnd);
        return hwnd;
    }

    MessageRecorder recorder;

private:
    std::vector<HWND> m_created;
};

}  // namespace gwetest
