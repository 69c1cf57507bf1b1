# Start-up benchmark of the console: `orda --simulate --exit-after-startup`
# against a minimal multiple-document Qt program (bench/arranque.sh runs both).
if(ORDA_BENCH AND TARGET orda)
  find_package(Qt6 REQUIRED COMPONENTS Widgets)
  add_executable(orda_arranque_referencia ${CMAKE_CURRENT_LIST_DIR}/arranque_referencia.cpp)
  target_link_libraries(orda_arranque_referencia PRIVATE Qt6::Widgets)
endif()
