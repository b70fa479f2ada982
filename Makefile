# make run        build and start the editor
# make test       build and run every test
# make test-asan  the same suite in an address + undefined behaviour sanitizer build
# make bench      build and run the benchmarks
# make install    build and install under PREFIX (/usr/local), then refresh the desktop's caches
# make uninstall  remove what make install put there
# make package    build the Debian package build/tinselbox_<version>_<arch>.deb
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
CTEST_ENV   = QT_QPA_PLATFORM=offscreen
# CI sets WERROR=ON so that no warning lands.
WERROR     ?= OFF
PREFIX     ?= /usr/local

.PHONY: all deps build run test test-asan bench install uninstall caches-bureau package clean

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

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)
	@$(MAKE) --no-print-directory caches-bureau

uninstall:
	@test -f $(BUILD)/install_manifest.txt || { echo "Nothing installed from $(BUILD)"; exit 1; }
	xargs -d '\n' rm -f < $(BUILD)/install_manifest.txt
	@$(MAKE) --no-print-directory caches-bureau

# The menu, the file types and the icon theme read caches that a copy does not refresh.
# Skipped for a staged install (DESTDIR): the target system refreshes its own.
caches-bureau:
	@if [ -z "$(DESTDIR)" ]; then \
	  if command -v update-desktop-database >/dev/null; then update-desktop-database -q $(PREFIX)/share/applications; fi; \
	  if command -v update-mime-database >/dev/null; then update-mime-database $(PREFIX)/share/mime; fi; \
	  if command -v gtk-update-icon-cache >/dev/null; then gtk-update-icon-cache -q -t $(PREFIX)/share/icons/hicolor || true; fi; \
	fi

package: build
	cmake --build $(BUILD) --target package

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
