# The two commands of the README: `make run` and `make test`. Each installs what is missing.
CORE_PACKAGES := cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev
QT_PACKAGES := qt6-base-dev libxcb1-dev
# The Linux port's tests start their own X servers and type into the strip.
QT_TEST_PACKAGES := xvfb xauth xdotool
# Building the Debian package; its tests also check with the desktop's and Debian's own tools.
PACKAGE_PACKAGES := dpkg-dev file
PACKAGE_TEST_PACKAGES := $(PACKAGE_PACKAGES) desktop-file-utils appstream lintian
FUZZ_PACKAGES := clang libclang-rt-14-dev
WIN_PACKAGES := g++-mingw-w64-x86-64-posix googletest wine64 xvfb xauth zip
FUZZ_TARGETS := aliases_load history_load settings dispatch alias_editor
FUZZ_SECONDS ?= 60

.PHONY: test run bench fuzz win-test package deps clean

deps:
	@scripts/install-deps $(CORE_PACKAGES) $(QT_PACKAGES) $(QT_TEST_PACKAGES)

test: deps
	scripts/check-includes
	@scripts/install-deps $(PACKAGE_TEST_PACKAGES)
	cmake --preset dev
	cmake --build --preset dev
	ctest --preset dev
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan
	$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=10
	$(MAKE) --no-print-directory win-test

# The Windows port: VellCmdLine.exe and its tests, cross-built with mingw-w64, run under Wine;
# then its zip, whose contents are checked.
win-test:
	@scripts/install-deps $(CORE_PACKAGES) $(WIN_PACKAGES)
	cmake --preset win
	cmake --build --preset win
	scripts/test-win
	scripts/package-win

# build-win/VellCmdLine-2.2-win64.zip: the exe, README.txt and LICENSE.txt.
.PHONY: package-win
package-win:
	@scripts/install-deps $(CORE_PACKAGES) $(WIN_PACKAGES)
	cmake --preset win
	cmake --build --preset win --target VellCmdLine
	scripts/package-win

# The Debian package, into build/; its Depends come from dpkg-shlibdeps.
package:
	@scripts/install-deps $(CORE_PACKAGES) $(QT_PACKAGES) $(PACKAGE_PACKAGES)
	cmake --preset dev
	cmake --build --preset dev --target package

bench: deps
	cmake --preset dev
	cmake --build --preset dev --target vell_bench
	build/vell_bench

# Each target runs FUZZ_SECONDS on the seeds in fuzz/corpus; what it finds goes to build-fuzz.
fuzz:
	@scripts/install-deps $(CORE_PACKAGES) $(FUZZ_PACKAGES)
	cmake --preset fuzz
	cmake --build --preset fuzz
	@for target in $(FUZZ_TARGETS); do \
	  mkdir -p build-fuzz/corpus/$$target build-fuzz/crashes; \
	  echo "fuzz_$$target: $(FUZZ_SECONDS) s"; \
	  build-fuzz/fuzz/fuzz_$$target -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=build-fuzz/crashes/$$target- \
	    build-fuzz/corpus/$$target fuzz/corpus/$$target 2>build-fuzz/$$target.log || \
	    { tail -n 40 build-fuzz/$$target.log; exit 1; }; \
	  grep -h "stat::number_of_executed_units" build-fuzz/$$target.log; \
	done

run:
	@[ -n "$${DISPLAY:-}" ] || { echo "make run: no display to show the strip on (DISPLAY is not set); run it from a desktop session." >&2; exit 1; }
	@scripts/install-deps $(CORE_PACKAGES) $(QT_PACKAGES)
	cmake --preset dev
	cmake --build --preset dev --target vellcmdline
	build/vellcmdline

clean:
	rm -rf build build-asan build-fuzz build-win
