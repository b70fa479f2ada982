# make run        build and start the editor
# make test       build and run every test
# make test-asan  the same suite in an address + undefined behaviour sanitizer build
# make bench      build and run the benchmarks
# make install    build the program alone and install it under PREFIX (/usr/local), then
#                 refresh the desktop's caches
# make uninstall  remove what make install put under PREFIX
# make package    build the Debian package build-package/tinselbox_<version>_<arch>.deb
BUILD      ?= build
ASAN_BUILD ?= build-asan
# Install and package build without the tests, each in a directory of its own, so that
# neither waits for the test suite and their install lists never mix.
INSTALL_BUILD ?= build-install
PACKAGE_BUILD ?= build-package
JOBS       ?= $(shell nproc)
CTEST_ENV   = QT_QPA_PLATFORM=offscreen
# CI sets WERROR=ON so that no warning lands.
WERROR     ?= OFF
PREFIX     ?= /usr/local
# What Debian builds its packages with: checked buffer functions, read-only relocations.
DURCI       = -DCMAKE_CXX_FLAGS="-D_FORTIFY_SOURCE=2" -DCMAKE_EXE_LINKER_FLAGS="-Wl,-z,relro,-z,now"
# Install and package compile the same sources the same way: where ccache is there, the
# second one takes the first one's objects.
CACHE       = $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: all deps deps-programme build run test test-asan bench install uninstall package clean

all: build

deps:
	@./scripts/installer-dependances.sh

deps-programme:
	@./scripts/installer-dependances.sh --programme

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

install: deps-programme
	cmake -S . -B $(INSTALL_BUILD) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DTINSELBOX_WERROR=$(WERROR) $(DURCI) $(CACHE)
	cmake --build $(INSTALL_BUILD) -j $(JOBS)
	./scripts/installer.sh installer $(INSTALL_BUILD) $(PREFIX)

uninstall:
	./scripts/installer.sh desinstaller $(INSTALL_BUILD) $(PREFIX)

package: deps-programme
	cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DTINSELBOX_WERROR=$(WERROR) $(DURCI) $(CACHE)
	cmake --build $(PACKAGE_BUILD) -j $(JOBS) --target package

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(INSTALL_BUILD) $(PACKAGE_BUILD)
