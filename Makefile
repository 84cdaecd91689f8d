# The two commands of the project: `make run` starts the suite, `make test`
# builds everything and runs every test layer through CTest.
JOBS ?= 2
BUILD := build
FUZZ_SECONDS ?= 10

.PHONY: all deps host windows windows-programs windows64 windows64-programs sanitize fuzz test \
        windows-tests run run-programs screenshots shoot bench bench-run dist deb clean

all: host windows

deps:
	@tools/install-deps.sh

host: deps
	cmake -S . -B $(BUILD)/host -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD)/host -j$(JOBS)

# The programs as shipped: 32-bit Windows.
CONFIGURE_WINDOWS = cmake -S . -B $(BUILD)/windows -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake
windows: deps
	$(CONFIGURE_WINDOWS)
	cmake --build $(BUILD)/windows -j$(JOBS)

# Only what ships of the 32-bit build (the programs and the help file), for
# a machine whose tests run on the 64-bit build.
windows-programs: deps
	$(CONFIGURE_WINDOWS)
	cmake --build $(BUILD)/windows -j$(JOBS) --target programs

# The same sources for 64-bit Windows, for a machine whose kernel runs no
# 32-bit code and so no 32-bit Wine: its Windows tests and programs run there.
CONFIGURE_WINDOWS64 = cmake -S . -B $(BUILD)/windows64 -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake
windows64: deps
	$(CONFIGURE_WINDOWS64)
	cmake --build $(BUILD)/windows64 -j$(JOBS)

# Only the programs and the help of the 64-bit build, which the Debian
# package carries for systems whose Wine runs no 32-bit programs.
windows64-programs: deps
	$(CONFIGURE_WINDOWS64)
	cmake --build $(BUILD)/windows64 -j$(JOBS) --target programs

sanitize: deps
	cmake -S . -B $(BUILD)/sanitize -DCMAKE_BUILD_TYPE=Debug -DPROLEXA_SANITIZE=ON
	cmake --build $(BUILD)/sanitize -j$(JOBS)

fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(BUILD)/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DPROLEXA_FUZZ=ON -DPROLEXA_FUZZ_SECONDS=$(FUZZ_SECONDS)
	cmake --build $(BUILD)/fuzz -j$(JOBS)

# Which Wine runs here is known only once Wine is installed, so the targets
# that need it ask tools/wine-arch.sh after `deps` and call make again.
WINE_ARCH ?= win32
WINDOWS_BUILD = $(if $(filter win64,$(WINE_ARCH)),windows64,windows)

test: host sanitize fuzz
	ctest --test-dir $(BUILD)/host --output-on-failure
	ctest --test-dir $(BUILD)/sanitize --output-on-failure
	$(MAKE) --no-print-directory windows-tests WINE_ARCH=$$(tools/wine-arch.sh)
	ctest --test-dir $(BUILD)/fuzz --output-on-failure

# The shipped programs are built either way; on a machine without 32-bit
# support their size budget is checked there, and everything else runs on
# the 64-bit build. The Debian package's tests take the programs of both.
windows-tests: $(WINDOWS_BUILD) windows-programs windows64-programs
	@[ "$(WINE_ARCH)" = win32 ] || echo "This machine runs no 32-bit programs:" \
	  "the Windows tests run on the 64-bit build of the same sources."
	ctest --test-dir $(BUILD)/$(WINDOWS_BUILD) --output-on-failure
	@[ "$(WINE_ARCH)" = win32 ] || ctest --test-dir $(BUILD)/windows -R program_sizes \
	  --output-on-failure

# The suite starts with its launcher; PROGRAM=Trigona starts one calculator
# alone.
PROGRAM ?= Zeruraruri
run: deps
	@$(MAKE) --no-print-directory run-programs WINE_ARCH=$$(tools/wine-arch.sh)

run-programs: $(WINDOWS_BUILD)
	PROLEXA_WINE_ARCH=$(WINE_ARCH) tools/run-suite.sh $(PROGRAM)

screenshots: deps
	@$(MAKE) --no-print-directory shoot WINE_ARCH=$$(tools/wine-arch.sh)

shoot: $(WINDOWS_BUILD)
	PROLEXA_WINE_ARCH=$(WINE_ARCH) tools/take-screenshots.sh

# Start-up times against notepad, program sizes and the instructions of the
# longest solutions, written to docs/benchmarks.md. A benchmark, never part
# of `make test`; BENCH_RUNS (11) starts of each program.
bench: deps
	@$(MAKE) --no-print-directory bench-run WINE_ARCH=$$(tools/wine-arch.sh)

bench-run: host $(WINDOWS_BUILD)
	PROLEXA_WINE_ARCH=$(WINE_ARCH) tools/bench.sh

# The Windows Installer package and the portable zip of the 32-bit programs.
dist: windows
	tools/make-dist.sh $(BUILD)/windows/bin dist x86

# The Debian package of the same programs, 32-bit and 64-bit, run by Wine.
deb: windows-programs windows64-programs
	tools/make-deb.sh $(BUILD)/windows/bin $(BUILD)/windows64/bin dist

clean:
	rm -rf $(BUILD) dist
