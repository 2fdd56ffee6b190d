# The README's two commands: `make run` sets up and starts Vorlinde, `make test` sets up and runs all tests.
DEBIAN_PACKAGES := build-essential cmake ninja-build pkg-config qt6-base-dev qt6-svg-dev libgl-dev \
                   fonts-dejavu-core libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev \
                   libcli11-dev libfmt-dev eatmydata
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test asan bench clean

all: build

deps:
	@missing=$$(for p in $(DEBIAN_PACKAGES); do dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installiere: $$missing"; \
	  SUDO=$$( [ "$$(id -u)" -eq 0 ] || echo sudo ); \
	  $$SUDO apt-get update -qq && DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y -qq $$missing; \
	fi

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

clean:
	rm -rf build
