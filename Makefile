# make run        build and start the editor
# make test       build and run every test
# make test-asan  the same suite in an address + undefined behaviour sanitizer build
# make bench      build and run the benchmarks
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
CTEST_ENV   = QT_QPA_PLATFORM=offscreen
# CI sets WERROR=ON so that no warning lands.
WERROR     ?= OFF

.PHONY: all deps build run test test-asan bench clean

all: build

deps:
	@./scripts/installer-dependances.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTINSELBOX_WERROR=$(WERROR)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/gui/tinselbox

test: build
	$(CTEST_ENV) ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTINSELBOX_SANITIZE=ON -DTINSELBOX_WERROR=$(WERROR)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	$(CTEST_ENV) ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS) -LE web

bench: build
	cmake --build $(BUILD) --target benchmarks -j $(JOBS)
	./scripts/lancer-benchmarks.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
