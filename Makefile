# The two commands of the README: `make run` and `make test`. Each installs what is missing.
CORE_PACKAGES := cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev
QT_PACKAGES := qt6-base-dev

.PHONY: test run bench deps clean

deps:
	@scripts/install-deps $(CORE_PACKAGES) $(QT_PACKAGES)

test: deps
	cmake --preset dev
	cmake --build --preset dev
	ctest --preset dev
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

bench: deps
	cmake --preset dev
	cmake --build --preset dev --target vell_bench
	build/vell_bench

run:
	@[ -n "$${DISPLAY:-}$${WAYLAND_DISPLAY:-}" ] || { echo "make run: no display to show the strip on (DISPLAY is not set); run it from a desktop session." >&2; exit 1; }
	@scripts/install-deps $(CORE_PACKAGES) $(QT_PACKAGES) $(if $(WAYLAND_DISPLAY),qt6-wayland)
	cmake --preset dev
	cmake --build --preset dev --target vellcmdline
	build/vellcmdline

clean:
	rm -rf build build-asan
