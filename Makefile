# Two entry points: `make run` builds and starts the program, `make test`
# builds the sanitized test configuration and runs every test, then each
# fuzz target briefly, then the core's threaded tests under ThreadSanitizer.
# `make fuzz` runs each fuzz target for a minute.
# `make package` makes the Debian package build/varkel_VERSION_ARCH.deb.
JOBS ?= $(shell nproc)
CCACHE := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

# The release build, the one that is packaged: installed under /usr, with
# the hardening Debian expects of its programs.
HARDENING_CXXFLAGS := -fstack-protector-strong -D_FORTIFY_SOURCE=2 -Wformat -Werror=format-security
HARDENING_LDFLAGS := -Wl,-z,relro -Wl,-z,now

.PHONY: deps run build package test tsan tsan-core tidy format-check bench fuzz clean

deps:
	@sh scripts/deps.sh

build: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
	  -DVARKEL_TESTS=OFF -DVARKEL_BENCH=OFF $(CCACHE) \
	  "-DCMAKE_CXX_FLAGS=$(HARDENING_CXXFLAGS)" "-DCMAKE_EXE_LINKER_FLAGS=$(HARDENING_LDFLAGS)" \
	  "-DCMAKE_MODULE_LINKER_FLAGS=$(HARDENING_LDFLAGS)"
	cmake --build build -j$(JOBS)

package: build
	cd build && cpack

run: build
	./build/ui/varkel $(ARGS)

# The package first, so that the package check among the tests has one.
test: deps format-check package
	cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DVARKEL_SANITIZE=ON -DVARKEL_BENCH=OFF
	cmake --build build-test -j$(JOBS)
	cd build-test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)
	JOBS=$(JOBS) sh scripts/fuzz.sh 5 --short
	$(MAKE) tsan-core

# ThreadSanitizer over the tests that start threads (ctest label "threads"):
# transfers, parallel transfers, the probe, the virtual gateway and slave,
# the window's worker dialogs, the gateway's runtime.
TSAN_TARGETS := test_link test_probe test_probe_cli test_sim test_runtime test_cli varkel-cli varkel-sim \
  varkel-slave test_ui_parts TransferDialogTest ProbeDialogTest RunGatewayTest
TSAN_OPTIONS_ALL := halt_on_error=1 second_deadlock_stack=1 ignore_noninstrumented_modules=1
tsan: deps
	cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Debug -DVARKEL_SANITIZE=thread -DVARKEL_BENCH=OFF $(CCACHE)
	cmake --build build-tsan -j$(JOBS) --target $(TSAN_TARGETS)
	cd build-tsan && QT_QPA_PLATFORM=offscreen TSAN_OPTIONS="$(TSAN_OPTIONS_ALL)" \
	  ctest --output-on-failure --no-tests=error -j$(JOBS) -L threads

# The part of it that fits the time of `make test` (two minutes on two
# cores): the core's threads (transfers, parallel transfers, the probe, the
# virtual gateway and slave, the gateway's runtime), label "threads-core"
# (which -L threads matches as well).
TSAN_CORE_TARGETS := test_link test_probe test_sim test_runtime
tsan-core: deps
	cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Debug -DVARKEL_SANITIZE=thread -DVARKEL_BENCH=OFF $(CCACHE)
	cmake --build build-tsan -j$(JOBS) --target $(TSAN_CORE_TARGETS)
	cd build-tsan && TSAN_OPTIONS="$(TSAN_OPTIONS_ALL)" ctest --output-on-failure --no-tests=error -j$(JOBS) -L threads-core

# Every C++ file in the style of .clang-format.
format-check: deps
	sh scripts/format-check.sh

# clang-tidy's bugprone and performance checks (.clang-tidy) over the core.
tidy: deps
	cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DVARKEL_SANITIZE=ON -DVARKEL_BENCH=OFF $(CCACHE)
	JOBS=$(JOBS) sh scripts/tidy.sh build-test

fuzz: deps
	JOBS=$(JOBS) sh scripts/fuzz.sh $(or $(FUZZ_SECONDS),60)

bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DVARKEL_BENCH=ON -DVARKEL_TESTS=OFF
	cmake --build build-bench -j$(JOBS)
	for b in build-bench/bench/bench_*; do [ -x "$$b" ] && "$$b"; done
	sh bench/gui_startup.sh build-bench/ui/varkel 15
	sh bench/cli_download.sh build-bench 9 0
	sh bench/cli_download.sh build-bench 5 100
	sh bench/cli_check.sh build-bench/cli/varkel-cli
	sh bench/cli_download_many.sh build-bench 8 5
	sh bench/sim_memory.sh build-bench 150
	sh bench/sim_idle.sh build-bench 10

clean:
	rm -rf build build-test build-tsan build-bench build-fuzz
