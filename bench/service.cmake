# The data service: one evaluation's queries (Google Benchmark), and wrk against the standalone
# server (bench_service_wrk runs bench/service_wrk.sh; wrk is a bench-only package).
# Until the dictionary is in the bundled database: the fixture's characters with the real
# numerology texts (or the fixture's, while those are missing too).
set(_bench_fixture_dir "${PROJECT_SOURCE_DIR}/tests/data/dataservice")
set(_bench_fixture "${CMAKE_CURRENT_BINARY_DIR}/bench_fixture.sqlite")
set(_bench_texts_dir "${PROJECT_SOURCE_DIR}/data/numerology")
if(NOT EXISTS "${_bench_texts_dir}/z81.tsv" OR NOT EXISTS "${_bench_texts_dir}/zsancai.tsv")
  set(_bench_texts_dir "${_bench_fixture_dir}")
endif()
add_custom_command(
  OUTPUT "${_bench_fixture}"
  COMMAND quillan-dbbuild --out "${_bench_fixture}" --characters "${_bench_fixture_dir}/characters.tsv"
          --z81 "${_bench_texts_dir}/z81.tsv" --zsancai "${_bench_texts_dir}/zsancai.tsv"
  DEPENDS quillan-dbbuild "${_bench_fixture_dir}/characters.tsv" "${_bench_texts_dir}/z81.tsv"
          "${_bench_texts_dir}/zsancai.tsv")
add_custom_target(bench_fixture_database DEPENDS "${_bench_fixture}")

quillan_bench(bench_service SOURCES service_bench.cpp DEPS quillan::service PkgConfig::HTTPLIB SQLite::SQLite3)
target_compile_definitions(bench_service PRIVATE QUILLAN_BUILT_DATABASE="${QUILLAN_BUILT_DATABASE}"
                                                 QUILLAN_BENCH_FIXTURE="${_bench_fixture}")
add_dependencies(bench_service bench_fixture_database quillan_database)

add_executable(bench_wrk_bodies wrk_bodies.cpp)
target_link_libraries(bench_wrk_bodies PRIVATE quillan_options quillan::dataservice)
add_dependencies(benchmarks bench_wrk_bodies)
add_custom_target(bench_service_wrk
  COMMAND bash "${CMAKE_CURRENT_SOURCE_DIR}/service_wrk.sh" $<TARGET_FILE:quillan-dataservice>
          $<TARGET_FILE:bench_wrk_bodies> "${QUILLAN_BUILT_DATABASE}" "${_bench_fixture}"
  DEPENDS quillan-dataservice bench_wrk_bodies bench_fixture_database quillan_database
  USES_TERMINAL)
