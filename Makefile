# The two commands of the README: `make run` and `make test`.
BUILD    ?= build
JOBS     ?= $(shell nproc)
CMAKE_FLAGS ?= -DORVANTA_WERROR=ON
# The tests a sanitizer build needs: the readers' hostile-input and fuzz tests (labels hostile,
# fuzz) and those that start a thread (label tsan).
ASAN_TARGETS := codecs_tests codecs_fuzz rtf_tests rtf_fuzz media_tests media_fuzz ole_tests
TSAN_TARGETS := media_tests aviplay_tests aviplay_stress toolpal_tests orvanta_startup_test
SANITIZER_DIR := $(CURDIR)/tools/sanitizers

.PHONY: all deps configure build run tarnwick test bench fuzz asan tsan clean format format-check

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
	@cmake --build $(BUILD) -j $(JOBS) --target mci_fuzz
	@QT_QPA_PLATFORM=offscreen $(BUILD)/fuzz/mci_fuzz 20000

asan: deps
	@cmake -S . -B build-asan -DORVANTA_ASAN=ON >/dev/null
	@cmake --build build-asan -j $(JOBS) --target $(ASAN_TARGETS)
	@cd build-asan && QT_QPA_PLATFORM=offscreen \
	    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
	    LSAN_OPTIONS=suppressions=$(SANITIZER_DIR)/lsan.supp \
	    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	    ctest --output-on-failure -j $(JOBS) -L 'hostile|fuzz' --timeout 900

tsan: deps
	@cmake -S . -B build-tsan -DORVANTA_TSAN=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build build-tsan -j $(JOBS) --target $(TSAN_TARGETS)
	@cd build-tsan && QT_QPA_PLATFORM=offscreen \
	    TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$(SANITIZER_DIR)/tsan.supp" \
	    ctest --output-on-failure -L tsan --timeout 600

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check:
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror || \
	    { echo "Not clang-format clean (see above): run make format."; exit 1; }

clean:
	rm -rf $(BUILD) build-bench build-asan build-tsan
