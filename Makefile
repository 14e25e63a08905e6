# Everything on a fresh Debian 12 machine: `make run` and `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
# The display size of `make screenshots`, in per cent: 100, 125, 150 or 200.
DISPLAY_SIZE ?= 100
SCREENSHOTS = $(BUILD)/screenshots$(if $(filter-out 100,$(DISPLAY_SIZE)),-$(DISPLAY_SIZE))
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=

# Debian packages the build and the tests need.
PACKAGES = build-essential cmake ninja-build pkg-config \
           qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n libgl-dev \
           libgtest-dev libgmock-dev libbenchmark-dev \
           fonts-dejavu-core ccache \
           xvfb openbox xdotool x11-utils libxcb1-dev imagemagick \
           librsvg2-bin desktop-file-utils appstream dpkg-dev file lintian \
           clang libclang-rt-14-dev \
           libginac-dev

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps build run test test-fast test-xcb test-sanitize test-fuzz fuzz fuzz-build screenshots bench package sweep-record clean FORCE

# A tree remembers the CMAKE_ARGS it was configured with; other arguments
# configure it afresh (FORCE as a prerequisite of its build.ninja).
same = $(if $(subst $(1),,$(2))$(subst $(2),,$(1)),,same)
reconfigure = $(if $(call same,$(strip $(CMAKE_ARGS)),$(strip $(file <$(1)/cmake-args))),,FORCE)
# The recipe of a build.ninja: configure, then note the arguments.
define configure
	cmake --fresh -S . -B $(1) -G Ninja $(2) $(CMAKE_ARGS)
	@printf '%s\n' '$(subst ','\'',$(strip $(CMAKE_ARGS)))' > $(1)/cmake-args
endef

all: build

# Installs only what is missing, so a prepared machine does not touch apt.
deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

$(BUILD)/build.ninja: $(call reconfigure,$(BUILD))
	$(call configure,$(BUILD),-DCMAKE_BUILD_TYPE=RelWithDebInfo)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/qvkalkor

# The whole suite, then again under ASan and UBSan: one after the other,
# also under make -j.
test:
	$(MAKE) test-fast
	$(MAKE) test-sanitize
	$(MAKE) test-fuzz

test-fast: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Only the GUI tests on the real X11 platform (own Xvfb and openbox per program).
test-xcb: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) -L xcb

$(ASAN_BUILD)/build.ninja: $(call reconfigure,$(ASAN_BUILD))
	$(call configure,$(ASAN_BUILD),-DCMAKE_BUILD_TYPE=Debug -DQVK_SANITIZE=ON)

test-sanitize: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && UBSAN_OPTIONS=print_stacktrace=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	  ctest --output-on-failure -j $(JOBS)

# The libFuzzer targets in their own clang tree, with ASan and UBSan.
$(FUZZ_BUILD)/build.ninja: $(call reconfigure,$(FUZZ_BUILD))
	$(call configure,$(FUZZ_BUILD),-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DQVK_FUZZ=ON)

fuzz-build: deps $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets

# Each target FUZZ_SECONDS long; prints executions and findings per target.
fuzz: fuzz-build
	tests/fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# A short run of each target, so they keep building and passing.
test-fuzz: fuzz-build
	tests/fuzz/run.sh $(FUZZ_BUILD) 3

# Records the answer sweep's answers anew (tests/sweep/answers.jsonl.gz), for a
# change of answers that is meant; the test batch_sweep_test compares against them.
sweep-record: build
	QVK_SWEEP_RECORD=1 ./$(BUILD)/batch_sweep_test

screenshots: build
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/qvkalkor-screenshots $(SCREENSHOTS) $(DISPLAY_SIZE)
	@echo "Screenshots in $(SCREENSHOTS)"

bench: build
	./$(BUILD)/qvkalkor-bench

# The Debian package, in $(BUILD)/; install it with `apt install ./$(BUILD)/qvkalkor_*.deb`.
package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
