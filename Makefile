# Thin front for the CMake build. `make run` and `make test` install the
# Debian packages the build needs first (when run as root).
BUILD     ?= build
ASAN_BUILD ?= build-asan
WINDOWS_BUILD ?= build-windows
JOBS      ?= $(shell nproc)
DEB_PACKAGES := cmake g++ make qt6-base-dev qt6-qpa-plugins libgtest-dev libgmock-dev \
                libbenchmark-dev fonts-dejavu-core qt6-translations-l10n \
                fonts-liberation poppler-utils xvfb xdotool x11-apps \
                desktop-file-utils appstream lintian dpkg-dev file \
                g++-mingw-w64-x86-64-posix googletest wine wine64

.PHONY: all deps build run test test-asan test-windows-core bench format clean example-data \
        fuzz package icons

all: build

deps:
	@missing=""; for p in $(DEB_PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = "0" ]; then \
	    echo "Installing:$$missing"; \
	    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing; \
	  else \
	    echo "Missing packages:$$missing"; \
	    echo "Run: sudo apt-get install$$missing"; exit 1; \
	  fi; \
	fi

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

EXAMPLE_DATA := examples/BEISPIEL.T13

# A new working folder gets the example matchday to load.
run: build
	@mkdir -p run/MEMORY
	@[ -e run/MEMORY/$(notdir $(EXAMPLE_DATA)) ] || cp $(EXAMPLE_DATA) run/MEMORY/
	cd run && ../$(BUILD)/vorlanz

# Calculates the example matchday again and writes it over the shipped file.
example-data: build
	$(BUILD)/tools/make_example_data $(EXAMPLE_DATA)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVORLANZ_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
	  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

# The Debian package, build/vorlanz_<version>-1_amd64.deb.
package: build
	cd $(BUILD) && cpack -G DEB

# model/ and the logic/ folders with their tests, built for 64-bit Windows
# with MinGW-w64 and run under Wine in a Wine folder of the build's own.
WINE_ENV = WINEPREFIX=$(abspath $(WINDOWS_BUILD))/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
test-windows-core: deps
	cmake --preset windows-core -B $(WINDOWS_BUILD)
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)
	$(WINE_ENV) wineboot --init
	cd $(WINDOWS_BUILD) && $(WINE_ENV) ctest --output-on-failure -j $(JOBS)

# The hicolor icons from the scalable one (needs librsvg2-bin).
ICON_SIZES := 16 24 32 48 64 128 256
icons:
	for s in $(ICON_SIZES); do mkdir -p packaging/icons/$$s; \
	  rsvg-convert -w $$s -h $$s packaging/vorlanz.svg -o packaging/icons/$$s/vorlanz.png; done

bench: build
	@for b in $(BUILD)/bench/bench_*; do QT_QPA_PLATFORM=offscreen $$b; done

# A minute of libFuzzer on the data file reader (clang only).
FUZZ_FLAGS := -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -Isrc
fuzz:
	@mkdir -p $(BUILD)/fuzz-corpus
	clang++ $(FUZZ_FLAGS) tools/fuzz_data_codec.cpp src/output/logic/data_codec.cpp \
	  -o $(BUILD)/fuzz_data_codec
	$(BUILD)/fuzz_data_codec -max_total_time=60 -max_len=2600 $(BUILD)/fuzz-corpus examples

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(WINDOWS_BUILD)
