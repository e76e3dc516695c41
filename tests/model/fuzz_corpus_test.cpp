#include "model/files/binary_io.h"
#include "reader_checks.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace velbrant::test {
namespace {

// Every input the fuzzers found interesting stays a regression test.
void checkCorpus(const char* folder, void (*check)(std::span<const std::uint8_t>)) {
    const std::filesystem::path dir = std::filesystem::path(VELBRANT_FUZZ_CORPUS) / folder;
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        std::ifstream file(entry.path(), std::ios::binary);
        const Bytes input{std::istreambuf_iterator<char>(file), {}};
        check(input);
        ++count;
    }
    EXPECT_GT(count, 10) << dir;
}

TEST(FuzzCorpus, FileReaderHandlesEveryKeptInput) {
    checkCorpus("file_reader", checkFileReader);
}

TEST(FuzzCorpus, NsdReaderHandlesEveryKeptInput) {
    checkCorpus("nsd_reader", checkNsdReader);
}

TEST(FuzzCorpus, CodeGeneratorHandlesEveryKeptInput) {
    checkCorpus("code_generator", checkCodeGenerator);
}

TEST(FuzzCorpus, NotationReaderHandlesEveryKeptInput) {
    checkCorpus("notation_reader", checkNotationReader);
}

TEST(FuzzCorpus, StreamReaderHandlesEveryKeptInput) {
    checkCorpus("stream_reader", checkStreamReader);
}

} // namespace
} // namespace velbrant::test
