# The README's commands. Each target installs missing Debian packages first.
PRESET ?= dev
BUILD_DIR := $(if $(filter dev,$(PRESET)),build,build-$(PRESET))
JOBS ?= $(shell nproc)

.PHONY: deps configure build run test bench demo clean

deps:
	@./scripts/install-deps.sh

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET) -j $(JOBS)

run: build
	$(BUILD_DIR)/bin/echolon $(ARGS)

test: build
	@ctest --preset $(PRESET) -j $(JOBS)

bench: build
	@./scripts/run-bench.sh $(BUILD_DIR)

demo: build
	@./scripts/demo.sh $(BUILD_DIR)

clean:
	rm -rf build build-ci build-asan build-tsan
