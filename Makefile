# Quick start: `make run` starts the editor, `make test` runs every test.
# Both install what is missing, then configure and build incrementally.
BUILD_DIR ?= build

.PHONY: all deps build test run bench format clean

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

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD_DIR)
