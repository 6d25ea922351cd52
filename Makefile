# The two commands of the README:
#   make run   installs what is missing, builds and starts Vidolin
#   make test  installs what is missing, builds and runs every test
#   make check installs what is missing and runs the format, tidy, warning and
#              sanitizer checks (scripts/check.sh)
#   make install [PREFIX=/usr/local] [DESTDIR=...]  installs the built program
BUILD  ?= build
JOBS   ?= $(shell nproc)
PREFIX ?= /usr/local

.PHONY: all deps build run test check bench install clean

all: build

deps:
	@./scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@./scripts/run-vidolin.sh $(BUILD)/bin/vidolin

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

check: deps
	@JOBS=$(JOBS) ./scripts/check.sh

install: build
	@DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

bench: build
	@./bench/run-benchmarks.sh $(BUILD)

clean:
	rm -rf $(BUILD) build-check build-asan build-tsan build-tidy
