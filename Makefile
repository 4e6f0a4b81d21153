# make run | make test | make bench — each installs what is missing first.
JOBS      ?= $(shell nproc)
RELEASE   := build/release
SANITIZE  := build/sanitize
FUZZ      := build/fuzz
GENERATOR := -G Ninja

.PHONY: deps release sanitize run test bench fuzz format clean

deps:
	@bash scripts/install-deps.sh

release: deps
	@cmake -S . -B $(RELEASE) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DSORVELLA_CORE_TESTS=OFF >/dev/null
	@cmake --build $(RELEASE) -j $(JOBS)

sanitize: deps
	@cmake -S . -B $(SANITIZE) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DSORVELLA_SANITIZE=ON \
	  -DSORVELLA_GUI=OFF -DSORVELLA_BENCH=OFF -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" >/dev/null
	@cmake --build $(SANITIZE) -j $(JOBS)

run: release
	@bash scripts/run.sh $(RELEASE)

test: release sanitize
	@ctest --test-dir $(SANITIZE) --output-on-failure -j $(JOBS)
	@QT_QPA_PLATFORM=offscreen ctest --test-dir $(RELEASE) --output-on-failure -j $(JOBS)

bench: release
	@$(RELEASE)/bench/sorvella_bench

# libFuzzer targets need clang; `make fuzz SECONDS=60` runs each for that long. Every target
# runs, even after one has found something; what a target finds (crash, leak, timeout, memory
# beyond FUZZ_RSS_MB) goes to build/fuzz/artifacts/<target>/, and the run fails at the end
# naming those targets.
SECONDS ?= 30
FUZZ_RSS_MB ?= 1024
fuzz: deps
	@CXX=clang++ cmake -S . -B $(FUZZ) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DSORVELLA_GUI=OFF -DSORVELLA_CORE_TESTS=OFF -DSORVELLA_BENCH=OFF \
	  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined" >/dev/null
	@cmake --build $(FUZZ) -j $(JOBS)
	@found=""; \
	for f in $(FUZZ)/fuzz/*_fuzz; do \
	  name=$$(basename $$f _fuzz); \
	  mkdir -p $(FUZZ)/corpus/$$name $(FUZZ)/artifacts/$$name; \
	  echo "== $$name"; \
	  $$f -max_total_time=$(SECONDS) -timeout=25 -rss_limit_mb=$(FUZZ_RSS_MB) \
	    -print_final_stats=1 -artifact_prefix=$(FUZZ)/artifacts/$$name/ \
	    $(FUZZ)/corpus/$$name fuzz/corpus/$$name || found="$$found $$name"; \
	done; \
	if [ -n "$$found" ]; then \
	  echo "fuzz: found something in:$$found (inputs in $(FUZZ)/artifacts/)"; exit 1; \
	fi

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf build
