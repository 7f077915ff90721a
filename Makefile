# The two commands a newcomer needs: `make demo` and `make test`.
JOBS ?= $(shell nproc)
TEST_DIR := build/test
RELEASE_DIR := build/release

# Any sanitizer report fails the run.
export ASAN_OPTIONS := halt_on_error=1:detect_leaks=1:abort_on_error=0:exitcode=23
export UBSAN_OPTIONS := halt_on_error=1:print_stacktrace=1

.PHONY: deps test demo bench release clean

deps:
	@tools/install-deps

test: deps
	cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=Debug -DORVANE_SANITIZE=ON -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g"
	cmake --build $(TEST_DIR) -j $(JOBS)
	ctest --test-dir $(TEST_DIR) --output-on-failure -j $(JOBS)

release: deps
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DORVANE_TESTS=OFF -DORVANE_BENCH=ON
	cmake --build $(RELEASE_DIR) -j $(JOBS)

demo: release
	$(RELEASE_DIR)/orvane-demo

bench: release
	@for b in $(RELEASE_DIR)/bench/bench_*; do echo "== $$b"; $$b || exit 1; done

clean:
	rm -rf build
