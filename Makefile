# make run   — install what is missing, build, and start the editor from build/dist/
# make test  — install what is missing, build, and run every test headless
# make bench — build and run the timing programs in bench/
BUILD_DIR := build
JOBS := $(shell nproc)

.PHONY: all setup configure build run test bench clean

all: build

setup:
	@bash scripts/setup.sh

configure: setup
	@if [ ! -f $(BUILD_DIR)/build.ninja ]; then cmake -S . -B $(BUILD_DIR) -G Ninja; fi

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	cd $(BUILD_DIR)/dist && ./VornikFPS

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD_DIR)/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

clean:
	rm -rf $(BUILD_DIR)
