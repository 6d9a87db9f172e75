BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps configure build test demo bench sanitize fuzz clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

demo: build
	@tools/demo.sh $(BUILD)

bench: build
	@tools/bench.sh $(BUILD)

# Every test again under AddressSanitizer and UndefinedBehaviorSanitizer (a separate build).
SANITIZE = -fsanitize=address,undefined -fno-omit-frame-pointer
sanitize: deps
	@cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_FLAGS="$(SANITIZE)" \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE)" \
	  -DCMAKE_MODULE_LINKER_FLAGS="$(SANITIZE)" >/dev/null
	@cmake --build build-sanitize -j $(JOBS)
	@cd build-sanitize && UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

# Fuzzes the SVG importer with libFuzzer (clang, sanitizers on) for FUZZ_SECONDS, starting from
# the SVG suite's documents. Crashes land in build-fuzz/crashes/.
FUZZ_SECONDS ?= 60
fuzz:
	@tools/install-deps.sh clang libclang-rt-14-dev
	@cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELVO_FUZZ=ON \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE) -fsanitize=fuzzer-no-link" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE)" >/dev/null
	@cmake --build build-fuzz --target svg_import_fuzz -j $(JOBS)
	@mkdir -p build-fuzz/corpus build-fuzz/crashes
	@find ../shared/svg-suite -name '*.svg' -exec cp {} build-fuzz/corpus/ \; 2>/dev/null || true
	@build-fuzz/svg_import_fuzz build-fuzz/corpus -max_total_time=$(FUZZ_SECONDS) \
	  -max_len=65536 -timeout=10 -artifact_prefix=build-fuzz/crashes/

clean:
	rm -rf $(BUILD) build-sanitize build-fuzz out
