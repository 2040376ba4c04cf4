# Calendar conversions per second: Gregorian date-time to lunar date and four pillars.
quillan_bench(calendar_bench SOURCES "${CMAKE_CURRENT_LIST_DIR}/calendar_bench.cpp" DEPS quillan::calendar)
