# Two entry points: `make run` and `make test`. Both install what the build
# needs (Debian packages, only when missing), configure and build.
# `make install PREFIX=P` and `make package` (a .deb) are for installing.
# `make fuzz` and `make test-asan` build with sanitizers in folders of their
# own; neither is part of `make test`.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local
# The icon sizes are rendered with rsvg-convert; the install test runs the
# desktop validators; the .deb's dependencies come from dpkg-shlibdeps.
DEPS := cmake g++ make pkg-config libgtest-dev libgmock-dev libbenchmark-dev \
        libpng-dev zlib1g-dev \
        qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev xvfb xauth \
        librsvg2-bin desktop-file-utils appstream shared-mime-info dpkg-dev file
# Only `make fuzz` and `make test-asan` need these: clang with libFuzzer,
# and llvm-symbolizer for readable sanitizer reports.
FUZZ_DEPS := clang libclang-rt-14-dev llvm
FUZZ_BUILD_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
ASAN_BUILD_DIR ?= build-asan
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps fuzz-deps configure build run test soak bench screenshots install package clean \
        fuzz fuzz-seeds test-asan

all: build

deps fuzz-deps:
	@missing=""; for p in $(if $(filter fuzz-deps,$@),$(FUZZ_DEPS),$(DEPS)); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

# Warnings are errors here, so `make test` and CI fail on a new warning.
configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPYROVEL_WERROR=ON >/dev/null

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@if [ -x $(BUILD_DIR)/bin/prvl-editor ]; then \
	  $(BUILD_DIR)/bin/prvl-editor levels/demo.map; \
	else \
	  $(BUILD_DIR)/bin/prvl info levels/demo.map; \
	fi

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The model-based session test on fresh random seeds for SECONDS seconds
# (`make test` runs a few fixed seeds of it).
SECONDS ?= 600
soak: build
	PRVL_SOAK_SECONDS=$(SECONDS) $(BUILD_DIR)/bin/test_editor --gtest_filter='SessionModel.*'

install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# The .deb lands in the build folder.
package: build
	cd $(BUILD_DIR) && cpack -G DEB

# Each figure with its reference and ratio; the table goes to docs/performance.md.
bench: build
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bin/prvl_bench --table=docs/performance.md

# The README's screenshot tour, taken from the real window on the offscreen platform.
screenshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bin/prvl-editor --screenshots docs/screenshots levels/demo.map

# Every harness of fuzz/ for FUZZ_SECONDS each, one after another; fails
# naming the harness and its reproducer (see fuzz/run_fuzz.sh).
fuzz: deps fuzz-deps
	@cmake -S . -B $(FUZZ_BUILD_DIR) -DPRVL_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	cmake --build $(FUZZ_BUILD_DIR) -j $(JOBS)
	FUZZ_SECONDS=$(FUZZ_SECONDS) fuzz/run_fuzz.sh $(FUZZ_BUILD_DIR)

# Rewrites the seed corpora of fuzz/corpus/ from the project's writers.
fuzz-seeds: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target prvl_fuzz_seeds
	$(BUILD_DIR)/bin/prvl_fuzz_seeds .

# The whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer
# (leak detection on; the windows' tests run on the offscreen platform).
ASAN_FLAGS := -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
test-asan: deps fuzz-deps
	@cmake -S . -B $(ASAN_BUILD_DIR) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="-O1 -g1 $(ASAN_FLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$(ASAN_FLAGS)" >/dev/null
	cmake --build $(ASAN_BUILD_DIR) -j $(JOBS)
	cd $(ASAN_BUILD_DIR) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR) $(FUZZ_BUILD_DIR) $(ASAN_BUILD_DIR)
