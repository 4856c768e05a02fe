# DualDash: `make run` starts the program on generated demo recordings,
# `make test` installs what is missing, builds and runs every test.

BUILD ?= build
SAN_BUILD ?= build-san
FUZZ_SECONDS ?= 20
CMAKE_FLAGS ?=

.PHONY: all deps configure build test test-main test-san test-package package fuzz demo run bench clean

all: build

deps:
	scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDUALDASH_WERROR=ON $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD)

test: test-main test-san test-package

test-main: build
	cd $(BUILD) && ctest --output-on-failure

# The Debian package of the build: dualdash_VERSION_ARCH.deb in $(BUILD).
package: build
	cd $(BUILD) && cpack -G DEB

# The package as a user gets it: lintian, the desktop entry and metainfo
# validated, the programs run from an unpacked copy.
test-package: package demo
	scripts/check-package $(BUILD)/dualdash_*.deb $(BUILD)/demo/card/DCIM/100MEDIA/A60514081500_0001.MOV

# The core again under AddressSanitizer and UndefinedBehaviorSanitizer (clang),
# with each fuzz target run briefly from its seeds.
test-san: deps
	CC=clang CXX=clang++ cmake -S . -B $(SAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	  -DDUALDASH_WERROR=ON -DDUALDASH_SANITIZE=ON -DDUALDASH_CORE_ONLY=ON -DDUALDASH_FUZZ=ON \
	  -DDUALDASH_FUZZ_SECONDS=$(FUZZ_SECONDS)
	cmake --build $(SAN_BUILD)
	cd $(SAN_BUILD) && ctest --output-on-failure

fuzz: deps
	$(MAKE) test-san FUZZ_SECONDS=600

demo: build
	[ -d $(BUILD)/demo/import ] || $(BUILD)/tools/mkrec demo $(BUILD)/demo > /dev/null

# The player on the demo recordings: the memory card's folder and the folder
# of every recording kind.
run: demo
	$(BUILD)/app/dualdash $(BUILD)/demo/card/DCIM/100MEDIA $(BUILD)/demo/import

bench: build
	$(BUILD)/bench/track_bench

clean:
	rm -rf $(BUILD) $(SAN_BUILD)
