# Every target first makes sure the Debian packages are there, then builds into build/.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: deps build run run-dictedit test bench clean

deps:
	./scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./scripts/run-gui.sh $(BUILD_DIR)/bin/lochelper

run-dictedit: build
	./scripts/run-gui.sh $(BUILD_DIR)/bin/dictedit

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	./bench/run-all.sh $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR)
