quillan_bench(bench_scoring SOURCES scoring_bench.cpp DEPS quillan::scoring)
