# The two entry points of the README: `make demo` and `make test`.
# Each installs what is missing, configures, builds and runs.
BUILD      ?= build
TEST_BUILD ?= build-test
JOBS       ?= $(shell nproc)
DEMO_DISC  ?= examples/demo-disc

.PHONY: all deps configure build demo edit test test-build package package-check bench fuzz format clean

all: build

deps:
	@bash scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMENU_BUILD_TESTS=OFF >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

demo: build
	$(BUILD)/menu/menu $(DEMO_DISC)

edit: build
	$(BUILD)/menusmith/menusmith $(DEMO_DISC)/config.ini

test-build: deps
	@cmake -S . -B $(TEST_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMENU_SANITIZE=ON -DMENU_BUILD_BENCH=OFF >/dev/null
	@cmake --build $(TEST_BUILD) -j $(JOBS)

test: test-build
	@cd $(TEST_BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	@cmake -S . -B $(BUILD) -DMENU_BUILD_BENCH=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)
	@for b in $$(find $(BUILD)/bench -type f -executable -name 'bench_*' | sort); do \
		echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b || exit 1; done

# The Debian package, built with Debian's hardening flags: build-package/*.deb.
PACKAGE_BUILD ?= build-package
package: export DEB_BUILD_MAINT_OPTIONS = hardening=+all
package: deps
	@CXXFLAGS="$$(dpkg-buildflags --get CXXFLAGS) $$(dpkg-buildflags --get CPPFLAGS)" \
	  LDFLAGS="$$(dpkg-buildflags --get LDFLAGS)" \
	  cmake -S . -B $(PACKAGE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DMENU_BUILD_TESTS=OFF -DMENU_BUILD_BENCH=OFF >/dev/null
	@cmake --build $(PACKAGE_BUILD) -j $(JOBS) --target package

# lintian with Debian's strictest tags shown; errors and warnings fail.
package-check: package
	lintian --fail-on error,warning --display-info --pedantic $(PACKAGE_BUILD)/*.deb

# libFuzzer needs clang: `make fuzz` builds the targets and runs each for FUZZ_SECONDS.
FUZZ_SECONDS ?= 60
fuzz: deps
	@cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DMENU_BUILD_FUZZ=ON -DMENU_BUILD_TESTS=OFF -DMENU_BUILD_BENCH=OFF >/dev/null
	@cmake --build build-fuzz -j $(JOBS) --target fuzz_config
	@mkdir -p fuzz/corpus-run && cp -n fuzz/corpus/* fuzz/corpus-run/ 2>/dev/null || true
	build-fuzz/fuzz/fuzz_config -max_total_time=$(FUZZ_SECONDS) -max_len=65536 fuzz/corpus-run

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(TEST_BUILD) $(PACKAGE_BUILD) build-fuzz
