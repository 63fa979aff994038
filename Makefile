# Thin wrapper around CMake. `make test` works on a fresh Debian 12 machine.
JOBS ?= $(shell nproc)
BUILD ?= build
BUILD_SAN ?= build-sanitize
BUILD_FUZZ ?= build-fuzz
FUZZ_SECONDS ?= 60
CMAKE_FLAGS ?=

DEB_PACKAGES = cmake g++ make libgtest-dev libgmock-dev qt6-base-dev qt6-charts-dev libgl-dev libjpeg-dev libsuitesparse-dev libopenblas-dev libopenblas0-serial qt6-translations-l10n
SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps configure build test test-sanitize bench fuzz run lumacord clean

all: build

# Install the Debian packages the build needs, only when some are missing.
deps:
	@missing=""; for p in $(DEB_PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-sanitize: deps
	cmake -S . -B $(BUILD_SAN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDARV_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD_SAN) -j $(JOBS)
	cd $(BUILD_SAN) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

fuzz: deps
	@command -v clang++ >/dev/null && (for p in libclang-rt-dev libomp-dev; do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "ok installed" || exit 1; done) || \
	  { $(SUDO) apt-get update && $(SUDO) apt-get install -y clang libclang-rt-dev libomp-dev; }
	CXX=clang++ cmake -S . -B $(BUILD_FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDARV_FUZZ=ON -DDARV_QT=OFF
	cmake --build $(BUILD_FUZZ) -j $(JOBS)
	@mkdir -p fuzz-out; for f in $(BUILD_FUZZ)/fuzz/fuzz_*; do \
	  [ -x "$$f" ] || continue; n=$$(basename $$f); mkdir -p fuzz-out/$$n; \
	  echo "== $$n"; "$$f" -max_total_time=$(FUZZ_SECONDS) -timeout=10 -max_len=65536 -rss_limit_mb=2048 fuzz-out/$$n fuzz/corpus/$$n || exit 1; \
	done

lumacord: build
	$(BUILD)/curvefit/Lumacord

run: build
	$(BUILD)/app/DARV_2D

clean:
	rm -rf $(BUILD) $(BUILD_SAN) $(BUILD_FUZZ)
