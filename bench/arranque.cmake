# Start-up benchmark of the console: orda_arranque, the console itself with a
# hook that reports and quits once it is shown, against a minimal
# multiple-document Qt program (bench/arranque.sh runs both).
if(ORDA_BENCH AND TARGET orda_gui)
  add_executable(orda_arranque ${CMAKE_CURRENT_LIST_DIR}/arranque_consola.cpp)
  target_link_libraries(orda_arranque PRIVATE orda_gui)
  find_package(Qt6 REQUIRED COMPONENTS Widgets)
  add_executable(orda_arranque_referencia ${CMAKE_CURRENT_LIST_DIR}/arranque_referencia.cpp)
  target_link_libraries(orda_arranque_referencia PRIVATE Qt6::Widgets)
endif()
