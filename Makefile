BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps configure build test demo bench sanitize clean

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

clean:
	rm -rf $(BUILD) build-sanitize out
