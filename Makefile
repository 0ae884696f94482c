# The front door: `make run` and `make test`. Both install what is missing first.
BUILD_DIR ?= build
ASAN_DIR  ?= build-asan
FUZZ_DIR  ?= build-fuzz
FUZZ_SECONDS ?= 60
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
JOBS ?= $(shell nproc)

.PHONY: deps configure build run test test-asan bench fuzz install package clean

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@bash scripts/run-app.sh $(BUILD_DIR)/app/lockfern $(ARGS)

test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Any sanitizer report fails the test that raised it; leaks are reported too.
ASAN_ENV := ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:strict_init_order=1:check_initialization_order=1 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

# Unoptimised with line tables only: builds in half the time, and reports still name file and line.
test-asan: deps
	@cmake -S . -B $(ASAN_DIR) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O0 -g1" \
		-DLOCKFERN_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN_DIR) -j $(JOBS)
	@cd $(ASAN_DIR) && $(ASAN_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Only the fuzzer is built with clang; the rest of the tree is configured but not compiled.
# New inputs go to the first corpus folder, a working copy; the seeds in fuzz/corpus are only read.
FUZZ_PACKAGES := clang libclang-rt-14-dev

fuzz: deps
	@bash scripts/install-deps.sh $(FUZZ_PACKAGES)
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DLOCKFERN_FUZZ=ON -DLOCKFERN_TEST_AREAS=core >/dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS) --target lockfern_decrypt_fuzzer
	@mkdir -p $(FUZZ_DIR)/corpus $(FUZZ_DIR)/artifacts
	$(FUZZ_DIR)/fuzz/lockfern_decrypt_fuzzer -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
		-artifact_prefix=$(FUZZ_DIR)/artifacts/ $(FUZZ_DIR)/corpus fuzz/corpus

# The peers it measures beside lockfern are Debian packages too.
BENCH_PACKAGES := age gnupg

bench: build
	@bash scripts/install-deps.sh $(BENCH_PACKAGES)
	@bash bench/run.sh $(BUILD_DIR)

install: build
	@cmake --install $(BUILD_DIR) $(if $(PREFIX),--prefix $(PREFIX))

# The Debian package, in the build folder, checked as the test suite checks it.
package: build
	@rm -f $(BUILD_DIR)/lockfern_*.deb
	@cd $(BUILD_DIR) && cpack
	@bash tests/desktop/package-check.sh $(BUILD_DIR) $(BUILD_DIR)/lockfern_*.deb

clean:
	@rm -rf $(BUILD_DIR) $(ASAN_DIR)
