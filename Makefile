# Set-up, build, test and run of zentara and dapplix on the simulated camera SDK.
BUILD ?= build
APP ?= zentara
BUILD_TYPE ?= RelWithDebInfo
CMAKE_ARGS ?=
JOBS ?= $(shell nproc)

# Debian packages the project needs to build, test and run.
DEPS = cmake make g++ pkg-config clang-format \
       qtbase5-dev qttools5-dev qttools5-dev-tools qttranslations5-l10n \
       libbenchmark-dev xvfb xauth

.PHONY: deps build test run format ts clean

deps:
	@missing=""; for p in $(DEPS); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  if [ "$$(id -u)" = 0 ]; then SUDO=; else SUDO=sudo; fi; \
	  $$SUDO apt-get update -qq && DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y -qq $$missing; \
	fi

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_ARGS) > /dev/null
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

run: build
	@app=$(BUILD)/bin/$(APP); [ -x "$$app" ] || app=$(BUILD)/bin/vyrosim; \
	if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
	  export QT_QPA_PLATFORM=offscreen; fi; \
	if [ "$$app" = "$(BUILD)/bin/vyrosim" ]; then exec "$$app" list; else exec "$$app"; fi

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
