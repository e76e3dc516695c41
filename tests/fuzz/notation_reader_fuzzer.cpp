#include "reader_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velbrant::test::checkNotationReader({data, size});
    return 0;
}
