# The two commands of the README, and a few for developers.
#   make run    install missing packages, build, start the game on the device root
#   make test   install missing packages, build and run the whole suite, plain and sanitized
#   make package  the release build and its .deb (build/release/crossword_<version>_<arch>.deb)
#   make perf   the release build of the benchmarks, each run repeated: docs/performance.md
JOBS ?= $(shell nproc)

.PHONY: all bootstrap build build-asan run test test-default test-asan bench perf fuzz demo package clean

all: build

bootstrap:
	@scripts/bootstrap.sh

build: bootstrap
	cmake --preset default >/dev/null
	cmake --build --preset default -j $(JOBS)

build-asan: bootstrap
	cmake --preset asan >/dev/null
	cmake --build --preset asan -j $(JOBS)

run: build
	@scripts/run.sh build/default/bin

test-default: build
	ctest --preset default -j $(JOBS)

test-asan: build-asan
	ctest --preset asan -j $(JOBS)

test: test-default test-asan

bench: build
	scripts/bench.sh build/default/bin

perf: bootstrap
	JOBS=$(JOBS) scripts/performance.sh

fuzz: bootstrap
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz -j $(JOBS)
	scripts/fuzz.sh build/fuzz/bin $(or $(SECONDS),60)

demo: build
	build/default/bin/platformdemo

# The release build of the programs and the .deb of them, in build/release: a plain build, as
# a packager makes it, where compiler warnings are reported but do not stop the build.
package: bootstrap
	cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DCROSSWORD_BENCH=OFF >/dev/null
	cmake --build build/release -j $(JOBS) --target installables
	cd build/release && cpack -G DEB

clean:
	rm -rf build
