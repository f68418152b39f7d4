# Set-up, build, test and run of zentara and dapplix on the simulated camera SDK.
BUILD ?= build
APP ?= zentara
BUILD_TYPE ?= RelWithDebInfo
CMAKE_ARGS ?=
CTEST_ARGS ?=
JOBS ?= $(shell nproc)
# Most tests wait on the simulator and on timers rather than compute: twice as many run at once
# as there are cores.
TEST_JOBS ?= $(shell echo $$((2 * $(JOBS))))
# The build's own make runs quietly: no "Entering/Leaving directory" lines.
MAKEFLAGS += --no-print-directory

# Debian packages the project needs to build, test and run.
DEPS = cmake make ninja-build g++ pkg-config clang-format \
       qtbase5-dev qttools5-dev qttools5-dev-tools qttranslations5-l10n \
       libbenchmark-dev xvfb xauth \
       debhelper dpkg-dev fakeroot lintian desktop-file-utils appstream man-db file ccache \
       libaravis-dev libusb-1.0-0-dev aravis-tools aravis-tools-cli iproute2 util-linux

.PHONY: app-check deps cross-deps build build-run cross cross-test deb test test-asan test-tsan fuzz soak \
  run format ts tidy clean

# Debian packages of the ARM hard-float cross-build; the host's Qt tools (moc, rcc, uic, lrelease)
# run during it, so `deps` comes first. Never a prerequisite of build, test or run.
CROSS_DEPS = crossbuild-essential-armhf qtbase5-dev:armhf qttools5-dev:armhf file qemu-user \
             libaravis-dev:armhf libusb-1.0-0-dev:armhf
CROSS_BUILD ?= build-armhf

# Installs the Debian packages of $(1) that are missing. One dpkg-query answers for all of them,
# so that a set-up with nothing to do costs no time.
define install-missing
	@installed=" $$(dpkg-query -W -f='$${Package}:$${Status}\n' $(1) 2>/dev/null | \
	  sed -n 's/^\([^:]*\):install ok installed$$/\1/p' | tr '\n' ' ')"; \
	missing=""; for p in $(1); do \
	  case "$$installed" in *" $$p "*) ;; *) missing="$$missing $$p";; esac; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  if [ "$$(id -u)" = 0 ]; then SUDO=; else SUDO=sudo; fi; \
	  $$SUDO apt-get update -qq && DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y -qq $$missing; \
	fi
endef

deps:
	$(call install-missing,$(DEPS))

cross-deps: deps
	@if [ "$$(id -u)" = 0 ]; then SUDO=; else SUDO=sudo; fi; \
	if ! dpkg --print-foreign-architectures | grep -qx armhf; then \
	  echo "Adding the armhf architecture"; $$SUDO dpkg --add-architecture armhf; fi; \
	missing=""; for p in $(CROSS_DEPS); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $$SUDO apt-get update -qq && DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y -qq $$missing; \
	fi

# Configures $(BUILD) when it is new or the options changed (the build regenerates itself when a
# CMakeLists.txt changes), then builds the targets $(1) (all when empty). A new build directory
# uses Ninja, whose moc steps, unlike make's, do nothing when nothing changed; one made earlier
# keeps its generator. The lines a build with nothing to do would print ("Built target",
# "Automatic MOC", the seam check, "no work to do") are left out; compiler lines and errors stay.
define cmake-build
	@options="-DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_ARGS)"; \
	if [ ! -f $(BUILD)/CMakeCache.txt ]; then generator="-G Ninja"; else generator=; fi; \
	if [ -n "$$generator" ] || [ "$$(cat $(BUILD)/.make-options 2>/dev/null)" != "$$options" ]; then \
	  cmake -S . -B $(BUILD) $$generator $$options > /dev/null && echo "$$options" > $(BUILD)/.make-options; \
	fi
	@bash -o pipefail -c 'cmake --build $(BUILD) -j $(JOBS) $(if $(1),--target $(1)) | \
	  sed -u -E "/^(\[[^]]*\] (Built target |Automatic (MOC|RCC) for target |Re-checking globbed directories|Checking the SDK seam)|ninja: no work to do)/d"'
endef

build: deps
	$(call cmake-build,)

# What make run starts: both programs, the simulated library, vyrosim and the catalogues (the
# programs depend on theirs); not the tests, fuzz targets or benchmarks.
RUN_TARGETS = zentara dapplix vyrosim vyro_api
build-run: deps
	$(call cmake-build,$(RUN_TARGETS))

# zentara, dapplix, libvyro_api.so.1, vyrosim and the test suite for ARM hard-float in
# $(CROSS_BUILD), warnings as errors; no benchmarks. make cross-test runs the suite.
cross: cross-deps
	@cmake -S . -B $(CROSS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-armhf.cmake \
	  -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DVYRO_WERROR=ON -DVYRO_BUILD_TESTS=ON \
	  -DVYRO_BUILD_BENCH=OFF -DCMAKE_CROSSCOMPILING_EMULATOR=$(CURDIR)/.ci/emulated-test \
	  $(CMAKE_ARGS) > /dev/null
	@cmake --build $(CROSS_BUILD) -j $(JOBS)

# The armhf suite of $(CROSS_BUILD) under qemu user-mode emulation (make cross first). It runs in
# a user, mount and PID namespace of its own: the namespace's private binfmt_misc hands armhf
# programs to qemu-arm (also those the tests start), nothing changes for the machine, and a test
# that signals a process can only reach the suite's own processes. Under VYRO_EMULATED,
# .ci/emulated-test (the cross-build's test launcher) skips the functions .ci/emulated-skips names.
# The emulated tests, too, mostly wait: they run TEST_JOBS at once, as the native suite does.
cross-test:
	@test -x $(CROSS_BUILD)/bin/tst_packedversion || { \
	  echo "make cross-test: no armhf suite in $(CROSS_BUILD); run make cross first" >&2; exit 2; }
	unshare --user --map-root-user --mount --pid --fork --mount-proc \
	  env VYRO_EMULATED=qemu-arm .ci/emulated-suite $(CROSS_BUILD) $(TEST_JOBS) $(CTEST_ARGS)

# Debian packages of $(ARCH) (default: this machine's) in $(DEB_OUT), built by dpkg-buildpackage
# from a copy of the working tree. A foreign ARCH cross-builds with the multiarch packages that
# make cross-deps installs. Extra CMake options go in DEB_CMAKE_ARGS. The suite is built with the
# programs and a native build runs it (DEB_BUILD_OPTIONS=nocheck leaves it out); DEB_KEEP=1 keeps
# the copy and its build folder, $(DEB_OUT)/src/obj-*, where make cross-test runs a cross-built
# suite.
ARCH ?= $(shell dpkg --print-architecture)
DEB_OUT ?= build-deb/$(ARCH)
DEB_CMAKE_ARGS ?=
DEB_KEEP ?=
deb: deps
	@if [ "$(ARCH)" != "$$(dpkg --print-architecture)" ] && \
	  ! dpkg --print-foreign-architectures | grep -qx "$(ARCH)"; then \
	  echo "make deb: the $(ARCH) architecture is not set up; run make cross-deps first" >&2; \
	  exit 2; fi
	@rm -rf $(DEB_OUT) && mkdir -p $(DEB_OUT)/src
	@git ls-files -z --cached --others --exclude-standard | \
	  perl -0ne 'chomp; print "$$_\0" if -e $$_' | \
	  tar --null -T - -cf - | tar -xf - -C $(DEB_OUT)/src
	cd $(DEB_OUT)/src && DEB_BUILD_OPTIONS="parallel=$(JOBS) $$DEB_BUILD_OPTIONS" \
	  VYRO_CMAKE_EXTRA="$(DEB_CMAKE_ARGS)" \
	  dpkg-buildpackage -b -us -uc $(if $(filter $(ARCH),$(shell dpkg --print-architecture)),,-a$(ARCH))
	@$(if $(DEB_KEEP),,rm -rf $(DEB_OUT)/src)
	@ls -1 $(DEB_OUT)/*.deb

# TEST_TARGETS narrows the build to the tests a run needs (and what they depend on).
TEST_TARGETS ?=
test: deps
	$(call cmake-build,$(TEST_TARGETS))
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(TEST_JOBS) $(CTEST_ARGS)

# clang with its sanitizer runtimes: the sanitizer suite and the fuzz targets build with it.
CLANG_DEPS = clang libclang-rt-14-dev

# The suite under AddressSanitizer and UndefinedBehaviorSanitizer in build-asan, built with clang
# (whose AddressSanitizer finds uses after scope that gcc's misses); any report fails. Leak
# suppressions go to LeakSanitizer only: ASan rejects "leak:" lines.
test-asan: deps
	$(call install-missing,$(CLANG_DEPS))
	@CC=clang CXX=clang++ \
	ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1" \
	LSAN_OPTIONS="suppressions=$(CURDIR)/.ci/lsan.supp:print_suppressions=0" \
	UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1" \
	$(MAKE) test BUILD=build-asan BUILD_TYPE=Debug \
	  CMAKE_ARGS="$(CMAKE_ARGS) -DVYRO_SANITIZE=ON -DVYRO_BUILD_BENCH=OFF"

# The tests of the folders whose code runs threads (the simulator's capture and event threads,
# the event thread, zentara's pool tasks, dapplix's event threads and detection) under
# ThreadSanitizer in build-tsan. Qt is not instrumented: memory accesses inside C library calls
# are not checked, and .ci/tsan.supp silences reports inside Qt's own libraries only. Any report
# fails the test (exit code 66).
TSAN_TEST_FOLDERS = tests/sdk tests/vyrokit/tst_eventthread.cpp tests/zentara/inventory \
  tests/zentara/shell tests/dapplix/camera tests/dapplix/detection tests/dapplix/hotpixels \
  tests/dapplix/ui
test-tsan:
	@names=$$(find $(TSAN_TEST_FOLDERS) -maxdepth 1 -name 'tst_*.cpp' -printf '%f\n' | \
	  sed 's/\.cpp$$//' | LC_ALL=C sort); \
	TSAN_OPTIONS="ignore_interceptors_accesses=1:suppressions=$(CURDIR)/.ci/tsan.supp:second_deadlock_stack=1:history_size=4" \
	$(MAKE) test BUILD=build-tsan BUILD_TYPE=RelWithDebInfo \
	  CMAKE_ARGS="$(CMAKE_ARGS) -DVYRO_SANITIZE=thread -DVYRO_BUILD_BENCH=OFF" \
	  TEST_TARGETS="vyrosim $$(echo $$names)" \
	  CTEST_ARGS="-R '^($$(echo $$names | tr ' ' '|'))(_[0-9]+)?\$$\$$'"

# clang-tidy over the code of the libraries and programs (not the tests) with the checks that
# .clang-tidy names; any finding fails. It reads the compile commands of a clang configuration in
# build-tidy, where nothing is compiled: each unity batch is parsed once, its sources and headers
# with it.
tidy: deps
	$(call install-missing,$(CLANG_DEPS) clang-tidy)
	@CC=clang CXX=clang++ cmake -S . -B build-tidy -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DCMAKE_UNITY_BUILD=ON -DVYRO_BUILD_TESTS=OFF \
	  -DVYRO_BUILD_BENCH=OFF > /dev/null
	@sed -n 's/^ *"file": "\(.*\)",\{0,1\}$$/\1/p' build-tidy/compile_commands.json | \
	  grep -v '_autogen/' | sort -u > build-tidy/tidy-files
	@echo "clang-tidy: $$(wc -l < build-tidy/tidy-files) translation units"
	@xargs -a build-tidy/tidy-files -P $(JOBS) -n 1 clang-tidy -p build-tidy --quiet
	@echo "clang-tidy: no findings"

# The programs make run can start.
APPS = zentara dapplix

app-check:
	@case " $(APPS) " in *" $(APP) "*) ;; \
	  *) echo "make run: no application '$(APP)'; APP is one of: $(APPS)" >&2; exit 2;; esac

# Runs the program on the simulated installation: the simulator's world and a USB tree in
# $(BUILD)/sysroot that matches it (VYRO_SYSROOT relocates the system paths the programs read).
# dapplix starts in the folder of the camera parameter file written there, which it reads by its
# relative name.
run: app-check build-run
	@sysroot="$(abspath $(BUILD))/sysroot"; \
	$(BUILD)/bin/vyrosim sysroot "$$sysroot" > /dev/null && export VYRO_SYSROOT="$$sysroot"; \
	if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
	  echo "No display: $(APP) runs offscreen, where there is nothing to see; stop it with Ctrl+C."; \
	  echo "Over SSH connect with 'ssh -X', or list the cameras on the terminal with"; \
	  echo "VYRO_SYSROOT=$$sysroot $(BUILD)/bin/zentara --list"; \
	  export QT_QPA_PLATFORM=offscreen; fi; \
	program="$(abspath $(BUILD))/bin/$(APP)"; \
	if [ "$(APP)" = dapplix ]; then cd "$$sysroot/usr/share/vyro/dapplix"; fi; \
	exec "$$program"

# Runs every fuzz target (clang and libFuzzer, with ASan and UBSan, in build-fuzz) for
# FUZZ_SECONDS each, starting from its seed corpus in fuzz/corpus; new inputs it finds go to
# build-fuzz/corpus/<target>, crashes to build-fuzz/crashes. FUZZ_TARGETS picks some.
FUZZ_SECONDS ?= 60
FUZZ_BUILD ?= build-fuzz
fuzz: deps
	$(call install-missing,$(CLANG_DEPS))
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DVYRO_FUZZ=ON -DVYRO_BUILD_TESTS=OFF -DVYRO_BUILD_BENCH=OFF $(CMAKE_ARGS) > /dev/null
	@targets="$${FUZZ_TARGETS:-$$(cat $(FUZZ_BUILD)/fuzz-targets.txt)}"; \
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $$targets && \
	mkdir -p $(FUZZ_BUILD)/crashes && \
	home=$$(mktemp -d) && trap 'rm -rf "$$home"' EXIT && \
	for t in $$targets; do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$t; \
	  echo "== $$t ($(FUZZ_SECONDS) s)"; \
	  VYRO_SIM_HOME="$$home/$$t" QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS="detect_leaks=0" $(FUZZ_BUILD)/bin/$$t -max_total_time=$(FUZZ_SECONDS) \
	    -print_final_stats=1 -artifact_prefix=$(FUZZ_BUILD)/crashes/$$t- \
	    $(FUZZ_BUILD)/corpus/$$t fuzz/corpus/$$t > $(FUZZ_BUILD)/$$t.log 2>&1; rc=$$?; \
	  grep -E '^stat::number_of_executed_units' $(FUZZ_BUILD)/$$t.log; \
	  if [ $$rc != 0 ]; then tail -40 $(FUZZ_BUILD)/$$t.log; exit 1; fi; \
	done

# Both programs for SOAK_SECONDS under a storm of world changes; prints their memory and CPU.
SOAK_SECONDS ?= 600
soak: build
	tools/soak/soak.sh $(BUILD) $(SOAK_SECONDS)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Brings every *_de.ts up to date with its folder's sources; then translate what is unfinished.
ts: deps
	.ci/translations --update

clean:
	rm -rf $(BUILD)
