# Velmora: the two set-up commands are `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: deps build run test bench clean

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display: starting the editor under xvfb-run"; \
	  xvfb-run -a $(BUILD)/velmora; \
	else \
	  $(BUILD)/velmora; \
	fi

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	cmake --build $(BUILD) --target velmora_bench
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/velmora_bench

clean:
	rm -rf $(BUILD)
