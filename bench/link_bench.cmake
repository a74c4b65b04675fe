# The clone protocol engine's own CPU cost (bench/link_transfer.sh measures the real line).
add_executable(rse_link_bench ${CMAKE_CURRENT_SOURCE_DIR}/link_engine_bench.cpp)
target_link_libraries(rse_link_bench PRIVATE rse_test_fake_link benchmark::benchmark)
