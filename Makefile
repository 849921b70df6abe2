# Entry points for a fresh machine: `make test` and (later) `make play`.
# Each installs what is missing, configures and builds first.

BUILD      := build
NATIVE     := $(BUILD)/native
JOBS       ?= $(shell nproc)
WINEENV    := WINEPREFIX=$(CURDIR)/$(BUILD)/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
ARGS       ?=

.PHONY: all deps build native test bench play screenshots soak dist clean

all: build

deps:
	@sh scripts/install-deps.sh

$(NATIVE)/Makefile: | deps
	cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Debug

native: $(NATIVE)/Makefile
	cmake --build $(NATIVE) -j $(JOBS)

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
	      -DCMAKE_BUILD_TYPE=Release -DTUCKLE_NATIVE_DIR=$(CURDIR)/$(NATIVE)

build: $(BUILD)/CMakeCache.txt native
	cmake --build $(BUILD) -j $(JOBS)

# The Wine prefix is made once (about 10 s) so that no test pays for it.
# The game's dialog font, Courier New, is not on Linux: Liberation Mono has
# the same metrics, so the dialog units come out as on Windows and the
# pictures, placed in pixels, sit inside their frames. Windows are not handed
# to a window manager: with managed windows Wine waits about 2 s after every
# dialog ends under Xvfb.
$(BUILD)/wineprefix/system.reg: | deps
	mkdir -p $(BUILD)
	$(WINEENV) xvfb-run -a wineboot -i >/dev/null 2>&1 || true
	$(WINEENV) wine reg add 'HKCU\Software\Wine\Fonts\Replacements' \
	    /v "Courier New" /t REG_SZ /d "Liberation Mono" /f >/dev/null 2>&1
	$(WINEENV) wine reg add 'HKCU\Software\Wine\X11 Driver' \
	    /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
	$(WINEENV) wineserver -w || true

test: build $(BUILD)/wineprefix/system.reg
	cd $(BUILD) && $(WINEENV) xvfb-run -a -s "-screen 0 1024x768x24" \
	    ctest --output-on-failure $(ARGS)

# Starts the game from the game folder on the user's display.
play: build $(BUILD)/wineprefix/system.reg
	@if [ -z "$$DISPLAY" ]; then \
	    echo "There is no display to show the game on (DISPLAY is not set)."; \
	    echo "Run 'make screenshots' to play a scripted game under Xvfb and save pictures."; \
	    exit 1; fi
	cd $(BUILD)/dist && $(WINEENV) wine tuckle.exe

# Plays a scripted game under Xvfb and saves pictures in build/screenshots/.
screenshots: build $(BUILD)/wineprefix/system.reg
	rm -rf $(BUILD)/screenshots && mkdir -p $(BUILD)/screenshots
	cd $(BUILD)/dist && $(WINEENV) xvfb-run -a -s "-screen 0 1024x768x24" \
	    wine $(CURDIR)/$(BUILD)/tools/screenshots.exe . $(CURDIR)/$(BUILD)/screenshots
	@ls $(BUILD)/screenshots

# Plays 1,000 words through the real program and prints the main dialog's
# child windows and the game's working set at the start and at the end.
soak: build $(BUILD)/wineprefix/system.reg
	cd $(BUILD) && $(WINEENV) xvfb-run -a -s "-screen 0 1024x768x24" \
	    wine tools/soak.exe 1000 "Z:$(CURDIR)/$(BUILD)/dist"

# The Windows package build/tuckle-win32.zip: the game folder, a read-me for
# Windows users and the credits. It is unzipped again and started under Wine
# to check that it runs from its own folder.
dist: build $(BUILD)/wineprefix/system.reg
	rm -rf $(BUILD)/package $(BUILD)/tuckle-win32.zip $(BUILD)/unzipped
	mkdir -p $(BUILD)/package/Tuckle
	cp -r $(BUILD)/dist/. $(BUILD)/package/Tuckle/
	cp packaging/README-Windows.txt $(BUILD)/package/Tuckle/README.txt
	cd $(BUILD)/package && zip -qr ../tuckle-win32.zip Tuckle
	mkdir -p $(BUILD)/unzipped && cd $(BUILD)/unzipped && unzip -q ../tuckle-win32.zip
	cd $(BUILD) && $(WINEENV) xvfb-run -a -s "-screen 0 1024x768x24" \
	    wine tools/launch_check.exe "Z:$(CURDIR)/$(BUILD)/unzipped/Tuckle"
	@echo "Built $(BUILD)/tuckle-win32.zip"

# Benchmarks print figures and ratios; they assert nothing.
bench: build $(BUILD)/wineprefix/system.reg
	@cd $(BUILD) && for b in bench/*_bench.exe; do \
	    [ -e "$$b" ] || continue; echo "== $$b"; \
	    $(WINEENV) xvfb-run -a -s "-screen 0 1024x768x24" wine "$$b" || exit 1; \
	done

clean:
	rm -rf $(BUILD)
