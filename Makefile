# Set-up and everyday commands for a fresh Debian 12 machine.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
PACKAGES = qt6-base-dev libgif-dev libjpeg-dev libavformat-dev libavcodec-dev libswscale-dev \
           libavutil-dev libgtest-dev libbenchmark-dev cmake g++ make pkg-config \
           fonts-liberation fonts-dejavu-core qt6-translations-l10n ccache qt6-svg-dev \
           qt6-l10n-tools qt6-tools-dev
# What "make package" needs beyond the build: dpkg-shlibdeps computes the package's dependencies,
# and CPack recognises the programs to pass it with "file".
PACKAGE_TOOLS = dpkg-dev file

.PHONY: run test build configure deps package package-deps sanitize sanitize-core bench format \
        translations clean

run: build
	$(BUILD_DIR)/src/app/kelvro

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# Extra CMake options, e.g. CMAKE_OPTIONS=-DKELVRO_WERROR=ON as CI uses.
CMAKE_OPTIONS ?=

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_OPTIONS)

# Installs those of the given Debian packages that are missing (needs root or sudo).
define install-missing
	@missing=$$(for p in $(1); do dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing:" $$missing; \
		SUDO=$$( [ "$$(id -u)" = 0 ] || echo sudo ); \
		$$SUDO apt-get update && $$SUDO apt-get install -y --no-install-recommends $$missing; \
	fi
endef

deps:
	$(call install-missing,$(PACKAGES))

# Brings translations/kelvro_en.ts in step with the texts of the sources; new and changed texts
# then wait there for their translation.
translations: configure
	cmake --build $(BUILD_DIR) --target kelvro_update_translations

# A Debian package of the build, e.g. build/kelvro_1.0.0.0_amd64.deb.
package: package-deps build
	cd $(BUILD_DIR) && cpack -G DEB

package-deps:
	$(call install-missing,$(PACKAGE_TOOLS))

sanitize: deps
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DKELVRO_SANITIZE=ON
	cmake --build build-sanitize -j $(JOBS)
	cd build-sanitize && ctest --output-on-failure -j $(JOBS)

# The core tests alone under AddressSanitizer and UBSan: what CI runs besides "make test".
CORE_TESTS = test_core_model test_core_objects test_core_render test_core_anim test_core_io \
             test_core_edit test_core_export
sanitize-core: deps
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DKELVRO_SANITIZE=ON $(CMAKE_OPTIONS)
	cmake --build build-sanitize -j $(JOBS) --target $(CORE_TESTS)
	cd build-sanitize && ctest --output-on-failure -j $(JOBS) -L core

bench: build
	for b in $(BUILD_DIR)/bench/bench_*; do $$b; done

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD_DIR) build-sanitize
