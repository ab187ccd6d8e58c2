# The README's commands. Each target installs missing Debian packages first.
PRESET ?= dev
BUILD_DIR := $(if $(filter dev,$(PRESET)),build,build-$(PRESET))
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local

.PHONY: deps configure build run test bench demo install package clean

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

# Installs what `make build` built; it builds nothing itself, so that
# `sudo make install` leaves no root-owned files in the build folder.
install:
	@test -x $(BUILD_DIR)/bin/echolon || { echo "Nothing built in $(BUILD_DIR)/: run make build first."; exit 1; }
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix $(PREFIX)

package: build
	@cd $(BUILD_DIR) && cpack -G DEB
	@ls -l $(BUILD_DIR)/*.deb

clean:
	rm -rf build build-ci build-asan build-tsan
