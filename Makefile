# SPDX-License-Identifier: GPL-3.0-or-later
# Set-up, build, run and test on a fresh Debian machine.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

# Debian packages the build, the tests and the tools need.
PACKAGES := cmake g++ make pkg-config qt6-base-dev qt6-qpa-plugins libqt6sql6-sqlite libsqlite3-dev qt6-image-formats-plugins libqt6svg6 qt6-svg-dev libgl-dev libgtest-dev libgmock-dev \
            libbenchmark-dev libgeographiclib-dev libexpat1-dev libjemalloc-dev libzip-dev libcli11-dev libpugixml-dev qt6-l10n-tools qt6-tools-dev clang libclang-rt-14-dev libxml2-utils libx11-dev poppler-utils gpsbabel man-db appstream desktop-file-utils dpkg-dev fonts-dejavu-core fonts-liberation fonts-wqy-microhei

.PHONY: all deps configure build run test package screenshots sanitize fuzz bench bench-peers imagery-server tile-server clean

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then sudo=""; \
	  elif command -v sudo >/dev/null 2>&1; then sudo="sudo"; \
	  else echo "Missing packages:$$missing"; echo "Install them as root: apt-get install$$missing"; exit 1; fi; \
	  echo "Installing missing packages:$$missing"; \
	  $$sudo apt-get update -q && \
	  DEBIAN_FRONTEND=noninteractive $$sudo apt-get install -y -q $$missing || \
	  { echo "Could not install:$$missing"; exit 1; }; \
	fi

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY$$QT_QPA_PLATFORM" ]; then \
	  echo "Cairnbook needs a display (DISPLAY or WAYLAND_DISPLAY); without one, try:"; \
	  echo "  ./$(BUILD)/src/app/cairnbook --screenshot cairnbook.png samples/sample.ckb"; exit 1; fi
	./$(BUILD)/src/app/cairnbook samples/sample.ckb

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# A Debian package of the program in $(BUILD): cairnbook_VERSION_ARCH.deb.
package: build
	cd $(BUILD) && cpack -G DEB

# The pictures the metainfo shows, made by the program itself (doc/screenshots).
screenshots: build
	./$(BUILD)/src/app/cairnbook --screenshot doc/screenshots/list.png --size 1000x560 samples/sample.ckb
	./$(BUILD)/src/app/cairnbook --screenshot doc/screenshots/map.png --size 1000x560 --map --theme off samples/sample.ckb

# The suite under AddressSanitizer and UBSan, in a build folder of its own.
sanitize: deps
	cmake -S . -B $(BUILD)-sanitize -DCMAKE_BUILD_TYPE=Debug -DCAIRNBOOK_BUILD_BENCH=OFF -DCAIRNBOOK_JEMALLOC=OFF \
	  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all -DCAIRNBOOK_PLAIN_ALLOC"
	cmake --build $(BUILD)-sanitize -j $(JOBS)
	cd $(BUILD)-sanitize && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
	  ctest --output-on-failure -j $(JOBS)

# Every fuzz target for FUZZ_SECONDS each (clang, libFuzzer, ASan and UBSan);
# a crash, leak, 2 s timeout or 512 MB allocation fails the run, and the input
# that did it is left in $(BUILD)-fuzz/artifacts.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := native wpt loc gpx zip clipboard coordinate device mbtiles mapsources
fuzz: deps
	CXX=clang++ cmake -S fuzz -B $(BUILD)-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD)-fuzz -j $(JOBS)
	@mkdir -p $(BUILD)-fuzz/artifacts; \
	for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(BUILD)-fuzz/corpus/$$t; \
	  log=$(BUILD)-fuzz/fuzz_$$t.log; \
	  if ! ./$(BUILD)-fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -timeout=2 -rss_limit_mb=512 \
	       -malloc_limit_mb=512 -print_final_stats=1 -artifact_prefix=$(BUILD)-fuzz/artifacts/$$t- \
	       $(BUILD)-fuzz/corpus/$$t fuzz/corpus/$$t > $$log 2>&1; then \
	    tail -n 40 $$log; echo "fuzz_$$t failed"; exit 1; fi; \
	  echo "fuzz_$$t: $$(grep -m1 'stat::number_of_executed_units' $$log | sed 's/.*: *//') runs in $(FUZZ_SECONDS) s, no failure"; \
	done

# Ours beside gpsbabel on the benchmarks' files: CPU, wall and peak memory,
# median and range of interleaved runs, and the ratios (RUNS=5; CASES=LOC,
# GPX or native for some of them).
RUNS ?= 5
CASES ?=
bench-peers: build
	python3 tools/bench_peers.py $(BUILD) $(RUNS) $(CASES)

bench: build
	./$(BUILD)/bench/bench_data
	./$(BUILD)/bench/bench_controls
	./$(BUILD)/bench/bench_startup
	./$(BUILD)/bench/bench_map
	./$(BUILD)/bench/bench_biglist
	./$(BUILD)/bench/bench_xml

# The development imagery service on 127.0.0.1:8080; run Cairnbook with
# --imagery-host 127.0.0.1:8080 to draw maps from it.
imagery-server: build
	./$(BUILD)/tools/imagery_server 8080

# Pattern tiles on 127.0.0.1:8081; run Cairnbook with
# --map-source 'http://127.0.0.1:8081/aerial/{z}/{x}/{y}.png'.
tile-server: build
	./$(BUILD)/tools/tile_server 8081

clean:
	rm -rf $(BUILD)
