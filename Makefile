# The two commands a newcomer needs:  make run  and  make test.
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

SECONDS ?= 10

.PHONY: all deps run test bench-startup format-check build-dev build-release bench fuzz memcheck screenshots package package-check installed-check format clean

all: build-release

deps:
	@bash scripts/install-deps.sh

# Builds the optimised program and starts it.
run: deps build-release
	@bash scripts/run.sh build/release/bin/Orvanta

# Checks the formatting, builds with AddressSanitizer and UBSan and runs every test.
test: deps format-check build-dev
	ctest --preset dev -j $(JOBS)

SOURCES = $(shell git ls-files '*.cpp' '*.h' 2>/dev/null || find src tests bench fuzz -name '*.cpp' -o -name '*.h')

# Fails on any file that clang-format would change.
format-check:
	@clang-format --dry-run -Werror $(SOURCES) && echo "clang-format: every file as it should be"

build-dev:
	cmake --preset dev
	cmake --build --preset dev -j $(JOBS)

build-release:
	cmake --preset release
	cmake --build --preset release -j $(JOBS)

# Timings need an optimised build.
bench: deps build-release
	./build/release/bench/orvanta_bench

# Time to the first window and memory then, against a floor program.
bench-startup: deps
	bash scripts/bench-startup.sh

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

# The Debian package of the optimised build: build/package/orvanta_<version>_<arch>.deb.
# dpkg-shlibdeps (dpkg-dev) works out its Depends from the libraries the programs link;
# the umask keeps the package's folders world-readable whatever the builder's own.
package: deps build-release
	bash scripts/install-deps.sh dpkg-dev file
	rm -f build/package/orvanta_*.deb
	cd build/release && umask 022 && cpack -G DEB -B $(CURDIR)/build/package
	rm -rf build/package/_CPack_Packages

# The package, its menu entry and its AppStream data through the checkers made for them.
package-check: package
	bash scripts/check-package.sh build/package/orvanta_*.deb

# As root on Debian: installs the package, runs both programs from /usr/bin (the
# window as a fresh user, under Xvfb), and removes it, checking /usr throughout.
installed-check: package
	bash scripts/check-installed.sh build/package/orvanta_*.deb

format:
	clang-format -i $(SOURCES)

clean:
	rm -rf build
