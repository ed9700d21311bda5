# Two commands set everything up on a fresh Debian 12 machine:
#   make run    install what is missing, build (release), start the program
#   make test   install what is missing, build and run every test headless
#   make package   the release build as a Debian package, kvyaxkelen_<version>_amd64.deb
# Further targets: make build, make screenshots, make bench, make fuzz,
# make translations, make artwork, make clean.

SHELL := /bin/bash

BUILD_DIR ?= build
ASAN_DIR ?= build-asan
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 20
JOBS ?= $(shell nproc)
MAKEFLAGS += --no-print-directory

# What building and running the program needs; the tests, benchmarks and
# package check need the rest.
RUN_PACKAGES := g++ make cmake pkg-config dpkg-dev qt6-base-dev qt6-tools-dev qt6-l10n-tools libfontconfig-dev libgl-dev \
    fonts-dejavu-core libxcursor1 qt6-translations-l10n
TEST_PACKAGES := $(RUN_PACKAGES) \
    libgtest-dev libgmock-dev libbenchmark-dev libxtst-dev \
    xvfb xauth xdotool x11-utils openbox faketime qt6-wayland \
    clang libclang-rt-14-dev file desktop-file-utils lintian appstream git locales \
    fonts-noto-core fonts-liberation2

CMAKE_FLAGS ?=

# The release build, which the Debian package ships, is compiled with Debian's
# own flags (stack protector, fortified functions, read-only relocations).
# cmake takes no CPPFLAGS, so they go with the compiler flags; -g is left out
# as the package ships the program stripped.
# Warnings are errors in every build: the same compiler flags whether the
# program alone or everything is built, so neither rebuilds the other's.
RELEASE_FLAGS = -DCMAKE_BUILD_TYPE=Release -DKV_WERROR=ON \
    -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(DEB_CXXFLAGS_MAINT_STRIP=-g dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)"

.PHONY: deps deps-test configure configure-all build build-all run test test-asan test-fuzz fuzz test-release \
    package screenshots translations artwork bench clean

deps:
	@tools/install-deps $(RUN_PACKAGES)

deps-test:
	@tools/install-deps $(TEST_PACKAGES)

# The release build folder, with the program alone or with everything.
configure: deps
	@cmake -S . -B $(BUILD_DIR) $(RELEASE_FLAGS) -DKV_BUILD_TESTS=OFF -DKV_BUILD_BENCH=OFF $(CMAKE_FLAGS) > /dev/null

configure-all: deps-test
	@cmake -S . -B $(BUILD_DIR) $(RELEASE_FLAGS) -DKV_BUILD_TESTS=ON -DKV_BUILD_BENCH=ON $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target kvyaxkelen

build-all: configure-all
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/kvyaxkelen

# All three test builds run, even after a failure, and one line sums them up.
test: deps-test
	@status=0; \
	$(MAKE) test-asan || status=1; \
	$(MAKE) test-fuzz || status=1; \
	$(MAKE) test-release || status=1; \
	tools/test-summary $(ASAN_DIR) $(FUZZ_DIR) $(BUILD_DIR) || status=1; \
	exit $$status

# The sanitizer build runs the same tests; a leak or undefined behaviour fails it.
test-asan: deps-test
	@rm -f $(ASAN_DIR)/ctest-summary.txt
	@cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DKV_SANITIZE=ON -DKV_WERROR=ON $(CMAKE_FLAGS) > /dev/null
	@cmake --build $(ASAN_DIR) -j $(JOBS)
	@cd $(ASAN_DIR) && ctest --output-on-failure -j $(JOBS) | tee ctest-summary.txt; exit $${PIPESTATUS[0]}

# Fuzz targets (libFuzzer, clang): FUZZ_SECONDS each; make fuzz FUZZ_SECONDS=3600 for a long run.
test-fuzz fuzz: deps-test
	@rm -f $(FUZZ_DIR)/ctest-summary.txt
	@cmake -S . -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=clang++ -DKV_FUZZ=ON -DKV_FUZZ_SECONDS=$(FUZZ_SECONDS) > /dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS)
	@cd $(FUZZ_DIR) && ctest --output-on-failure -j 3 --timeout $$(( $(FUZZ_SECONDS) * 2 + 120 )) | tee ctest-summary.txt; \
	exit $${PIPESTATUS[0]}

test-release: build-all
	@rm -f $(BUILD_DIR)/ctest-summary.txt
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS) | tee ctest-summary.txt; exit $${PIPESTATUS[0]}

# The Debian package of the release build, left here for apt install ./<file>.
# cpack gives the package's own members the modes the umask leaves them.
package: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target kvyaxkelen
	@rm -rf $(BUILD_DIR)/deb
	@umask 022 && cpack -G DEB --config $(BUILD_DIR)/CPackConfig.cmake -B $(BUILD_DIR)/deb > /dev/null
	@cp $(BUILD_DIR)/deb/kvyaxkelen_*.deb .
	@cd $(BUILD_DIR)/deb && echo "Built $$(ls kvyaxkelen_*.deb)"

# PNG pictures of every window, at normal and double scale, in English in
# build/screenshots and in Spanish in build/screenshots/es.
screenshots: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target kv_screenshots
	@for language in en es; do \
	    folder=$(BUILD_DIR)/screenshots$$([ $$language = en ] || echo /$$language); \
	    for scale in 1 2; do \
	        LANGUAGE=$$language LC_ALL= LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$$scale \
	            $(BUILD_DIR)/tools/screenshots/kv_screenshots $$folder || exit 1; \
	    done; \
	done

# Every benchmark, on a virtual X display, as one table; the build's own
# output goes to a log, shown only when the build fails.
bench: configure-all
	@cmake --build $(BUILD_DIR) -j $(JOBS) > $(BUILD_DIR)/bench-build.log 2>&1 || \
	    { tail -n 40 $(BUILD_DIR)/bench-build.log; echo "build failed: $(BUILD_DIR)/bench-build.log"; exit 1; }
	@xvfb-run -a -s "-screen 0 1280x1024x24" $(BUILD_DIR)/bench/bench_report

# Brings the translators' files (assets/translations/*.ts) up to date with
# the texts in the sources; edit them with Qt Linguist (linguist).
translations: configure
	@cmake --build $(BUILD_DIR) --target update_translations

# Draws the glyph pictures and icons in assets/ afresh.
artwork: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target kv_artwork
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/tools/artwork/kv_artwork assets

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR)
