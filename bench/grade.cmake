# A whole class graded: 100 contestants x 5 geometries x 39 set points.
sim_bench(grade_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/GradeBench.cpp LIBS grade_core)
target_include_directories(grade_bench PRIVATE ${PROJECT_SOURCE_DIR})
