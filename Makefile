# The two commands a newcomer needs:  make run  and  make test.
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

SECONDS ?= 10

.PHONY: all deps run test bench-startup format-check build-dev build-release bench fuzz monkey memcheck screenshots accessibility-tree package package-check installed-check format clean

all: build-release

deps:
	@bash scripts/install-deps.sh

# Builds the optimised program and starts it.
run: deps build-release
	@bash scripts/run.sh build/release/bin/Orvanta

# Checks the formatting, builds with AddressSanitizer and UBSan and runs every test.
# A test that fails is run once more before the run fails: LeakSanitizer's
# tracer now and then crashes at a GUI test's exit after every case has passed
# (signal 11 in its stop-the-world), which says nothing of the program. The
# first failure stays in the log.
test: deps format-check build-dev
	ctest --preset dev -j $(JOBS) --repeat until-pass:2

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

# A seeded random user in the main and the live window, under AddressSanitizer
# and UBSan. SECONDS=N: N seconds of it, half in each window, one seed after
# another (without it, one seed of a few thousand steps a window). SEED=S: the
# first seed (without it, a new one each run); a failure prints the seed and the
# steps that replay it: WINDOW=main or live for one window, STEPS=N steps a seed.
MONKEY_WINDOWS = $(if $(filter main,$(WINDOW)),mainWindow,$(if $(filter live,$(WINDOW)),liveWindow,mainWindow liveWindow))
MONKEY_SECONDS = $(if $(filter command line environment,$(origin SECONDS)),$(shell expr $(SECONDS) / $(words $(MONKEY_WINDOWS))),)

monkey: deps
	cmake --preset dev
	cmake --build --preset dev -j $(JOBS) --target monkey_test
	cd build/dev/tests/monkey && QT_QPA_PLATFORM=offscreen \
		ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 QTEST_FUNCTION_TIMEOUT=86400000 \
		ORVANTA_MONKEY_RUN=1 ORVANTA_MONKEY_SEED=$(SEED) ORVANTA_MONKEY_STEPS=$(STEPS) \
		ORVANTA_MONKEY_SECONDS=$(MONKEY_SECONDS) ./monkey_test $(MONKEY_WINDOWS)

# The core tests under Valgrind's memcheck (no sanitizers in that build).
memcheck: deps
	bash scripts/install-deps.sh valgrind
	cmake --preset memcheck
	cmake --build --preset memcheck -j $(JOBS)
	bash scripts/memcheck.sh build/memcheck

screenshots:
	bash scripts/screenshots.sh

# What a screen reader finds in the main and the live window (AT-SPI under Xvfb).
accessibility-tree:
	bash scripts/accessibility-tree.sh

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
