# Two commands for a newcomer:
#   make run    set up, build and start the program on the sample course
#   make test   set up, build and run the whole test suite
BUILD ?= build
JOBS  ?= $(shell nproc)

# QtWebEngine refuses to start as root without this.
ROOT_ENV := $(if $(filter 0,$(shell id -u)),QTWEBENGINE_DISABLE_SANDBOX=1,)

.PHONY: setup configure build run test bench sanitize fuzz clean

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

# The program under AddressSanitizer and UndefinedBehaviorSanitizer, with the
# monkey test at full size. Any report fails the run. -nocrashhandler: QtTest's
# own handler would take a bad access before AddressSanitizer could name it;
# the run takes longer under the sanitizers than QtTest's 5-minute limit.
ASAN_BUILD ?= build-asan
SANITIZE_FLAGS := -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined
# new_delete_type_mismatch=0: Chromium inside QtWebEngineCore frees its own
# objects with a size of its own (both ends in that library); ASan cannot
# suppress that check per library, only switch it off.
SANITIZE_ENV := ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:halt_on_error=1:new_delete_type_mismatch=0 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tools/sanitize/lsan.supp:print_suppressions=0 \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:suppressions=$(CURDIR)/tools/sanitize/ubsan.supp \
  MONKEY_EVENTS=$${MONKEY_EVENTS:-100000} QTEST_FUNCTION_TIMEOUT=7200000

sanitize: setup
	@echo "== configuring in $(ASAN_BUILD) with AddressSanitizer and UndefinedBehaviorSanitizer"
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)" >/dev/null
	@echo "== building"
	@cmake --build $(ASAN_BUILD) -j $(JOBS) --target tst_monkey
	@echo "== running the monkey test under the sanitizers"
	@cd $(ASAN_BUILD)/tests && env $(SANITIZE_ENV) QT_QPA_PLATFORM=offscreen \
	  QTWEBENGINE_DISABLE_SANDBOX=1 LC_ALL=C.UTF-8 ./tst_monkey -nocrashhandler

# Every fuzz target for FUZZ_TIME seconds (two at a time).
FUZZ_TIME ?= 600
fuzz: build
	@echo "== fuzzing each target for $(FUZZ_TIME) s"
	@bash tools/fuzz.sh $(BUILD)/fuzz $(FUZZ_TIME)

clean:
	rm -rf $(BUILD)
