# The clone protocol engine's own CPU cost (bench/link_transfer.sh measures the real line).
if(TARGET rse_sim_radio)
    add_executable(rse_link_bench ${CMAKE_CURRENT_SOURCE_DIR}/link_engine_bench.cpp)
    target_include_directories(rse_link_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests/link)
    target_link_libraries(rse_link_bench PRIVATE rse_sim_radio rse_core benchmark::benchmark)
endif()
