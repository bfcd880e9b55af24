# Two commands for a newcomer:
#   make run    set up, build and start the program on the sample course
#   make test   set up, build and run the whole test suite
BUILD ?= build
JOBS  ?= $(shell nproc)

# QtWebEngine refuses to start as root without this.
ROOT_ENV := $(if $(filter 0,$(shell id -u)),QTWEBENGINE_DISABLE_SANDBOX=1,)

.PHONY: setup configure build run test bench fuzz clean

setup:
	@echo "== checking Debian packages"
	@bash tools/setup.sh

configure: setup
	@echo "== configuring in $(BUILD)"
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@echo "== building"
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@echo "== starting the program in $(BUILD)/course"
	@cd $(BUILD)/course && if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	    echo "no display: starting under xvfb-run"; \
	    env $(ROOT_ENV) xvfb-run -a -s "-screen 0 1280x1024x24" ../courseshell; \
	  else env $(ROOT_ENV) ../courseshell; fi; \
	  status=$$?; [ $$status -eq 0 ] || echo "courseshell exited with status $$status"; exit $$status

test: build
	@echo "== running the tests"
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	@echo "== running the benchmarks"
	@cmake --build $(BUILD) --target bench -- --no-print-directory -s

# Every fuzz target for FUZZ_TIME seconds (two at a time).
FUZZ_TIME ?= 600
fuzz: build
	@echo "== fuzzing each target for $(FUZZ_TIME) s"
	@bash tools/fuzz.sh $(BUILD)/fuzz $(FUZZ_TIME)

clean:
	rm -rf $(BUILD)
