# Two entry points: `make run` starts the editor, `make test` runs every test.
JOBS ?= $(shell nproc)

.PHONY: run test deps build build-test bench clean

deps:
	./scripts/install-deps.sh

build: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
	cmake --build build -j $(JOBS) --target kanaleditor

run: build
	QTWEBENGINE_DISABLE_SANDBOX=1 ./build/app/kanaleditor

build-test: deps
	cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON -DENABLE_SANITIZERS=ON
	cmake --build build-test -j $(JOBS)

test: build-test
	cd build-test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DBUILD_BENCHMARKS=ON
	cmake --build build-bench -j $(JOBS)
	# Only the benchmark executables: the folder also holds their *_autogen directories.
	for b in build-bench/bench/bench_*; do if [ -f "$$b" ] && [ -x "$$b" ]; then "$$b" || exit 1; fi; done

clean:
	rm -rf build build-test build-bench
