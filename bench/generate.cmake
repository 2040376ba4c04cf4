quillan_bench(bench_generate SOURCES generate_bench.cpp DEPS quillan::generate quillan::evaluate quillan::sources quillan::service)
