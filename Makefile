# The two commands of the README: `make run` and `make test`. Each installs what is missing.
CORE_PACKAGES := cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev

.PHONY: test run bench deps clean

deps:
	@scripts/install-deps $(CORE_PACKAGES)

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
	@echo "make run: the desktop program arrives with the Linux port; only the core is built so far." >&2
	@exit 1

clean:
	rm -rf build build-asan
