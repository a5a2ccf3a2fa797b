# The two set-up commands: `make run` and `make test`. Both install what is
# missing first (Debian 12, as root or through sudo).
BUILD      ?= build
TEST_BUILD ?= build-test
PLAIN_BUILD ?= build-plain
JOBS       ?= $(shell nproc)
CMAKE_GEN  := -G Ninja

.PHONY: run test test-plain build deps screenshot bench fuzz monkey soak clean bitmaps

run: build
	cd $(BUILD) && ./tornel

# Configures, builds and runs the whole suite in the tree $(1), a Debug build
# with the extra cmake options $(2).
define run-suite
	cmake -S . -B $(1) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DTORNEL_BENCH=OFF $(2)
	cmake --build $(1) -j $(JOBS)
	cd $(1) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
endef

test: deps
	$(call run-suite,$(TEST_BUILD),-DTORNEL_SANITIZE=ON)

# The same suite without sanitizers, as a packager or a profiler builds it;
# CI runs it after `make test`.
test-plain: deps
	$(call run-suite,$(PLAIN_BUILD),-DTORNEL_SANITIZE=OFF)

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

deps:
	@scripts/install-deps.sh

# The README's screenshot, rendered by the program itself, headless.
screenshot: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ./tornel-screenshot ../docs/screenshot.png

# Redraws the panel bitmaps and the icon into src/resources (committed files).
bitmaps: deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) --target tornel-bitmaps -j $(JOBS)
	$(BUILD)/tools/bitmaps/tornel-bitmaps src/resources

# Every benchmark but the hour-long soak.
bench: build
	@scripts/install-deps.sh bench
	cd $(BUILD) && for b in $$(find bench -type f -executable -name 'bench_*' ! -name bench_soak | sort); do ./$$b || exit 1; done

# Runs each fuzz program for FUZZ_SECONDS (libFuzzer, clang, sanitizers) and
# merges what it finds new into fuzz/corpus; `make test` replays that corpus.
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?= command_parser cdaudio_device disc_cue disc_toc disc_folder sample_loader set_file midi_decoder
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug \
		-DTORNEL_FUZZ=ON -DTORNEL_SANITIZE=ON -DTORNEL_BENCH=OFF \
		"-DCMAKE_C_FLAGS=-O1 -fsanitize=fuzzer-no-link" "-DCMAKE_CXX_FLAGS=-O1 -fsanitize=fuzzer-no-link"
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(addprefix fuzz_,$(FUZZ_TARGETS))
	fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# An hour of real-time play on the headless host, reporting memory growth and
# the CD position's drift; SOAK_SECONDS shortens it. Not part of `make test`.
SOAK_SECONDS ?= 3600
soak: build
	$(BUILD)/bench/soak/bench_soak $(SOAK_SECONDS)

# The long monkey run over the sanitized test build: MONKEY_MESSAGES random
# messages from MONKEY_SEED (`make test` runs a short one with a fixed seed).
MONKEY_MESSAGES ?= 1000000
MONKEY_SEED     ?= 20261207
monkey: deps
	cmake -S . -B $(TEST_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DTORNEL_SANITIZE=ON -DTORNEL_BENCH=OFF
	cmake --build $(TEST_BUILD) -j $(JOBS) --target test_robustness
	cd $(TEST_BUILD) && MONKEY_MESSAGES=$(MONKEY_MESSAGES) MONKEY_SEED=$(MONKEY_SEED) \
		tests/robustness/test_robustness --gtest_filter='Monkey.*'

# The Debian package $(BUILD)/tornel_<version>_<arch>.deb, made from the build.
.PHONY: package package-check
package: build
	cd $(BUILD) && cpack

# The package checked as CI does: file list, desktop entry and AppStream
# validators, lintian, and a start of the packaged program from a fresh home.
package-check: package
	packaging/check-package.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(TEST_BUILD) $(PLAIN_BUILD) $(WINDOWS_TEST_BUILD) $(WINDOWS_BUILD)

# The Windows build: cross-built with mingw-w64 against libraries built from
# Debian's own sources (cached, see scripts/build-windows-deps.sh), run under Wine.
WINDOWS_TEST_BUILD ?= build-windows-test
WINDOWS_CMAKE = -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake \
	-DTORNEL_WINDOWS_DEPS=$$(scripts/build-windows-deps.sh --prefix) -DTORNEL_BENCH=OFF
.PHONY: windows-deps test-windows
windows-deps:
	@scripts/install-deps.sh windows
	scripts/build-windows-deps.sh

# The headless suites (platform core, console on the headless host, engine,
# "cdaudio" device) as Windows programs under Wine, one Wine process a suite.
test-windows: windows-deps
	cmake -S . -B $(WINDOWS_TEST_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug $(WINDOWS_CMAKE)
	cmake --build $(WINDOWS_TEST_BUILD) -j $(JOBS)
	cd $(WINDOWS_TEST_BUILD) && ctest --output-on-failure -j $(JOBS)

# The native Windows program (the console on the system's own window, GDI
# and dialogs) and what a Windows user downloads:
# $(WINDOWS_BUILD)/tornel-<version>-windows-x64.zip and, with nsis, its
# setup program.
WINDOWS_BUILD ?= build-windows
TORNEL_VERSION = $(shell sed -n 's/^project.tornel VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
WINDOWS_ZIP = $(WINDOWS_BUILD)/tornel-$(TORNEL_VERSION)-windows-x64.zip
.PHONY: windows test-windows-e2e
windows: windows-deps
	cmake -S . -B $(WINDOWS_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release $(WINDOWS_CMAKE)
	cmake --build $(WINDOWS_BUILD) -j $(JOBS) --target tornel tornel-console tornel-e2e demo_disc demo_samples
	packaging/windows/pack.sh $(WINDOWS_BUILD) $(TORNEL_VERSION) $$(scripts/build-windows-deps.sh --prefix)

# The zip unpacked and its tornel.exe driven under Wine on a virtual display;
# part of `make test-windows`.
test-windows: test-windows-e2e
test-windows-e2e: windows
	tests/windows/run-e2e.sh $(WINDOWS_BUILD)/bin/tornel-e2e.exe $(WINDOWS_ZIP) $(WINDOWS_BUILD)/e2e
