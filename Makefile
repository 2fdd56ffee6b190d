# The README's two commands: `make run` sets up and starts Vorlinde, `make test` sets up and runs all tests.
DEBIAN_PACKAGES := build-essential cmake ninja-build pkg-config qt6-base-dev qt6-svg-dev libgl-dev \
                   fonts-dejavu-core libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev \
                   libcli11-dev libfmt-dev eatmydata
# `make fuzz` needs only the core's libraries, clang and its sanitizer and libFuzzer runtimes.
FUZZ_PACKAGES := cmake ninja-build clang libclang-rt-14-dev nlohmann-json3-dev libfmt-dev
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 30

.PHONY: all deps fuzz-deps configure build run test asan bench fuzz clean

all: build

# Installs those of the packages in $(1) that are missing.
define install-missing
	@missing=$$(for p in $(1); do dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installiere: $$missing"; \
	  SUDO=$$( [ "$$(id -u)" -eq 0 ] || echo sudo ); \
	  $$SUDO apt-get update -qq && DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y -qq $$missing; \
	fi
endef

deps:
	$(call install-missing,$(DEBIAN_PACKAGES))

fuzz-deps:
	$(call install-missing,$(FUZZ_PACKAGES))

configure: deps
	cmake --preset default

build: configure
	cmake --build --preset default -j $(JOBS)

run: build
	./build/default/vorlinde

# The tests write many small files; eatmydata skips their flushes to disk, which no test can observe.
test: build
	eatmydata ctest --preset default -j $(JOBS)

asan: deps
	cmake --preset asan && cmake --build --preset asan -j $(JOBS) && eatmydata ctest --preset asan -j $(JOBS)

bench: build
	for b in build/default/bench/bench_*; do $$b; done

# Builds the libFuzzer targets (fuzz/) and runs each for FUZZ_SECONDS seconds; fails on any fault.
fuzz: fuzz-deps
	cmake --preset fuzz && cmake --build --preset fuzz -j $(JOBS)
	FUZZ_SECONDS=$(FUZZ_SECONDS) fuzz/run.sh

clean:
	rm -rf build
