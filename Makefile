# make run [PROGRAM=kelvane|dorrith|sarnoth]   build and start a program
# make test                                    build and run every test
# make snapshots                               write the page snapshots (tests/snapshots/) and the list of texts allowed together anew
PROGRAM ?= kelvane
JOBS ?= $(shell nproc)
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
PACKAGES := build-essential cmake pkg-config libsdl2-dev libcairo2-dev libpango1.0-dev \
	libfontconfig-dev libx11-dev fonts-noto-cjk fonts-ipafont-gothic fonts-liberation2 libgtest-dev googletest ninja-build \
	xvfb xdotool x11-utils imagemagick

.PHONY: run test test-normal test-asan deps build build-asan bench snapshots clean

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing: $$missing"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

# Both builds use Ninja; a folder first set up for another generator is set
# up again.
configure = if [ -f $(1)/CMakeCache.txt ] && ! grep -q '^CMAKE_GENERATOR:INTERNAL=Ninja$$' $(1)/CMakeCache.txt; then \
	  rm -rf $(1)/CMakeCache.txt $(1)/CMakeFiles; fi; \
	cmake -S . -B $(1) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(2) >/dev/null

build: deps
	$(call configure,build)
	cmake --build build -j $(JOBS)

# The sanitizers run optimised, with debug info: the sweeps cost a few times
# the normal build's time rather than ten to fifteen.  This build makes the
# test programs alone.
build-asan: deps
	$(call configure,build-asan,-DCW_SANITIZE=ON)
	cmake --build build-asan -j $(JOBS) --target tests

run: build
	./build/$(PROGRAM)

# The two builds go side by side, and the normal build's tests run while the
# sanitizer build still compiles; the sanitizer run comes last.  Each run
# leaves its figures in BUILD/ctest.xml (bash bench/test_figures.sh).
test: deps
	$(MAKE) --no-print-directory -j2 test-normal build-asan
	$(MAKE) --no-print-directory test-asan

test-normal: build
	cd build && ctest --output-on-failure -j $(JOBS) --output-junit ctest.xml

test-asan: build-asan
	cd build-asan && G_SLICE=always-malloc ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/support/lsan.supp UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS) --output-junit ctest.xml -E '^script_'

snapshots: build
	CW_UPDATE_SNAPSHOTS=1 ./build/test_lessons --gtest_filter='PageSnapshots.*:Legibility.MovedTextsKeepClearOfOtherTexts'

bench: build
	bash bench/run.sh build

clean:
	rm -rf build build-asan
