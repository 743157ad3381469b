# The two commands of the README: `make run` and `make test`.
BUILD    ?= build
JOBS     ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run tarnwick test bench fuzz tsan clean format

all: build

deps:
	@tools/install-deps.sh build

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	    echo "Orvanta needs a display: no DISPLAY or WAYLAND_DISPLAY is set (try: xvfb-run make run)."; \
	    exit 1; fi
	@cd $(BUILD)/program/orvanta && ./orvanta

tarnwick: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	    echo "Tarnwick needs a display: no DISPLAY or WAYLAND_DISPLAY is set."; exit 1; fi
	@cd $(BUILD)/program/orvanta && ./tarnwick

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) --timeout 300

bench:
	@tools/install-deps.sh bench
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DORVANTA_BENCH=ON -DBUILD_TESTING=OFF >/dev/null
	@cmake --build build-bench -j $(JOBS)
	@bench/run.sh build-bench

fuzz: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ORVANTA_FUZZ_ITERATIONS=200000 ctest --output-on-failure -j $(JOBS) -L fuzz --timeout 3600

tsan: deps
	@cmake -S . -B build-tsan -DORVANTA_TSAN=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build build-tsan -j $(JOBS)
	@cd build-tsan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -L tsan --timeout 600

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) build-bench build-tsan
