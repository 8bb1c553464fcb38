sim_bench(physics_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/PhysicsBench.cpp LIBS physics)
