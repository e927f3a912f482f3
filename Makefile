# The front door. `make run` starts the program, `make test` runs every test; both install what
# they need first. BUILD_DIR may be overridden.
BUILD_DIR ?= build
ASAN_DIR ?= build-asan
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=$(PREFIX)

.PHONY: all deps configure build run test bench asan install package clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@scripts/run.sh $(BUILD_DIR) $(ARGS)

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

bench: build
	@scripts/bench.sh $(BUILD_DIR)

# The program, its translations and operating instructions, a desktop entry and the ".hkp" file
# type, below PREFIX (DESTDIR stages it elsewhere).
install: build
	@cmake --install $(BUILD_DIR)

# The Debian package scleron_<version>_<arch>.deb in BUILD_DIR, installed below /usr.
package: build
	@cd $(BUILD_DIR) && cpack -G DEB

# Every test under AddressSanitizer, LeakSanitizer and UBSan.
asan: deps
	@cmake -S . -B $(ASAN_DIR) $(CMAKE_FLAGS) -DSCLERON_SANITIZE=ON -DSCLERON_BENCH=OFF >/dev/null
	@cmake --build $(ASAN_DIR) -j $(JOBS)
	@cd $(ASAN_DIR) && ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR)
