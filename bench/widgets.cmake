# Widget benchmarks need a QApplication, so they bring their own main.
if(TARGET widgets)
    add_executable(meter_bench ${CMAKE_CURRENT_SOURCE_DIR}/MeterBench.cpp)
    sim_warnings(meter_bench)
    target_link_libraries(meter_bench PRIVATE widgets benchmark::benchmark)
endif()
