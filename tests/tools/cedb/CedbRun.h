// Test support: a temporary folder for volumes and JSON files, and cedb run in-process with
// its output captured.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "ceobjstore.h"
#include "support/ScratchFolder.h"

namespace cedb_test {

// Sets (or, given null, unsets) an environment variable until the end of the scope.
class EnvironmentChange {
public:
    EnvironmentChange(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name)) m_old = old;
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~EnvironmentChange() { m_old ? setenv(m_name, m_old->c_str(), 1) : unsetenv(m_name); }
    EnvironmentChange(const EnvironmentChange&) = delete;
    EnvironmentChange& operator=(const EnvironmentChange&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

class CedbTest : public ::testing::Test {
protected:
    void TearDown() override {
        ce::objstore::closeVolume();
    }

    std::string file(const std::string& name) const { return m_scratch.file(name); }

    // cedb --store FOLDER/store ARGS...
    Outcome cedb(std::vector<std::string> args, const std::string& store = "test.vol") {
        args.insert(args.begin(), {"--store", file(store)});
        return cedbAsGiven(args);
    }
    // cedb ARGS..., without a --store of the test's.
    Outcome cedbAsGiven(const std::vector<std::string>& args) {
        std::ostringstream out, err;
        int code = cedb::run(args, out, err);
        ce::objstore::closeVolume();
        return {code, out.str(), err.str()};
    }

    std::string write(const std::string& name, const std::string& text) {
        std::ofstream(file(name), std::ios::binary) << text;
        return file(name);
    }
    std::string read(const std::string& name) const {
        std::ifstream in(file(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    test_support::ScratchFolder m_scratch{"cedb-test"};
};

}  // namespace cedb_test
