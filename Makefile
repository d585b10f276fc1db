# The two commands a user needs: `make run` and `make test`. Everything else
# here is for developers. Every target installs what it needs first.

JOBS ?= $(shell nproc)
BUILD := build
ASAN_BUILD := build-sanitize
FUZZ_BUILD := build-fuzz
BENCH_BUILD := build-bench
FUZZ_SECONDS ?= 240

.PHONY: run test test-print test-sanitize fuzz bench screenshot pictures package clean

DEPS := scripts/install-deps.sh
CONFIGURE := cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
# For the targets that need no tests: a first configuration leaves them out
# (GoogleTest need not be there); a build folder that has them keeps them.
CONFIGURE_AS_IS = @if [ -f $(BUILD)/CMakeCache.txt ]; then $(CONFIGURE) >/dev/null; \
  else $(CONFIGURE) -DZENLITH_TESTS=OFF >/dev/null; fi

define build-with-tests
@$(CONFIGURE) -DZENLITH_TESTS=ON >/dev/null
@cmake --build $(BUILD) -j $(JOBS)
endef

# ctest in the build folder $(1) with the environment $(2) and options $(3):
# offscreen, and with Qt's runtime folder inside the build folder when the
# session has none, so that no test leaves one in /tmp.
define ctest-in
@mkdir -p -m 0700 $(1)/runtime
cd $(1) && QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$${XDG_RUNTIME_DIR:-$(CURDIR)/$(1)/runtime} $(2) ctest --output-on-failure $(3)
endef

# The program alone: only the packages it needs, only its own target.
run:
	@if [ -z "$${DISPLAY}$${WAYLAND_DISPLAY}$${QT_QPA_PLATFORM}" ]; then \
	  echo "make run: no display (DISPLAY and WAYLAND_DISPLAY are empty): run it on a desktop, or under xvfb-run" >&2; exit 1; fi
	@$(DEPS) run
	$(CONFIGURE_AS_IS)
	@cmake --build $(BUILD) -j $(JOBS) --target zenlith
	$(BUILD)/app/zenlith

test:
	@$(DEPS) run test package
	$(build-with-tests)
	$(call ctest-in,$(BUILD),,-j $(JOBS))

# The print tests alone, the round trip through a private CUPS spooler
# included (it needs root or password-less sudo, as the backend runs as root).
test-print:
	@$(DEPS) run test
	$(build-with-tests)
	$(call ctest-in,$(BUILD),,-R 'Print|Pdf|DocumentPrinter|cups')

test-sanitize:
	@$(DEPS) run test package
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DZENLITH_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	$(call ctest-in,$(ASAN_BUILD),ASAN_OPTIONS=detect_leaks=0,-j $(JOBS))

fuzz:
	@$(DEPS) run fuzz
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

bench:
	@$(DEPS) run bench
	@cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DZENLITH_TESTS=OFF -DZENLITH_BENCH=ON >/dev/null
	@cmake --build $(BENCH_BUILD) -j $(JOBS)
	@for b in $(BENCH_BUILD)/bench/zenlith-bench-*; do \
	  QT_QPA_PLATFORM=offscreen $$b --benchmark_repetitions=5 --benchmark_report_aggregates_only=true || exit 1; done

screenshot:
	@$(DEPS) run
	$(CONFIGURE_AS_IS)
	@cmake --build $(BUILD) -j $(JOBS) --target zenlith-screenshot
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/screenshot/zenlith-screenshot docs/screenshots

pictures:
	@$(DEPS) run
	$(CONFIGURE_AS_IS)
	@cmake --build $(BUILD) -j $(JOBS) --target zenlith-artgen
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/artgen/zenlith-artgen resources/pictures packaging/icons

# A Debian package in $(BUILD)/, installable with `apt-get install ./build/zenlith_*.deb`;
# one whose Depends misses a library of its programs is removed again. Only
# what the package holds is built.
package:
	@$(DEPS) run package
	$(CONFIGURE_AS_IS)
	@cmake --build $(BUILD) -j $(JOBS) --target zenlith zenlith-ephemeris zenlith_manpages
	@cd $(BUILD) && cpack -G DEB
	@for deb in $(BUILD)/zenlith_*.deb; do packaging/check_depends.sh $$deb || { rm -f $$deb; exit 1; }; done

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(BENCH_BUILD)
