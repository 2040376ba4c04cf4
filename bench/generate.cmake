quillan_bench(bench_generate SOURCES generate_bench.cpp DEPS quillan::generate quillan::quality quillan::bazi quillan::evaluate quillan::sources quillan::service)
