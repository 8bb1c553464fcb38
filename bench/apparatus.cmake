# The real window on Qt's own timers: how long the pump-down takes in wall time.
add_executable(pumpdown_bench ${CMAKE_CURRENT_SOURCE_DIR}/PumpDownBench.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/QtBenchMain.cpp)
sim_warnings(pumpdown_bench)
target_link_libraries(pumpdown_bench PRIVATE apparatus benchmark::benchmark)
