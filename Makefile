# Velmora: the two set-up commands are `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)
REPS ?= 5
FUZZ_SMOKE_SECONDS ?= 4
FUZZ_SECONDS ?= 120
WERROR ?= OFF

.PHONY: deps configure build build-app run test fuzz-smoke fuzz sanitize bench bench-startup clean

deps:
	@bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_WERROR=$(WERROR)

# Everything: the program, its data, the tests, the fuzz targets and the benchmarks.
build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The program and its data alone, which is all that running it needs and a fraction of the build.
build-app: configure
	cmake --build $(BUILD) -j $(JOBS) --target velmora velmora_data

# exec: Ctrl+C reaches the program or the headless script directly, with no shell in between to die of it.
run: build-app
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  exec bash scripts/run-headless.sh $(BUILD)/velmora; \
	else \
	  exec $(BUILD)/velmora; \
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

# Start-up as a user sees it, from exec to the first painted window, under Xvfb: the program
# against a bare QScintilla window, each started 21 times (or REPS); medians (bench/README.md).
bench-startup: build-app
	cmake --build $(BUILD) --target velmora_bare_editor velmora_startup_probe
	bash bench/startup.sh $(BUILD) $(if $(filter command line environment,$(origin REPS)),$(REPS),21)

# Every build folder the commands above make.
clean:
	rm -rf $(BUILD) build-asan build-fuzz
