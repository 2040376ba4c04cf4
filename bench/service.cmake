# The data service: one evaluation's queries (Google Benchmark), and wrk against the standalone
# server (bench_service_wrk runs bench/service_wrk.sh; wrk is a bench-only package).
quillan_bench(bench_service SOURCES service_bench.cpp DEPS quillan::service PkgConfig::HTTPLIB)
target_compile_definitions(bench_service PRIVATE QUILLAN_BUILT_DATABASE="${QUILLAN_BUILT_DATABASE}")
add_dependencies(bench_service quillan_database)

add_executable(bench_wrk_bodies wrk_bodies.cpp)
target_link_libraries(bench_wrk_bodies PRIVATE quillan_options quillan::dataservice)
add_dependencies(benchmarks bench_wrk_bodies)
add_custom_target(bench_service_wrk
  COMMAND bash "${CMAKE_CURRENT_SOURCE_DIR}/service_wrk.sh" $<TARGET_FILE:quillan-dataservice>
          $<TARGET_FILE:bench_wrk_bodies> "${QUILLAN_BUILT_DATABASE}"
  DEPENDS quillan-dataservice bench_wrk_bodies quillan_database
  USES_TERMINAL)
