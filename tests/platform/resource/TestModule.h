// The resource test library, loaded for the length of a test (or until unload()).
#pragma once

#include <dlfcn.h>

#include "windef.h"

class TestModule {
public:
    TestModule() : m_handle(dlopen(RESOURCE_TEST_MODULE, RTLD_NOW | RTLD_LOCAL)) {}
    ~TestModule() { unload(); }
    TestModule(const TestModule&) = delete;
    TestModule& operator=(const TestModule&) = delete;

    // The module's HINSTANCE as its own resource registration saw it; null when not loaded.
    HINSTANCE instance() const {
        if (!m_handle) return nullptr;
        auto function = reinterpret_cast<HINSTANCE (*)()>(dlsym(m_handle, "resourceTestModuleInstance"));
        return function ? function() : nullptr;
    }
    void* symbol(const char* name) const { return dlsym(m_handle, name); }
    void unload() {
        if (m_handle) dlclose(m_handle);
        m_handle = nullptr;
    }

private:
    void* m_handle;
};
