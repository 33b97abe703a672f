# Quillet: the mask module and the desk that hosts it.
#   make run    build everything and start the web desk (quillet serve); open the address it prints
#   make demo   build everything and run the drive demos on the desk home
#   make test   build everything and run every test
#   make deps   install the Debian packages the build needs (only those missing)
#   make asan   the address and undefined-behaviour sanitizer build, tests included
#   make bench  run the benchmarks
#   make fuzz   the fuzz targets (clang, libFuzzer, sanitizers), each run for FUZZ_SECONDS
#   make soak   the heavy whiteboard durability run: many writer processes, many kills; then
#               many tabs at random on one web desk in the sanitizer build, SOAK_SECONDS long

BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
SOAK_SECONDS ?= 60
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all build deps run demo test asan bench fuzz soak format clean

all: build

deps:
	@tools/install-deps.sh

$(BUILD)/build.ninja: CMakeLists.txt | deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD)

run: build
	$(BUILD)/bin/quillet serve $(SERVE_FLAGS)

demo: build
	tools/demo.sh $(BUILD)/bin/quillet

test: build
	ctest --test-dir $(BUILD) --output-on-failure

asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLET_SANITIZE=ON
	cmake --build $(ASAN_BUILD)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure

bench: build
	cmake --build $(BUILD) --target quillet_bench
	$(BUILD)/bin/quillet_bench
	node tests/browser/roundtrip.mjs $(BUILD)/bin/quillet

fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_COMPILER=clang++ -DQUILLET_FUZZ=ON
	cmake --build $(FUZZ_BUILD) --target fuzz_targets
	tools/run-fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

soak: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) --target whiteboard_soak
	$(BUILD)/bin/whiteboard_soak
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLET_SANITIZE=ON
	cmake --build $(ASAN_BUILD) --target web_soak
	$(ASAN_BUILD)/bin/web_soak $(SOAK_SECONDS)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
