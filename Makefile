# The two commands of the README. Both install what the build needs first.
PACKAGES := cmake ninja-build g++ make pkg-config qt6-base-dev qt6-qpa-plugins \
            libgtest-dev libgmock-dev libbenchmark-dev fonts-ipafont-gothic

.PHONY: run test deps

deps:
	@scripts/ensure-packages.sh $(PACKAGES)

run: deps
	cmake --preset release
	cmake --build --preset release
	./build/release/quorrin

# The whole suite with warnings as errors, then the core again under the
# address and undefined-behaviour sanitizers.
test: deps
	cmake --preset ci
	cmake --build --preset ci
	ctest --preset ci
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan
