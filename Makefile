# The two commands a user needs: `make run` and `make test`. Everything else
# here is for developers. Every target installs what it needs first.

JOBS ?= $(shell nproc)
BUILD := build
ASAN_BUILD := build-sanitize
FUZZ_BUILD := build-fuzz
BENCH_BUILD := build-bench
FUZZ_SECONDS ?= 240

.PHONY: deps build run test test-print test-sanitize fuzz bench screenshot pictures package clean

deps:
	@scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/app/zenlith

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The print tests alone, the round trip through a real CUPS queue included
# (it sets the queue up itself and needs root or password-less sudo).
test-print: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -R 'Print|Pdf|DocumentPrinter|cups'

test-sanitize: deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DZENLITH_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j $(JOBS)

fuzz: deps
	@CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DZENLITH_WITH_QT=OFF -DZENLITH_TESTS=OFF -DZENLITH_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target zenlith-fuzz zenlith-fuzz-cli zenlith-fuzz-fields
	mkdir -p $(FUZZ_BUILD)/corpus $(FUZZ_BUILD)/corpus-cli $(FUZZ_BUILD)/corpus-fields
	$(FUZZ_BUILD)/tests/fuzz/zenlith-fuzz -max_total_time=$(FUZZ_SECONDS) -timeout=5 \
	  $(FUZZ_BUILD)/corpus tests/fuzz/seeds
	$(FUZZ_BUILD)/tests/fuzz/zenlith-fuzz-cli -max_total_time=$(FUZZ_SECONDS) -timeout=5 \
	  $(FUZZ_BUILD)/corpus-cli tests/fuzz/seeds-cli
	$(FUZZ_BUILD)/tests/fuzz/zenlith-fuzz-fields -max_total_time=$(FUZZ_SECONDS) -timeout=5 \
	  $(FUZZ_BUILD)/corpus-fields tests/fuzz/seeds-fields

bench: deps
	@cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DZENLITH_TESTS=OFF -DZENLITH_BENCH=ON >/dev/null
	@cmake --build $(BENCH_BUILD) -j $(JOBS)
	@for b in $(BENCH_BUILD)/bench/zenlith-bench-*; do \
	  QT_QPA_PLATFORM=offscreen $$b --benchmark_repetitions=5 --benchmark_report_aggregates_only=true || exit 1; done

screenshot: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/screenshot/zenlith-screenshot docs/screenshots

pictures: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/artgen/zenlith-artgen resources/pictures packaging/icons

# A Debian package in $(BUILD)/, installable with `apt-get install ./build/zenlith_*.deb`.
package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(BENCH_BUILD)
