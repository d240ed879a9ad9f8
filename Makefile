# Brakvell: the two commands a new user needs are `make run` and `make test`.
BUILD    ?= build
ASAN     ?= build-asan
FUZZDIR  ?= build-fuzz
JOBS     ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench sanitize fuzz screenshots clean

all: build

deps:
	@scripts/install-deps

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(BUILD)/brakvell ]; then cd $(BUILD)/game && ../brakvell; \
	else $(BUILD)/brakvell-sim --help; fi

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	@if [ -x $(BUILD)/brakvell_bench ]; then $(BUILD)/brakvell_bench; else echo "no benchmarks built"; fi
	@if [ -x $(BUILD)/brakvell_page_bench ]; then $(BUILD)/brakvell_page_bench; fi
	cd $(BUILD)/game && ../brakvell-sim bench trades && ../brakvell-sim bench cycle --count 3

# Every news page under a virtual X server, into build/screenshots.
screenshots: build
	BUILD=$(BUILD) scripts/screenshots

sanitize: deps
	cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DBRAKVELL_SANITIZE=ON -DBRAKVELL_SHELL=OFF -DBRAKVELL_BENCH=OFF
	cmake --build $(ASAN) -j $(JOBS)
	cd $(ASAN) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

# Only the fuzzers: the rest is built and tested by gcc.
fuzz: deps
	cmake -S . -B $(FUZZDIR) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRAKVELL_FUZZ=ON -DBRAKVELL_SHELL=OFF -DBRAKVELL_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(FUZZDIR) -j $(JOBS) --target fuzzers
	@echo "fuzz targets are in $(FUZZDIR); e.g. $(FUZZDIR)/fuzz_load tests/data/corpus -max_total_time=60;"
	@echo "fuzz_play_week and fuzz_integrity start from the Universe.dat of the folder they run in (e.g. $(BUILD)/game)"

clean:
	rm -rf $(BUILD) $(ASAN) $(FUZZDIR)
