# Widget benchmarks need a QApplication: they share a main that makes one.
add_executable(meter_bench ${CMAKE_CURRENT_SOURCE_DIR}/MeterBench.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/QtBenchMain.cpp)
sim_warnings(meter_bench)
target_link_libraries(meter_bench PRIVATE widgets benchmark::benchmark)
