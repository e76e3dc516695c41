# Quick start: `make run` starts the editor, `make test` runs every test.
# Both install what is missing, then configure and build incrementally.
BUILD_DIR ?= build
ARGS ?= examples/lineare-suche.STR

.PHONY: all deps build test run bench fuzz sanitize format package clean

all: build

deps:
	@scripts/install-deps.sh

$(BUILD_DIR)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD_DIR) $$(command -v ninja >/dev/null && echo -G Ninja)

build: deps $(BUILD_DIR)/CMakeCache.txt
	cmake --build $(BUILD_DIR)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure

run: build
	$(BUILD_DIR)/velbrant $(ARGS)

bench: build
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bench/velbrant_bench
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bench/velbrant_editor_bench
	$(BUILD_DIR)/bench/velbrant_code_bench
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bench/velbrant_edit_bench
	bench/export_bench.sh $(BUILD_DIR)
	bench/run_bench.sh $(BUILD_DIR)
	bench/import_bench.sh $(BUILD_DIR)

# Builds the reader fuzzers with clang and runs each for FUZZ_SECONDS.
FUZZ_SECONDS ?= 600
fuzz:
	@scripts/install-deps.sh clang libclang-rt-14-dev
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -DVELBRANT_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  $$(command -v ninja >/dev/null && echo -G Ninja)
	cmake --build build-fuzz
	for f in file_reader stream_reader nsd_reader code_generator notation_reader; do \
	  mkdir -p tests/data/fuzz-corpus/$$f; \
	  build-fuzz/tests/fuzz/$${f}_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=65536 \
	    tests/data/fuzz-corpus/$$f || exit 1; \
	done

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer in
# build-sanitize/ (about 15 minutes, most of it building; not part of
# `make test`). Any report
# fails the run.
SANITIZE_FLAGS = -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
sanitize: deps
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)" \
	  -DVELBRANT_TEST_TIMEOUT=1200 \
	  $$(command -v ninja >/dev/null && echo -G Ninja)
	cmake --build build-sanitize
	cd build-sanitize && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan-suppressions.txt \
	  UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure

# A Debian package in $(BUILD_DIR): velbrant_VERSION_ARCH.deb
package: build
	cd $(BUILD_DIR) && cpack -G DEB

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD_DIR)
