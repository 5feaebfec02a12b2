# Set-up and everyday commands. `make run` builds and starts the program on
# the sample modules; `make test` installs what is missing, builds and runs
# every test, then runs them again under AddressSanitizer and UBSan.
BUILD ?= build
BUILD_SANITIZE ?= build-sanitize
BUILD_WINDOWS ?= build-windows
BUILD_WINDOWS_32 ?= build-windows-i686
JOBS ?= $(shell nproc)
SAMPLES = $(BUILD)/samples/modules

.PHONY: deps test-deps build run test format-check windows windows-deps windows-i686 windows-e2e windows-package test-windows test-plain test-sanitize test-package test-package-clean package bench bench-gui fuzz mutants clean

deps:
	@scripts/install-deps

# The tests also start a Wayland desktop (KWin, the portal, waybar), which
# `make run` does not need.
test-deps:
	@scripts/install-deps wayland-tests

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

DEMO_CONFIG = $(BUILD)/demo-config

# Starts the desktop program on a demo profile whose module root is the
# sample modules; without a display, shows the command-line lookup instead.
run: build
	@mkdir -p $(DEMO_CONFIG)/Sorvanta
	@[ -f $(DEMO_CONFIG)/Sorvanta/sorvanta.conf ] || \
		printf '[Settings]\nDirectory=%s\n' "$(abspath $(SAMPLES))" > $(DEMO_CONFIG)/Sorvanta/sorvanta.conf
	@if [ -n "$$DISPLAY" ] || [ -n "$$WAYLAND_DISPLAY" ]; then \
		echo "Starting Sorvanta (profile: $(DEMO_CONFIG)/Sorvanta/sorvanta.conf)"; \
		XDG_CONFIG_HOME=$(abspath $(DEMO_CONFIG)) $(BUILD)/sorvanta; \
	else \
		echo "No display (DISPLAY is not set): the desktop program cannot open its window here."; \
		echo "The same lookups on the command line:"; \
		echo "  $(BUILD)/sorvanta-lookup --directory $(SAMPLES) \"Ин 3:16\""; \
		echo; \
		$(BUILD)/sorvanta-lookup --directory $(SAMPLES) --list; \
		$(BUILD)/sorvanta-lookup --directory $(SAMPLES) "Ин 3:16" "Jn 3:16-18" "1Кор 13:4-7"; \
		$(BUILD)/sorvanta-lookup --directory $(SAMPLES) --module-index 1 "Мф 5:3-5"; \
	fi

test: format-check test-plain test-sanitize test-package test-windows

windows-deps:
	@scripts/install-deps windows

# The Windows programs and the core's tests cross-built with mingw-w64 for
# 64-bit Windows, statically linked, and the two programs for 32-bit Windows,
# compiled only (Debian's Wine runs 32-bit programs only with the i386
# architecture), so that they keep compiling.
windows: windows-deps windows-i686
	cmake -S . -B $(BUILD_WINDOWS) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
		-DSORVANTA_NATIVE_BUILD=$(abspath $(BUILD))
	cmake --build $(BUILD_WINDOWS) -j $(JOBS)

windows-i686: windows-deps
	cmake -S . -B $(BUILD_WINDOWS_32) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake -DCMAKE_BUILD_TYPE=Release \
		-DBUILD_TESTING=OFF
	cmake --build $(BUILD_WINDOWS_32) -j $(JOBS) --target sorvanta sorvanta-lookup

# The Windows build's tests under wine64: the core's tests, the command-line
# contract byte for byte as on Linux, and sorvanta.exe end to end in a private
# X server (tests/e2e/windows.steps), which takes the samples from the native build;
# then the packages, the installer installing and uninstalling under Wine.
test-windows: build windows-package
	cd $(BUILD_WINDOWS) && ctest --output-on-failure -j $(JOBS)
	scripts/check-windows-package $(BUILD_WINDOWS)/sorvanta-*-windows-x64.zip $(BUILD_WINDOWS)/sorvanta-*-setup.exe

# For Windows users: a zip of the two programs with a README and the licence,
# and an installer for the current user (NSIS).
windows-package: windows
	scripts/make-windows-package $(BUILD_WINDOWS)

windows-e2e: build windows
	cd $(BUILD_WINDOWS) && ctest -R windows_e2e --output-on-failure

# The sources are written as .clang-format describes them.
format-check: deps
	clang-format --dry-run -Werror $$(git ls-files '*.cpp' '*.h')

test-plain: test-deps build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-sanitize: test-deps
	cmake -S . -B $(BUILD_SANITIZE) -DCMAKE_BUILD_TYPE=Debug -DSORVANTA_SANITIZE=ON -DSORVANTA_BENCHMARKS=OFF
	cmake --build $(BUILD_SANITIZE) -j $(JOBS)
	cd $(BUILD_SANITIZE) && LSAN_OPTIONS=suppressions=$(abspath tests/lsan.supp) ctest --output-on-failure -j $(JOBS)

# The installed files validate, and the Debian package installs and runs.
test-package: build
	scripts/check-package $(BUILD)

# The package installed into a fresh minimal Debian 12 tree (debootstrap).
test-package-clean: build
	scripts/check-package-clean $(BUILD)

package: build
	cd $(BUILD) && cpack

bench: build
	$(BUILD)/bench/lookup_bench --samples $(SAMPLES)

# Start-up time, idle memory and OK-to-quote-window time of the desktop
# program, in a private X server.
bench-gui: build
	mkdir -p $(BUILD)/bench-profile/Sorvanta $(BUILD)/bench-runtime && chmod 700 $(BUILD)/bench-runtime
	printf '[Settings]\nDirectory=%s\n' "$(abspath $(SAMPLES))" > $(BUILD)/bench-profile/Sorvanta/sorvanta.conf
	XDG_CONFIG_HOME=$(abspath $(BUILD)/bench-profile) XDG_RUNTIME_DIR=$(abspath $(BUILD)/bench-runtime) \
		xvfb-run -a sh -c '$(BUILD)/bench/startup_timer $(BUILD)/sorvanta 20 && $(BUILD)/bench/quote_bench $(SAMPLES)'

fuzz: deps
	scripts/run-fuzzers $(or $(SECONDS_EACH),180)

# Small faults planted in the product code one at a time: how many the fast
# tests catch (scripts/mutants --help).
mutants: deps
	scripts/mutants --seed $(or $(SEED),1) --count $(or $(COUNT),40)

clean:
	rm -rf $(BUILD) $(BUILD_SANITIZE) $(BUILD_WINDOWS) $(BUILD_WINDOWS_32) build-fuzz build-mutants
