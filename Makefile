# The two commands of the project: `make run` starts the suite, `make test`
# builds everything and runs every test layer through CTest.
JOBS ?= 2
BUILD := build
FUZZ_SECONDS ?= 10

.PHONY: all deps host windows sanitize fuzz test run screenshots clean

all: host windows

deps:
	@tools/install-deps.sh

host: deps
	cmake -S . -B $(BUILD)/host -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD)/host -j$(JOBS)

windows: deps
	cmake -S . -B $(BUILD)/windows -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake
	cmake --build $(BUILD)/windows -j$(JOBS)

sanitize: deps
	cmake -S . -B $(BUILD)/sanitize -DCMAKE_BUILD_TYPE=Debug -DPROLEXA_SANITIZE=ON
	cmake --build $(BUILD)/sanitize -j$(JOBS)

fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(BUILD)/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DPROLEXA_FUZZ=ON -DPROLEXA_FUZZ_SECONDS=$(FUZZ_SECONDS)
	cmake --build $(BUILD)/fuzz -j$(JOBS)

test: host windows sanitize fuzz
	ctest --test-dir $(BUILD)/host --output-on-failure
	ctest --test-dir $(BUILD)/sanitize --output-on-failure
	ctest --test-dir $(BUILD)/windows --output-on-failure
	ctest --test-dir $(BUILD)/fuzz --output-on-failure

# Until the launcher exists, the suite starts with its first calculator;
# PROGRAM=Radixa starts another one.
PROGRAM ?= Trigona
run: windows
	tools/run-suite.sh $(PROGRAM)

screenshots: windows
	tools/take-screenshots.sh

clean:
	rm -rf $(BUILD)
