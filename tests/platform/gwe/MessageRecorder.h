// Conformance-test helper: records what window procedures receive (message, sent or posted,
// window, parameters) and compares it with an expected table, printing a numbered
// expected-versus-actual listing on mismatch. WindowTest is a fixture built on it.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "windows.h"

namespace gwetest {

constexpr bool c_sent = false;
constexpr bool c_posted = true;

// A received message, or a row of the expected table (parameters left empty are not compared).
struct Msg {
    HWND hwnd;
    UINT message;
    bool posted = c_sent;
    std::optional<WPARAM> wParam = {};
    std::optional<LPARAM> lParam = {};
};

class MessageRecorder {
public:
    // Decides a message after it is recorded; no value lets DefWindowProcW decide.
    using Handler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;

    MessageRecorder() { current() = this; }
    ~MessageRecorder() { current() = nullptr; }

    static LRESULT windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        std::optional<LRESULT> result = current() ? current()->record(hwnd, message, wParam, lParam) : std::nullopt;
        return result ? *result : DefWindowProcW(hwnd, message, wParam, lParam);
    }

    void setHandler(Handler handler) { m_handler = std::move(handler); }
    void name(HWND hwnd, std::string label) { m_names[hwnd] = std::move(label); }
    void clear() { m_log.clear(); }

    // A message loop's work until the queue is empty or WM_QUIT comes; thread messages and
    // WM_QUIT are recorded as they are retrieved.
    void dispatchPosted() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!msg.hwnd) m_log.push_back({nullptr, msg.message, c_posted, msg.wParam, msg.lParam});
            if (msg.message == WM_QUIT) return;
            m_dispatching = msg;
            DispatchMessageW(&msg);
        }
    }

    ::testing::AssertionResult matches(const std::vector<Msg>& expected) const {
        bool same = expected.size() == m_log.size();
        std::string text = "message sequence differs:\n  #   expected                      actual\n";
        for (size_t i = 0; i < std::max(expected.size(), m_log.size()); ++i) {
            bool agree = i < expected.size() && i < m_log.size() && agrees(expected[i], m_log[i]);
            same = same && agree;
            char row[160];
            std::snprintf(row, sizeof row, "%3zu %c %-29s %s\n", i + 1, agree ? ' ' : '!',
                          describe(i < expected.size() ? &expected[i] : nullptr).c_str(),
                          describe(i < m_log.size() ? &m_log[i] : nullptr).c_str());
            text += row;
        }
        return same ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << text;
    }

private:
    static MessageRecorder*& current() {
        static MessageRecorder* recorder = nullptr;
        return recorder;
    }

    // Posted means: the message being dispatched, not something sent while handling it.
    std::optional<LRESULT> record(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        const MSG* d = m_dispatching ? &*m_dispatching : nullptr;
        bool posted = d && d->hwnd == hwnd && d->message == message && d->wParam == wParam && d->lParam == lParam;
        if (posted) m_dispatching.reset();
        m_log.push_back({hwnd, message, posted, wParam, lParam});
        return m_handler ? m_handler(hwnd, message, wParam, lParam) : std::nullopt;
    }

    static bool agrees(const Msg& e, const Msg& r) {
        return e.hwnd == r.hwnd && e.message == r.message && e.posted == r.posted &&
               (!e.wParam || e.wParam == r.wParam) && (!e.lParam || e.lParam == r.lParam);
    }

    // "sent 0x0002 child w=0": parameters only where the row has them.
    std::string describe(const Msg* m) const {
        if (!m) return "-";
        auto window = m_names.find(m->hwnd);
        char text[80];
        std::snprintf(text, sizeof text, "%s 0x%04X %s", m->posted ? "posted" : "sent", m->message,
                      window != m_names.end() ? window->second.c_str() : m->hwnd ? "?" : "(thread)");
        return text + (m->wParam ? " w=" + std::to_string(*m->wParam) : "") +
               (m->lParam ? " l=" + std::to_string(*m->lParam) : "");
    }

    std::vector<Msg> m_log;
    std::map<HWND, std::string> m_names;
    std::optional<MSG> m_dispatching;
    Handler m_handler;
};

// A recording window class with 16 extra bytes. Afterwards the fixture destroys what the
// test left, empties the queue and unregisters the class, so tests do not see each other.
class WindowTest : public ::testing::Test {
protected:
    static constexpr const WCHAR* c_className = u"RecordedWindow";

    void SetUp() override {
        WNDCLASSW wc{0, MessageRecorder::windowProc, 0, 16, nullptr, nullptr, nullptr, nullptr, nullptr, c_className};
        ASSERT_NE(RegisterClassW(&wc), 0);
    }

    void TearDown() override {
        recorder.setHandler(nullptr);
        for (HWND hwnd : m_created) DestroyWindow(hwnd);
        MSG msg;  // dispatched: the shell's own windows validate what they paint
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        EXPECT_TRUE(UnregisterClassW(c_className, nullptr));
    }

    HWND create(const char* label, HWND parent = nullptr, DWORD style = 0, INT_PTR id = 0) {
        HWND hwnd = CreateWindowExW(0, c_className, u"", style | (parent ? WS_CHILD : 0), 0, 0, 10, 10, parent,
                                    reinterpret_cast<HMENU>(id), nullptr, nullptr);
        recorder.name(hwnd, label);
        m_created.push_back(hwnd);
        return hwnd;
    }

    MessageRecorder recorder;

private:
    std::vector<HWND> m_created;
};

}  // namespace gwetest
