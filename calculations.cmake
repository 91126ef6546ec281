# The calculations, plain C++ that links no Qt: the numbers library (number
# texts and their parsing, colours, run-time errors) and one library per
# simulator, `ondarell_<folder>_calculation`. The program's build and the
# fuzz targets' both include this file. A simulator is a folder of the
# source tree with a calculation.h; ONDARELL_SIMULATORS lists them.
set(ondarell_top ${CMAKE_CURRENT_LIST_DIR})

add_library(ondarell_numbers STATIC ${ondarell_top}/runtime/numbers.cpp ${ondarell_top}/runtime/spoken.cpp
                             ${ondarell_top}/runtime/colors.cpp)
target_include_directories(ondarell_numbers PUBLIC ${ondarell_top})

file(GLOB simulator_calculations RELATIVE ${ondarell_top} CONFIGURE_DEPENDS ${ondarell_top}/*/calculation.h)
set(ONDARELL_SIMULATORS)
foreach(calculation ${simulator_calculations})
  get_filename_component(simulator ${calculation} DIRECTORY)
  list(APPEND ONDARELL_SIMULATORS ${simulator})
  add_library(ondarell_${simulator}_calculation STATIC ${ondarell_top}/${simulator}/calculation.cpp)
  target_link_libraries(ondarell_${simulator}_calculation PUBLIC ondarell_numbers)
endforeach()
