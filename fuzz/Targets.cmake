# The fuzz targets: name, source under fuzz/targets, libraries. Shared by the libFuzzer build
# (fuzz/CMakeLists.txt) and the corpus replay of the test suite (tests/reliability).
set(SIM_FUZZ_TARGETS
    whole_number factor_file geometry_file message_lines component_collides evaluate_apparatus)
set(SIM_FUZZ_whole_number_SOURCE WholeNumber.cpp)
set(SIM_FUZZ_whole_number_LIBS common)
set(SIM_FUZZ_factor_file_SOURCE FactorFile.cpp)
set(SIM_FUZZ_factor_file_LIBS apparatus_core)
set(SIM_FUZZ_geometry_file_SOURCE GeometryFile.cpp)
set(SIM_FUZZ_geometry_file_LIBS geometry_core)
set(SIM_FUZZ_message_lines_SOURCE MessageLines.cpp)
set(SIM_FUZZ_message_lines_LIBS widgets)
set(SIM_FUZZ_component_collides_SOURCE ComponentCollides.cpp)
set(SIM_FUZZ_component_collides_LIBS geometry_core)
set(SIM_FUZZ_evaluate_apparatus_SOURCE EvaluateApparatus.cpp)
set(SIM_FUZZ_evaluate_apparatus_LIBS geometry_core physics)
