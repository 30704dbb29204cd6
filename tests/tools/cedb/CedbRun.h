// Test support: a temporary folder for volumes and JSON files, and cedb run in-process with
// its output captured.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "ceobjstore.h"
#include "support/ScratchFolder.h"

namespace cedb_test {

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
