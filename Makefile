# The two everyday commands:
#   make run    optimizes samples/Beispiel.txt with the batch tool and prints the result
#   make test   installs what is missing, builds with warnings as errors, runs every test
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: run test deps build

deps:
	./scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD_DIR) -DVENKORA_WERROR=ON
	cmake --build $(BUILD_DIR) -j$(JOBS)

run: build
	$(BUILD_DIR)/cli/venkora-optimieren --ausfuehrlich --leerzeichen=ende --tabulatoren=ende \
	  --zeilenumbrueche=leerzeilen --tab-zu-leerz --breite=4 samples/Beispiel.txt

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure
