# The desktop program, offscreen: start-up, the high-score run as the window shows it, event gaps
# and memory. A small harness that prints (the run is driven through the window's event loop).
if(QUILLAN_BUILD_APP)
  add_executable(bench_app app_bench.cpp)
  target_link_libraries(bench_app PRIVATE quillan_options quillan_app)
  add_dependencies(benchmarks bench_app)
endif()
