# The everyday commands:
#   make run            starts the editor on samples/Beispiel.txt (without a display: the batch tool)
#   make test           installs what is missing, builds with warnings as errors and with the
#                       asserts on, runs every test
#   make test-sanitize  the same test suite built with AddressSanitizer and
#                       UndefinedBehaviorSanitizer in its own folder (run before closing an issue)
#   make package        the Debian package venkora_VERSION_ARCH.deb from a Release build with the
#                       distribution's build flags in build-package/, checked by
#                       scripts/check-package.sh (with lintian)
BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
PACKAGE_DIR ?= build-package
JOBS ?= $(shell nproc)

# Every finding stops the process with exit code 86, which no program of ours uses, so it fails
# the test even where the test expects another failure (and fails the build step that lists a
# test program's tests). Leaks inside third-party libraries are suppressed by tests/lsan.supp.
SANITIZER_ENV = ASAN_OPTIONS=exitcode=86:detect_stack_use_after_return=1:strict_init_order=1 \
  UBSAN_OPTIONS=exitcode=86:print_stacktrace=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0

.PHONY: run test test-sanitize package deps build

deps:
	./scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD_DIR) -DVENKORA_WERROR=ON -DVENKORA_ASSERTIONS=ON
	cmake --build $(BUILD_DIR) -j$(JOBS)

run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  $(BUILD_DIR)/src/venkora samples/Beispiel.txt; \
	else \
	  echo "Keine grafische Anzeige (DISPLAY und WAYLAND_DISPLAY sind leer): das Editorfenster"; \
	  echo "kann nicht erscheinen. Stattdessen optimiert das Stapelwerkzeug samples/Beispiel.txt:"; \
	  $(BUILD_DIR)/cli/venkora-optimieren --ausfuehrlich --leerzeichen=ende --tabulatoren=ende \
	    --zeilenumbrueche=leerzeilen --tab-zu-leerz --breite=4 samples/Beispiel.txt; \
	fi

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure

test-sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -DVENKORA_WERROR=ON -DVENKORA_ASSERTIONS=ON -DVENKORA_SANITIZE=ON \
	  -DVENKORA_BENCH=OFF
	$(SANITIZER_ENV) cmake --build $(SANITIZE_DIR) -j$(JOBS)
	$(SANITIZER_ENV) ctest --test-dir $(SANITIZE_DIR) --output-on-failure

# A Release build (asserts off) of what is installed, without the tests; installed under /usr.
# It is built with the distribution's flags (dpkg-buildflags), with every hardening feature
# (fortified functions, stack protector, relocations read-only and bound at start), and at
# their optimization level, which replaces the -O3 of CMake's Release.
PACKAGE_FLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
package: deps
	cmake -S . -B $(PACKAGE_DIR) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
	  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON -DVENKORA_BENCH=OFF \
	  -DCMAKE_CXX_FLAGS="$$($(PACKAGE_FLAGS) CPPFLAGS) $$($(PACKAGE_FLAGS) CXXFLAGS)" \
	  -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG \
	  -DCMAKE_EXE_LINKER_FLAGS="$$($(PACKAGE_FLAGS) LDFLAGS)"
	cmake --build $(PACKAGE_DIR) -j$(JOBS) --target venkora_installed
	rm -f $(PACKAGE_DIR)/venkora_*.deb
	cd $(PACKAGE_DIR) && cpack -G DEB
	./scripts/check-package.sh $(PACKAGE_DIR)/venkora_*.deb
