# Two entry points: `make run` and `make test`. Both install what the build
# needs (Debian packages, only when missing), configure and build.
# `make install PREFIX=P` and `make package` (a .deb) are for installing.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local
# The icon sizes are rendered with rsvg-convert; the install test runs the
# desktop validators; the .deb's dependencies come from dpkg-shlibdeps.
DEPS := cmake g++ make pkg-config libgtest-dev libgmock-dev libbenchmark-dev \
        libpng-dev zlib1g-dev \
        qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev xvfb xauth \
        librsvg2-bin desktop-file-utils appstream shared-mime-info dpkg-dev file
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps configure build run test bench screenshots install package clean

all: build

deps:
	@missing=""; for p in $(DEPS); do \
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

clean:
	rm -rf $(BUILD_DIR)
