# The two everyday commands:
#   make run    starts the editor on samples/Beispiel.txt (without a display: the batch tool)
#   make test   installs what is missing, builds with warnings as errors and with the asserts
#               on, runs every test
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: run test deps build

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
