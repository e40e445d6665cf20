# Front door of the project. `make play` and `make test` install what is
# missing, build, and then play or test.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: play test build deps configure clean package

deps:
	@scripts/install-deps

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

play: build
	cd $(BUILD)/game && ./velvetarium

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# A Debian package (velvetarium_*.deb in $(PACKAGE_BUILD)), built for /usr
# in a build directory of its own, without the tests.
PACKAGE_BUILD ?= build-pkg
package: deps
	cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DVELVETARIUM_TESTS=OFF $(CMAKE_FLAGS)
	cmake --build $(PACKAGE_BUILD) -j $(JOBS) --target package
	@ls -1 $(PACKAGE_BUILD)/velvetarium_*.deb

clean:
	rm -rf $(BUILD) $(PACKAGE_BUILD)
