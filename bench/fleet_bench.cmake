# The identity guard's cost and a fleet radio's time on a real line (bench/fleet_transfer.sh).
if(TARGET rse_qt_serial)
    add_executable(rse_fleet_bench ${CMAKE_CURRENT_SOURCE_DIR}/fleet_bench.cpp)
    target_link_libraries(rse_fleet_bench PRIVATE rse_core rse_qt_serial Qt6::Core)
endif()
