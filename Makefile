# Set-up and everyday commands. `make run` builds and shows the program on the
# sample modules; `make test` installs what is missing, builds and runs every
# test, then runs them again under AddressSanitizer and UBSan.
BUILD ?= build
BUILD_SANITIZE ?= build-sanitize
JOBS ?= $(shell nproc)
SAMPLES = $(BUILD)/samples/modules

.PHONY: deps build run test test-plain test-sanitize bench fuzz clean

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@echo "Modules in $(SAMPLES):"
	@$(BUILD)/sorvanta-lookup --directory $(SAMPLES) --list
	@echo
	@$(BUILD)/sorvanta-lookup --directory $(SAMPLES) "Ин 3:16" "Jn 3:16-18" "пс 23" "1Кор 13:4-7"
	@$(BUILD)/sorvanta-lookup --directory $(SAMPLES) --module-index 1 "Мф 5:3-5"

test: test-plain test-sanitize

test-plain: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-sanitize: deps
	cmake -S . -B $(BUILD_SANITIZE) -DCMAKE_BUILD_TYPE=Debug -DSORVANTA_SANITIZE=ON -DSORVANTA_BENCHMARKS=OFF
	cmake --build $(BUILD_SANITIZE) -j $(JOBS)
	cd $(BUILD_SANITIZE) && ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/bench/lookup_bench --samples $(SAMPLES)

fuzz: deps
	scripts/run-fuzzers $(or $(SECONDS_EACH),180)

clean:
	rm -rf $(BUILD) $(BUILD_SANITIZE) build-fuzz
