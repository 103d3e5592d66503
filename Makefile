# The two commands of the README:
#   make run   builds both programs and starts tavrek (under Wine on Linux)
#   make test  builds everything and runs every test, native and under Wine
JOBS ?= $(shell nproc)

.PHONY: deps native sanitize tsan windows fuzz fuzz-smoke test test-native test-sanitize test-tsan test-windows run bench gallery dist dist-test clean

deps:
	./tools/install-deps.sh

native: deps
	cmake --preset native >/dev/null
	cmake --build build/native -j$(JOBS)

sanitize: deps
	cmake --preset sanitize >/dev/null
	cmake --build build/sanitize -j$(JOBS)

# Only the test programs: the threads to watch are the automatic player's.
tsan: deps
	cmake --preset tsan >/dev/null
	cmake --build build/tsan --target tavrek-tests tavrek-lite-tests -j$(JOBS)

windows: deps
	cmake --preset windows >/dev/null
	cmake --build build/windows -j$(JOBS)

fuzz: deps
	cmake --preset fuzz >/dev/null
	cmake --build build/fuzz -j$(JOBS)

test-native: native
	ctest --test-dir build/native --output-on-failure -j$(JOBS)

test-sanitize: sanitize
	ctest --test-dir build/sanitize --output-on-failure -j$(JOBS)

# The automatic player's worker against the window thread's clicks. Mesa is
# not built for the race checker, so its rasterizer threads would show its own
# locking as races: it draws on the calling thread here instead.
test-tsan: tsan
	LP_NUM_THREADS=0 ctest --test-dir build/tsan --output-on-failure -j$(JOBS) -R "AutoPlay|StatusMailbox"

test-windows: windows
	./tools/windows-tests.sh build/windows

# A short run of every fuzz harness keeps them building and catches the
# shallow faults; the long runs are made by hand. Each starts from its seed
# corpus (fuzz/corpus, remade by fuzz/make-corpus.py), copied so that what the
# run adds stays in build/.
fuzz-smoke: fuzz
	for f in build/fuzz/fuzz/fuzz-*; do \
	  n=$${f##*/fuzz-}; work=build/fuzz/corpus/$$n; rm -rf $$work; mkdir -p $$work; \
	  cp fuzz/corpus/$$n/* $$work/; dict=; [ -f fuzz/$$n.dict ] && dict=-dict=fuzz/$$n.dict; \
	  $$f $$dict -max_total_time=10 -print_final_stats=0 $$work >/dev/null 2>build/fuzz/fuzz-$$n.log || \
	    { tail -40 build/fuzz/fuzz-$$n.log; exit 1; }; \
	done

test: test-native test-sanitize test-tsan test-windows fuzz-smoke dist-test

bench: native
	for b in build/native/bench/*-bench; do $$b; done

run: windows
	./tools/run-game.sh

# Pictures of every layout, tile set and background in data/, drawn by the
# layout tool, with an index page: build/gallery/index.html.
gallery: deps
	cmake --preset native >/dev/null
	cmake --build build/native --target tavrek-layout -j$(JOBS)
	/usr/bin/python3 tools/gallery/gallery.py build/native/tavrek-layout data build/gallery

# The release: build/dist/Tavrek-<version>-win64-setup.exe and -win64.zip.
dist: deps
	cmake --preset windows >/dev/null
	cmake --build build/windows --target dist -j$(JOBS)

# The release installed, started, reinstalled and uninstalled under Wine.
dist-test: dist
	./tests/release/release-test.sh

clean:
	rm -rf build
