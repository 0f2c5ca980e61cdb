# The two commands a new user runs: `make run` and `make test`.
BUILD_DIR ?= build/release
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=Release
EXAMPLE := examples/ode-to-joy.tun

.PHONY: all deps configure build run test package bench screenshot clean

all: build

deps:
	@tools/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display found (DISPLAY and WAYLAND_DISPLAY are empty): showing the example melody and rendering its transfer signal instead."; \
	  $(BUILD_DIR)/bin/tunewright-cli show $(EXAMPLE) && \
	  $(BUILD_DIR)/bin/tunewright-cli convert $(EXAMPLE) $(BUILD_DIR)/example-transfer.wav && \
	  echo "Transfer audio written to $(BUILD_DIR)/example-transfer.wav"; \
	else \
	  $(BUILD_DIR)/bin/tunewright; \
	fi

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure

# The Debian package, in $(BUILD_DIR); tools/package-test installs, checks and removes it.
package: build
	@cd $(BUILD_DIR) && cpack

bench: build
	@tools/bench $(BUILD_DIR)

screenshot: build
	@tools/screenshot $(BUILD_DIR)

clean:
	rm -rf build
