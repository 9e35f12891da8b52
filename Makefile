# The targets behind ./tavik (which installs make and the packages first): `run` builds and starts
# the game, `test` builds and runs every test (a normal build with -Werror, then the unit tests
# under ASan and UBSan).
BUILD   ?= build
JOBS    ?= $(shell nproc)
CMAKE_COMMON = -G Ninja -DCMAKE_EXPORT_COMPILE_COMMANDS=ON

.PHONY: all run test deps build test-release test-sanitize bench fuzz clean

all: build

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(BUILD)/release $(CMAKE_COMMON) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVIK_WERROR=ON
	cmake --build $(BUILD)/release -j $(JOBS)

run: build
	cd $(BUILD)/release/bin && ./tavik-sudoku

test: deps test-release test-sanitize

test-release:
	cmake -S . -B $(BUILD)/release $(CMAKE_COMMON) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVIK_WERROR=ON
	cmake --build $(BUILD)/release -j $(JOBS)
	cd $(BUILD)/release && ctest --output-on-failure -j $(JOBS)

test-sanitize:
	cmake -S . -B $(BUILD)/sanitize $(CMAKE_COMMON) -DCMAKE_BUILD_TYPE=Debug -DTAVIK_WERROR=ON \
	    -DTAVIK_SANITIZE=ON -DTAVIK_BENCHMARKS=OFF
	cmake --build $(BUILD)/sanitize -j $(JOBS) --target unit-tests
	cd $(BUILD)/sanitize && ctest --output-on-failure -j $(JOBS) -L unit

bench: build
	@for b in $(BUILD)/release/bench/bench_*; do echo "== $$b"; $$b; done

fuzz:
	@scripts/install-deps clang libclang-rt-14-dev
	cmake -S . -B $(BUILD)/fuzz $(CMAKE_COMMON) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang -DTAVIK_FUZZ=ON -DTAVIK_BENCHMARKS=OFF
	cmake --build $(BUILD)/fuzz -j $(JOBS) --target fuzzers

clean:
	rm -rf $(BUILD)
