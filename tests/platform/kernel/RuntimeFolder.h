// Points the runtime folder (CE_RUNTIME_DIR) at a scratch folder of the test's own, so that
// named objects never meet the user's or another test's.
#pragma once

#include <stdlib.h>

#include <gtest/gtest.h>

#include "support/ScratchFolder.h"

namespace test_support {

class RuntimeFolderTest : public ::testing::Test {
protected:
    void SetUp() override { setenv("CE_RUNTIME_DIR", runtime().c_str(), 1); }
    void TearDown() override { unsetenv("CE_RUNTIME_DIR"); }
    std::string runtime() const { return m_scratch.file("run"); }

    ScratchFolder m_scratch{"kernel-runtime"};
};

}  // namespace test_support
