# The two commands a newcomer needs:  make run  and  make test.
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

SECONDS ?= 10

.PHONY: all deps run test build-dev build-release bench fuzz memcheck screenshots format clean

all: build-release

deps:
	@bash scripts/install-deps.sh

# Builds the optimised program and starts it.
run: deps build-release
	@bash scripts/run.sh build/release/bin/Orvanta

# Builds with AddressSanitizer and UBSan and runs every test.
test: deps build-dev
	ctest --preset dev -j $(JOBS)

build-dev:
	cmake --preset dev
	cmake --build --preset dev -j $(JOBS)

build-release:
	cmake --preset release
	cmake --build --preset release -j $(JOBS)

# Timings need an optimised build.
bench: deps build-release
	./build/release/bench/orvanta_bench

# Every fuzz target over its corpus, then SECONDS seconds of new inputs each.
fuzz:
	bash scripts/fuzz.sh $(SECONDS)

# The core tests under Valgrind's memcheck (no sanitizers in that build).
memcheck: deps
	bash scripts/install-deps.sh valgrind
	cmake --preset memcheck
	cmake --build --preset memcheck -j $(JOBS)
	bash scripts/memcheck.sh build/memcheck

screenshots:
	bash scripts/screenshots.sh

format:
	find src tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf build
