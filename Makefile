# Thin wrapper over CMake + Ninja. The two commands a user needs are `make run` and
# `make test`; both install missing Debian packages first (scripts/install-deps.sh).

BUILD      ?= build
BUILD_ASAN ?= build-asan
BUILD_REL  ?= build-release
BUILD_FUZZ ?= build-fuzz
FUZZ_TIME  ?= 60
OUT        ?= out
JOBS       ?= $(shell nproc)
CMAKE_GEN  := -G Ninja

.PHONY: all deps configure build test test-asan bench measure-desktop fuzz run gallery clean

all: build

deps:
	@scripts/install-deps.sh

$(BUILD)/build.ninja: CMakeLists.txt | deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B $(BUILD_ASAN) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DSPCTM_SANITIZE=ON
	cmake --build $(BUILD_ASAN) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir $(BUILD_ASAN) --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BUILD_REL) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DSPCTM_BUILD_TESTS=OFF -DSPCTM_BUILD_BENCH=ON
	cmake --build $(BUILD_REL) -j $(JOBS)
	@set -e; for b in $(BUILD_REL)/bin/bench_*; do echo "== $$b"; "$$b"; done

# Figures of the viewer on a private X server: start-up, idle CPU, drag latency, animation.
measure-desktop: bench
	$(BUILD_REL)/bin/measure_desktop

# libFuzzer targets, built with clang and the sanitizers; each fuzz/corpus/NAME folder has
# its target fuzz_NAME, which runs FUZZ_TIME seconds on a scratch copy of that corpus (new
# findings stay in $(BUILD_FUZZ)/corpus). An input running over 20 seconds counts as a
# finding, like a crash.
FUZZ_NAMES := $(notdir $(wildcard fuzz/corpus/*))

fuzz:
	@scripts/install-deps.sh fuzz
	CC=clang CXX=clang++ cmake -S . -B $(BUILD_FUZZ) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug \
	  -DSPCTM_FUZZ=ON -DSPCTM_BUILD_TESTS=OFF
	cmake --build $(BUILD_FUZZ) -j $(JOBS) $(foreach n,$(FUZZ_NAMES),--target fuzz_$(n))
	@set -e; for n in $(FUZZ_NAMES); do \
	  mkdir -p $(BUILD_FUZZ)/corpus/$$n; \
	  cp -n fuzz/corpus/$$n/* $(BUILD_FUZZ)/corpus/$$n/; \
	  $(BUILD_FUZZ)/bin/fuzz_$$n -max_total_time=$(FUZZ_TIME) -timeout=20 \
	    -artifact_prefix=$(BUILD_FUZZ)/$$n- $(BUILD_FUZZ)/corpus/$$n; \
	done

# With a display (DISPLAY set) the viewer on the demo dataset; without one the gallery
# below, and where it is and how to open the viewer.
run: build
	@if [ -n "$$DISPLAY" ]; then \
	  echo "make run: opening the viewer (build/bin/spctm-view show --demo); close its main window to end"; \
	  $(BUILD)/bin/spctm-view show --demo; \
	else \
	  $(MAKE) --no-print-directory gallery && \
	  echo "make run: no display (DISPLAY is not set): the pictures are in $(OUT)/." && \
	  echo "make run: with a display, make run opens the viewer; or run $(BUILD)/bin/spctm-view show --demo"; \
	fi

# The demo dataset's single-channel view of the sensor nearest the gamma burst for every
# class and kind, the single-channel window of that sensor for every class, and in facade/
# the three windows with both display-parameter dialogs opened by one facade (one shared
# range in every colour scale); for MEG and EEG
# the topographic flags (one patch per sensor on the head layout) and the Results power's
# alpha decrease as a field, beta rebound as lines and gamma burst as both; and every
# channel in columns: the Results power, then again from time point 40 on with the draw
# settings the first saved (ranges, layout, grid); the twelve topographic windows (flags
# and contour field/line, MEG and EEG, Act, Ctl, Rst) and four frames of the Results
# windows' animation.
gallery: build
	@mkdir -p $(OUT)
	$(BUILD)/bin/platform-demo $(OUT)/platform-demo.png
	@set -e; for c in act ctl rst; do for k in real imag power; do \
	  $(BUILD)/bin/spctm-view render --view single --class $$c --kind $$k --channel MZO02 \
	    --zoom 6 --size 1000x440 --select 50,80,6,10 --wave --out $(OUT)/single-$$c-$$k.png; \
	done; done
	$(BUILD)/bin/spctm-view render --view single --class rst --kind power --channel MZO01 \
	  --zoom 6 --size 1000x440 --select 85,95,30,35 --range -1,1 --out $(OUT)/effect-alpha-MZO01.png
	$(BUILD)/bin/spctm-view render --view single --class rst --kind power --channel MLC32 \
	  --zoom 6 --size 1000x440 --select 85,95,30,35 --range -3,3 --out $(OUT)/effect-beta-MLC32.png
	@set -e; for c in act ctl rst; do \
	  $(BUILD)/bin/spctm-view snapshot --window single-$$c --channel MZO02 --select 85,95,30,35 --autofit \
	    --out $(OUT)/window-single-$$c.png; \
	done
	$(BUILD)/bin/spctm-view snapshot --window stdset-meg --class rst --out $(OUT)/window-stdset-meg.png
	$(BUILD)/bin/spctm-view snapshot --window stdset-eeg --class rst --kind real --out $(OUT)/window-stdset-eeg.png
	@mkdir -p $(OUT)/facade
	$(BUILD)/bin/spctm-view snapshot --window single-act --window single-ctl --window single-rst \
	  --window stdset-meg --window stdset-eeg --class rst --channel MZO02 --select 85,95,30,35 \
	  --out $(OUT)/facade
	$(BUILD)/bin/spctm-view snapshot --window measure --class rst --channel MZO02 --select 10,30,26,30 \
	  --out $(OUT)/window-measure.png
	$(BUILD)/bin/spctm-view measure --class rst --all-channels --select 10,30,26,30 --format csv \
	  --out $(OUT)/measure-gamma.csv
	@set -e; for m in meg eeg; do \
	  $(BUILD)/bin/spctm-view render --view flags --modality $$m --class rst --kind power --range -3,3 \
	    --window-time 10,45 --window-freq 0,38 --size 1200x1000 --out $(OUT)/flags-$$m.png; \
	  $(BUILD)/bin/spctm-view render --view field --modality $$m --class rst --kind power --at-ms 200 \
	    --window-time 0,40 --at-hz 8 --window-freq 0,2 --size 1000x900 --out $(OUT)/field-alpha-$$m.png; \
	  $(BUILD)/bin/spctm-view render --view lines --modality $$m --class rst --kind power --at-ms 500 \
	    --window-time 0,30 --at-hz 18 --window-freq 0,4 --size 1000x900 --out $(OUT)/lines-beta-$$m.png; \
	  $(BUILD)/bin/spctm-view render --view fieldlines --modality $$m --class rst --kind power --at-ms 100 \
	    --window-time 0,20 --at-hz 56 --window-freq 0,4 --size 1000x900 --out $(OUT)/fieldlines-gamma-$$m.png; \
	done
	@set -e; for m in meg eeg; do for c in act ctl rst; do \
	  $(BUILD)/bin/spctm-view snapshot --window flags-$$m-$$c --select 10,40,0,38 --autofit \
	    --out $(OUT)/window-flags-$$m-$$c.png; \
	  $(BUILD)/bin/spctm-view snapshot --window field-$$m-$$c --select 10,50,2,4 --animate 1 \
	    --out $(OUT)/window-field-$$m-$$c.png; \
	done; done
	@set -e; for n in 0 1 2 3; do \
	  $(BUILD)/bin/spctm-view snapshot --window flags-meg-rst --select 0,30,0,38 --autofit --animate $$n \
	    --out $(OUT)/animate-flags-meg-rst-$$n.png; \
	  $(BUILD)/bin/spctm-view snapshot --window field-meg-rst --select 0,20,26,30 --animate $$n \
	    --out $(OUT)/animate-field-meg-rst-$$n.png; \
	done
	$(BUILD)/bin/spctm-view render --view columns --class rst --kind power --columns 8 --grid \
	  --select 60,70,0,38 --size 1800x1100 --out $(OUT)/columns-all.png \
	  --save-settings $(OUT)/columns.settings
	$(BUILD)/bin/spctm-view render --view columns --class rst --kind power --begin 40,0 \
	  --select 60,70,0,38 --settings $(OUT)/columns.settings --size 1800x1100 \
	  --out $(OUT)/columns-later.png

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_REL) $(BUILD_FUZZ)
