# Velmora: the two set-up commands are `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)
REPS ?= 5
FUZZ_SMOKE_SECONDS ?= 4
FUZZ_SECONDS ?= 120
WERROR ?= OFF

.PHONY: deps build run test fuzz-smoke fuzz sanitize bench clean

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
	@$(MAKE) --no-print-directory fuzz-smoke

# Every reader fed random and broken bytes for a few seconds each, from the seeds in fuzz/corpus.
fuzz-smoke: deps
	bash scripts/fuzz.sh $(FUZZ_SMOKE_SECONDS)

# Longer fuzzing by hand: make fuzz FUZZ_SECONDS=600
fuzz: deps
	bash scripts/fuzz.sh $(FUZZ_SECONDS)

# The whole test suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMORA_WERROR=$(WERROR) \
	  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
	cmake --build build-asan -j $(JOBS)
	cd build-asan && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j $(JOBS)

bench: build
	cmake --build $(BUILD) --target velmora_bench
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/velmora_bench \
	  --benchmark_repetitions=$(REPS) --benchmark_report_aggregates_only=true

clean:
	rm -rf $(BUILD)
