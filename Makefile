# Two entry points for a fresh Debian 12 machine: `make run` and `make test`.
BUILD      ?= build
SAN_BUILD  ?= build-sanitize
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=

.PHONY: all setup configure build run test unit-test sanitize-test bench fuzz clean

all: build

setup:
	@scripts/setup-debian.sh

configure: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_ARGS) > /dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	./$(BUILD)/quorvane

test: unit-test sanitize-test

unit-test: build
	ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

# The layers below the GUI again, under AddressSanitizer and UBSan.
sanitize-test: setup
	@cmake -S . -B $(SAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DQV_WITH_GUI=OFF -DQV_SANITIZE=ON > /dev/null
	@cmake --build $(SAN_BUILD) -j$(JOBS)
	ctest --test-dir $(SAN_BUILD) --output-on-failure -j$(JOBS)

bench: setup
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DQV_BENCH=ON -DQV_TESTS=OFF -DQV_WITH_GUI=OFF > /dev/null
	@cmake --build build-bench -j$(JOBS)
	@for b in build-bench/bench/quorvane-bench*; do echo "== $$b"; ./$$b || exit 1; done

# Fuzz each target for FUZZ_SECONDS (default 60): make fuzz FUZZ_SECONDS=300
FUZZ_SECONDS ?= 60
fuzz: setup
	@scripts/fuzz.sh $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(SAN_BUILD) build-bench build-fuzz
