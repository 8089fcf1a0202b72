# Velmora: the two set-up commands are `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)
REPS ?= 5
WERROR ?= OFF

.PHONY: deps build run test bench clean

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_WERROR=$(WERROR)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  bash scripts/run-headless.sh $(BUILD)/velmora; \
	else \
	  $(BUILD)/velmora; \
	fi

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	cmake --build $(BUILD) --target velmora_bench
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/velmora_bench \
	  --benchmark_repetitions=$(REPS) --benchmark_report_aggregates_only=true

clean:
	rm -rf $(BUILD)
