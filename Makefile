# Entry points for a fresh machine: `make test` and (later) `make play`.
# Each installs what is missing, configures and builds first.

BUILD      := build
NATIVE     := $(BUILD)/native
BUILD64    := $(BUILD)/x64
BENCHNATIVE := $(BUILD)/bench-native
JOBS       ?= $(shell nproc)
WINEOPTS   := WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
WINEENV    := WINEPREFIX=$(CURDIR)/$(BUILD)/wineprefix $(WINEOPTS)
# 64-bit programs run through Wine's 64-bit loader directly: the `wine`
# wrapper prefers the 32-bit loader whenever it is installed.
WINE64     := /usr/lib/wine/wine64
WINEENV64  := WINEPREFIX=$(CURDIR)/$(BUILD)/wineprefix64 WINELOADER=$(WINE64) $(WINEOPTS)
XVFB       := xvfb-run -a -s "-screen 0 1024x768x24"
ARGS       ?=

# How 32-bit Windows programs run here (scripts/win32-runs.sh): natively,
# through the user-mode emulator that the install step registers where the
# kernel runs no 32-bit programs, or not at all. It is asked at run time,
# after the install step: the targets that depend on it run the install step,
# then make themselves again with WIN32_RUNS set. (A $(shell ...) here would
# run when make reads this file, before anything is installed.)
MODE_GOALS := test test32 play screenshots gallery gallery-screenshots soak dist bench

ifeq ($(origin WIN32_RUNS),undefined)
.PHONY: $(MODE_GOALS)
$(MODE_GOALS): deps
	@$(MAKE) --no-print-directory $@ WIN32_RUNS=$$(sh scripts/win32-runs.sh)
endif

# Under qemu-i386 every guest mmap that misses is slow, and Wine, started
# without its preloader, probes the whole 4 GB for room: about a minute per
# program start. A guest address space of just over 2 GB (the user half and
# the few pages above it that Wine checks) ends the probing in seconds.
# TUCKLE_WIN32_EMULATED tells the tests, which then wait longer for other
# programs and windows.
# The 64-bit prefix gets the setting too: making it starts 32-bit helpers.
ifeq ($(WIN32_RUNS),emulated)
EMUVA      := QEMU_RESERVED_VA=0x81000000
EMU32      := $(EMUVA) TUCKLE_WIN32_EMULATED=1
else
EMUVA      :=
EMU32      :=
endif
WINEENV32  := $(WINEENV) $(EMU32)
WINEENV64  += $(EMUVA)

# The game and the tools run from the 32-bit build where 32-bit programs run
# natively; through the emulator timings and pictures would mean little and
# a game would start slowly, so they run from the 64-bit build there, as
# where none runs. RUNWINE starts with `env` so that its settings also work
# after xvfb-run, which takes the next word as the program to run.
ifeq ($(WIN32_RUNS),native)
RUNBUILD   := $(BUILD)
RUNTARGET  := build
RUNWINE    := env $(WINEENV) wine
RUNPREFIX  := $(BUILD)/wineprefix/system.reg $(BUILD)/wineprefix/drive_c/windows/Fonts/marlett.ttf
RUNCACHE   := $(BUILD)/CMakeCache.txt
RUNPREFIX144 := $(BUILD)/wineprefix-144dpi
RUNWINE144 := env WINEPREFIX=$(CURDIR)/$(RUNPREFIX144) $(WINEOPTS) wine
RUNNOTE    :=
else
RUNBUILD   := $(BUILD64)
RUNTARGET  := build64
RUNWINE    := env $(WINEENV64) $(WINE64)
RUNPREFIX  := $(BUILD)/wineprefix64/system.reg $(BUILD)/wineprefix64/drive_c/windows/Fonts/marlett.ttf
RUNCACHE   := $(BUILD64)/CMakeCache.txt
RUNPREFIX144 := $(BUILD)/wineprefix64-144dpi
RUNWINE144 := env WINEPREFIX=$(CURDIR)/$(RUNPREFIX144) WINELOADER=$(WINE64) $(WINEOPTS) $(WINE64)
ifeq ($(WIN32_RUNS),emulated)
RUNNOTE    := NOTE: 32-bit programs run here only through the emulator; using the 64-bit build.
else
RUNNOTE    := NOTE: no 32-bit program runs here; using the 64-bit build.
endif
endif

.PHONY: all deps build build64 native test test32 test64 bench fuzz play screenshots soak dist clean \
        guide-pictures docs \
        gallery gallery-screenshots gallery-tips gallery-clip

all: build build64

deps:
	@sh scripts/install-deps.sh

$(NATIVE)/Makefile: | deps
	cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Debug

native: $(NATIVE)/Makefile
	cmake --build $(NATIVE) -j $(JOBS)

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
	      -DCMAKE_BUILD_TYPE=Release -DTUCKLE_NATIVE_DIR=$(CURDIR)/$(NATIVE) \
	      -DTOOLKIT_HEADER_CHECK=OFF

build: $(BUILD)/CMakeCache.txt native
	cmake --build $(BUILD) -j $(JOBS)

$(BUILD64)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD64) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake \
	      -DCMAKE_BUILD_TYPE=Release -DTUCKLE_NATIVE_DIR=$(CURDIR)/$(NATIVE) \
	      -DTUCKLE_WINEPREFIX=$(CURDIR)/$(BUILD)/wineprefix64

build64: $(BUILD64)/CMakeCache.txt native
	cmake --build $(BUILD64) -j $(JOBS)

# The Wine prefix is made once (about 10 s) so that no test pays for it.
# The game's dialog font, Courier New, is not on Linux: Liberation Mono has
# the same metrics, so the dialog units come out as on Windows and the
# pictures, placed in pixels, sit inside their frames. Windows are not handed
# to a window manager: with managed windows Wine waits about 2 s after every
# dialog ends under Xvfb. A crashed program ends after its backtrace is
# printed, instead of waiting for someone to close the crash dialog.
$(BUILD)/wineprefix/system.reg: | deps
	mkdir -p $(BUILD)
	$(WINEENV32) xvfb-run -a wineboot -i >/dev/null 2>&1 || true
	$(WINEENV32) wine reg add 'HKCU\Software\Wine\Fonts\Replacements' \
	    /v "Courier New" /t REG_SZ /d "Liberation Mono" /f >/dev/null 2>&1
	$(WINEENV32) wine reg add 'HKCU\Software\Wine\X11 Driver' \
	    /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
	$(WINEENV32) wine reg add 'HKCU\Software\Wine\WineDbg' \
	    /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
	$(WINEENV32) wineserver -w || true

# The same prefix settings for 64-bit Wine, in a prefix of its own.
$(BUILD)/wineprefix64/system.reg: | deps
	mkdir -p $(BUILD)
	$(WINEENV64) xvfb-run -a $(WINE64) wineboot -i >/dev/null 2>&1 || true
	$(WINEENV64) $(WINE64) reg add 'HKCU\Software\Wine\Fonts\Replacements' \
	    /v "Courier New" /t REG_SZ /d "Liberation Mono" /f >/dev/null 2>&1
	$(WINEENV64) $(WINE64) reg add 'HKCU\Software\Wine\X11 Driver' \
	    /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
	$(WINEENV64) $(WINE64) reg add 'HKCU\Software\Wine\WineDbg' \
	    /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
	$(WINEENV64) wineserver -w || true

# Wine draws the caption's buttons with the Marlett font (without it the
# close box shows an "r"). Debian's fonts-wine has it, but this Wine looks for
# its own fonts in the wrong folder, so the font goes into the prefix.
MARLETT    := /usr/share/wine/fonts/marlett.ttf
%/drive_c/windows/Fonts/marlett.ttf: %/system.reg
	mkdir -p $(@D)
	cp $(MARLETT) $@

# Both Windows builds are made and their suites run: the 64-bit suite
# always, the 32-bit one whole where 32-bit programs run natively, its
# emulator subset (the ctest label emulated32) where they run only through
# the emulator, and none where no 32-bit program runs. The normal entries
# leave the subset's entries out.
ifdef WIN32_RUNS
test: build build64 test64 test32
	@echo "32-bit programs here: $(WIN32_RUNS) (see the 32-bit suite's notice above)."
endif

test64: build64 $(BUILD)/wineprefix64/system.reg $(BUILD)/wineprefix64/drive_c/windows/Fonts/marlett.ttf
	cd $(BUILD64) && $(WINEENV64) $(XVFB) ctest --output-on-failure -LE emulated32 $(ARGS)

ifeq ($(WIN32_RUNS),native)
test32: build $(BUILD)/wineprefix/system.reg $(BUILD)/wineprefix/drive_c/windows/Fonts/marlett.ttf
	@echo "NOTE: this kernel runs 32-bit programs: running the whole 32-bit suite."
	cd $(BUILD) && $(WINEENV32) $(XVFB) ctest --output-on-failure -LE emulated32 $(ARGS)
else ifeq ($(WIN32_RUNS),emulated)
test32: build $(BUILD)/wineprefix/system.reg $(BUILD)/wineprefix/drive_c/windows/Fonts/marlett.ttf
	@echo "NOTE: this kernel runs no 32-bit programs itself; they run through the user-mode"
	@echo "      emulator (qemu-i386), so the 32-bit build runs its emulator subset: the"
	@echo "      toolkit's tests, the game's window in one process, the game folder and one"
	@echo "      word played by the real tuckle.exe."
	cd $(BUILD) && $(WINEENV32) $(XVFB) ctest --output-on-failure -L emulated32 $(ARGS)
else ifeq ($(WIN32_RUNS),none)
test32: build
	@echo "NOTE: no 32-bit program runs here (neither the kernel nor an emulator starts"
	@echo "      one), so the 32-bit build was made but its suite was not run."
endif

ifdef WIN32_RUNS
# Starts the game from the game folder on the user's display (the 32-bit
# game; the 64-bit build of it where the kernel runs no 32-bit programs).
play: build $(RUNTARGET) $(RUNPREFIX)
	@if [ -z "$$DISPLAY" ]; then \
	    echo "There is no display to show the game on (DISPLAY is not set)."; \
	    echo "Run 'make screenshots' to play a scripted game under Xvfb and save pictures."; \
	    exit 1; fi
	@[ -z "$(RUNNOTE)" ] || echo "$(RUNNOTE)"
	cd $(RUNBUILD)/dist && $(RUNWINE) tuckle.exe

# Plays a scripted game under Xvfb and saves pictures in build/screenshots/.
screenshots: build $(RUNTARGET) $(RUNPREFIX)
	rm -rf $(BUILD)/screenshots && mkdir -p $(BUILD)/screenshots
	cd $(RUNBUILD)/dist && $(XVFB) $(RUNWINE) \
	    $(CURDIR)/$(RUNBUILD)/tools/screenshots.exe . $(CURDIR)/$(BUILD)/screenshots
	@ls $(BUILD)/screenshots

# Builds the toolkit's gallery and starts it on the user's display (the
# 64-bit build where the kernel runs no 32-bit programs). ARGS="--page dialogs"
# opens it on one page.
gallery: $(RUNCACHE) $(RUNPREFIX)
	cmake --build $(RUNBUILD) --target gallery -j $(JOBS)
	@if [ -z "$$DISPLAY" ]; then \
	    echo "There is no display to show the gallery on (DISPLAY is not set)."; \
	    echo "Run 'make gallery-screenshots' to save a picture of every page under Xvfb."; \
	    exit 1; fi
	cd $(RUNBUILD)/gallery && $(RUNWINE) gallery.exe $(ARGS)

# Saves build/screenshots/gallery/<name>.png for every page of the gallery's
# page table, under Xvfb; then the same at 144 DPI in
# build/screenshots/gallery-144/, in a copy of the prefix whose screen has
# that DPI, on a screen large enough for the larger windows; and every page
# dark (gallery.exe --dark) in build/screenshots/gallery-dark/.
gallery-screenshots: $(RUNCACHE) $(RUNPREFIX)
	cmake --build $(RUNBUILD) --target gallery gallery_screenshots -j $(JOBS)
	rm -rf $(BUILD)/screenshots/gallery && mkdir -p $(BUILD)/screenshots/gallery
	cd $(RUNBUILD) && $(XVFB) $(RUNWINE) tools/gallery_screenshots.exe gallery/gallery.exe \
	    $(CURDIR)/$(BUILD)/screenshots/gallery
	@ls $(BUILD)/screenshots/gallery
	rm -rf $(BUILD)/screenshots/gallery-dark && mkdir -p $(BUILD)/screenshots/gallery-dark
	cd $(RUNBUILD) && $(XVFB) $(RUNWINE) tools/gallery_screenshots.exe gallery/gallery.exe \
	    $(CURDIR)/$(BUILD)/screenshots/gallery-dark --dark
	sh scripts/dpi-prefix.sh $(CURDIR)/$(dir $(firstword $(RUNPREFIX))) $(CURDIR)/$(RUNPREFIX144) 144
	rm -rf $(BUILD)/screenshots/gallery-144 && mkdir -p $(BUILD)/screenshots/gallery-144
	cd $(RUNBUILD) && xvfb-run -a -s "-screen 0 1600x1200x24" $(RUNWINE144) \
	    tools/gallery_screenshots.exe gallery/gallery.exe $(CURDIR)/$(BUILD)/screenshots/gallery-144
	@ls $(BUILD)/screenshots/gallery-144

# Plays 1,000 words through the real program and prints the main dialog's
# child windows and the game's working set at the start and at the end.
soak: build $(RUNTARGET) $(RUNPREFIX)
	cd $(RUNBUILD) && $(XVFB) $(RUNWINE) tools/soak.exe 1000 "Z:$(CURDIR)/$(RUNBUILD)/dist"

# The Windows package build/tuckle-win32.zip: the 32-bit game folder, a
# read-me for Windows users and the credits. It is unzipped again and started
# under Wine to check that it runs from its own folder (where the kernel runs
# no 32-bit programs, the same check runs on the 64-bit game folder).
dist: build $(RUNTARGET) $(RUNPREFIX)
	rm -rf $(BUILD)/package $(BUILD)/tuckle-win32.zip $(BUILD)/unzipped
	mkdir -p $(BUILD)/package/Tuckle
	cp -r $(BUILD)/dist/. $(BUILD)/package/Tuckle/
	cp packaging/README-Windows.txt $(BUILD)/package/Tuckle/README.txt
	cd $(BUILD)/package && zip -qr ../tuckle-win32.zip Tuckle
	mkdir -p $(BUILD)/unzipped && cd $(BUILD)/unzipped && unzip -q ../tuckle-win32.zip
	@if [ "$(WIN32_RUNS)" = native ]; then \
	    cd $(BUILD) && $(XVFB) $(RUNWINE) tools/launch_check.exe "Z:$(CURDIR)/$(BUILD)/unzipped/Tuckle"; \
	else \
	    echo "$(RUNNOTE)"; echo "      Checking the 64-bit game folder instead."; \
	    cd $(RUNBUILD) && $(XVFB) $(RUNWINE) tools/launch_check.exe "Z:$(CURDIR)/$(RUNBUILD)/dist"; \
	fi
	@echo "Built $(BUILD)/tuckle-win32.zip"
	@echo "Sizes in bytes (the programs are shipped without their symbols):"
	@for f in $(BUILD)/game/tuckle.exe $(BUILD)/dist/tuckle.exe $(BUILD)/dist/espeak/espeak.exe \
	          $(BUILD64)/game/tuckle.exe $(BUILD64)/dist/tuckle.exe $(BUILD64)/dist/espeak/espeak.exe \
	          $(BUILD)/tuckle-win32.zip; do \
	    [ -e "$$f" ] && printf '  %10d  %s\n' "$$(stat -c %s "$$f")" "$$f"; \
	done; true

endif

# The toolkit's reference, made by Doxygen from the public headers into
# build/docs/html; fails when Doxygen warns (an undocumented public member).
docs: deps
	sh scripts/make-reference.sh $(CURDIR) $(CURDIR)/$(BUILD)/docs

# Pictures of the guide's programs and of the README's first program (the
# 64-bit builds), each alone on a black screen in a copy of the test prefix,
# into docs/guide/pictures.
guide-pictures: build64 $(BUILD)/wineprefix64/system.reg
	cd $(BUILD64) && ctest -R 'guide_programs_build|readme_recipe_builds'
	rm -rf $(BUILD)/picture-prefix
	sh scripts/dpi-prefix.sh $(CURDIR)/$(BUILD)/wineprefix64 $(CURDIR)/$(BUILD)/picture-prefix 96
	printf 'first.exe\tFirst Wicker program\n' > $(BUILD64)/readme-recipe/programs.txt
	for made in guide-programs readme-recipe; do \
	    WINEPREFIX=$(CURDIR)/$(BUILD)/picture-prefix WINELOADER=$(WINE64) $(WINEOPTS) \
	    xvfb-run -a -s "-screen 0 800x600x24" python3 tests/package/guide_programs.py pictures \
	        $(BUILD64)/$$made docs/guide/pictures $(WINE64) || exit 1; \
	done

# Long fuzzing runs of the platform-free parsers (the short runs are part of
# `make test`), then of region data and picture decoding under Wine: a
# seeded mutation loop, FUZZ_INPUTS inputs from FUZZ_SEED, for at most
# FUZZ_SECONDS. Inputs that fail are left in build/fuzz/<name>/.
FUZZ_SECONDS ?= 600
FUZZ_INPUTS ?= 1000000
FUZZ_SEED  ?= 1
fuzz: native build64 $(BUILD)/wineprefix64/system.reg
	sh tests/richtext/run_fuzz.sh $(CURDIR)/$(NATIVE)/tests/richtext/rtf_fuzz $(CURDIR)/$(BUILD)/fuzz/rtf $(FUZZ_SECONDS)
	@for f in base64 text_stream tips_file picture_bytes; do \
	    echo "== $${f}_fuzz for $(FUZZ_SECONDS) s"; mkdir -p $(BUILD)/fuzz/$$f/corpus; \
	    seeds=$(CURDIR)/tests/toolkit/fuzz_seeds/$$f; [ -d $$seeds ] || seeds=; \
	    (cd $(BUILD)/fuzz/$$f && $(CURDIR)/$(NATIVE)/tests/toolkit/$${f}_fuzz corpus $$seeds \
	        -max_total_time=$(FUZZ_SECONDS) -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
	        -print_final_stats=1) || exit 1; \
	done
	@echo "== csv_table_fuzz for $(FUZZ_SECONDS) s"; mkdir -p $(BUILD)/fuzz/csv_table/corpus
	cd $(BUILD)/fuzz/csv_table && $(CURDIR)/$(NATIVE)/tests/examples/csv_table_fuzz corpus \
	    $(CURDIR)/tests/examples/csv_seeds -max_total_time=$(FUZZ_SECONDS) -max_len=65536 \
	    -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
	@echo "== picture_mutation_fuzz (Wine) for at most $(FUZZ_SECONDS) s"
	mkdir -p $(BUILD)/fuzz/picture_mutation
	cd $(BUILD)/fuzz/picture_mutation && $(WINEENV64) $(XVFB) $(WINE64) \
	    $(CURDIR)/$(BUILD64)/tests/toolkit/picture_mutation_fuzz.exe $(FUZZ_INPUTS) $(FUZZ_SEED) $(FUZZ_SECONDS)

# Writes the gallery's sample tips file again from the tips listed in
# gallery/sample_tips/make_sample_tips.cpp (the file is kept in the tree and
# copied beside gallery.exe by the build).
gallery-tips:
	mkdir -p $(BUILD)
	c++ -std=c++17 -Wall -Wextra -Itoolkit gallery/sample_tips/make_sample_tips.cpp \
	    toolkit/richtext/tips_file.cpp -o $(BUILD)/make_sample_tips
	$(BUILD)/make_sample_tips gallery/sample.tips

# Writes the gallery's sample clip again with the clip writer of
# gallery/sample_clip/ (the file is kept in the tree and copied beside
# gallery.exe by the build; a toolkit test checks that it is up to date).
gallery-clip:
	mkdir -p $(BUILD)
	c++ -std=c++17 -Wall -Wextra gallery/sample_clip/make_sample_clip.cpp \
	    gallery/sample_clip/avi_clip.cpp -o $(BUILD)/make_sample_clip
	$(BUILD)/make_sample_clip gallery/sample.avi

# The native benchmarks are timed in a tree of their own, without sanitizers.
$(BENCHNATIVE)/CMakeCache.txt: | deps
	cmake -S . -B $(BENCHNATIVE) -DCMAKE_BUILD_TYPE=Release -DTUCKLE_SANITIZERS=OFF

ifdef WIN32_RUNS
# Benchmarks print figures and ratios; they assert nothing. The Windows ones
# run under Wine, then the native ones (platform-free code) on Linux.
bench: build $(RUNTARGET) $(RUNPREFIX) $(BENCHNATIVE)/CMakeCache.txt
	@cd $(RUNBUILD) && for b in bench/*_bench.exe; do \
	    [ -e "$$b" ] || continue; echo "== $$b"; \
	    $(XVFB) $(RUNWINE) "$$b" || exit 1; \
	done
	cmake --build $(BENCHNATIVE) --target native_benches -j $(JOBS)
	@for b in $(BENCHNATIVE)/bench/*_bench; do \
	    [ -e "$$b" ] || continue; echo "== $$b (native)"; "$$b" || exit 1; \
	done
endif

clean:
	rm -rf $(BUILD)
