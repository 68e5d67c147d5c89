# The two commands of the README, and the developer's own. Each installs
# what the build needs first.
PACKAGES := cmake ninja-build g++ make pkg-config qt6-base-dev qt6-qpa-plugins \
            libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev fonts-ipafont-gothic \
            qt6-translations-l10n clang-format \
            xvfb xdotool xclip xauth \
            qt6-svg-dev desktop-file-utils appstream dpkg-dev file
# The Windows build of the core and Wine to run its tests.
WINDOWS_PACKAGES := g++-mingw-w64-x86-64 wine wine64 googletest locales

.PHONY: run test check format format-check deps bench package deb

deps:
	@scripts/ensure-packages.sh $(PACKAGES)

run: deps
	cmake --preset release
	cmake --build --preset release
	./build/release/quorrin

# The inner loop: the warnings-as-errors build and its tests, nothing else.
check: deps
	cmake --preset ci
	cmake --build --preset ci
	ctest --preset ci

# Every C++ file of the tree through the checked-in .clang-format, and the
# check that `make test` runs first: it fails naming each file that is not
# formatted.
SOURCES = git ls-files -z '*.cpp' '*.h'

format: deps
	$(SOURCES) | xargs -0 clang-format -i

format-check: deps
	$(SOURCES) | xargs -0 clang-format --dry-run --Werror

# The formatting check, the whole suite with warnings as errors, then the
# core again under the address and undefined-behaviour sanitizers, then the
# core built for Windows and tested under Wine in two locales, then the real
# program driven in a private X server, and last the Debian package unpacked
# into a scratch root and checked there. The user's home must come out of it
# as it went in: every test has a home of its own.
test: deps format-check
	scripts/home-unchanged.sh record build/home-before.txt
	cmake --preset ci
	cmake --build --preset ci
	ctest --preset ci
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan
	scripts/windows-tests.sh $(WINDOWS_PACKAGES)
	tests/e2e/run.sh build/ci/quorrin
	$(MAKE) --no-print-directory deb
	tests/install/installed_tree_check.sh deb build/package/quorrin_*_amd64.deb
	scripts/home-unchanged.sh check build/home-before.txt

# The Debian package, build/package/quorrin_<version>_amd64.deb, built from
# a Release tree of its own; its dependencies come from the libraries the
# programs link.
package: deps deb

deb:
	cmake --preset package
	cmake --build --preset package
	rm -f build/package/quorrin_*.deb
	cpack --preset package

# The performance goals on a settings file of 40 MB, on folders of 100,000
# and 1,000,000 files, made in a temporary folder and removed afterwards,
# and on saving 1,000,000 lines in every encoding; each goal is printed with
# PASS or FAIL, and every benchmark runs even when an earlier one fails. Not
# part of `make test`.
bench: deps
	cmake --preset release
	cmake --build --preset release
	status=0; ./build/release/bench/settings_file_bench || status=1; \
	./build/release/bench/huge_folder_bench || status=1; \
	./build/release/bench/save_encoding_bench || status=1; exit $$status
