# The layer check's refusal of includes that climb with "..", against a
# core folder made for each case.
#   cmake -DVARKEL_CHECK=<LayerCheck.cmake> -DVARKEL_WORK=<folder> -P LayerCheckTest.cmake
function(expect_check name content expected)
  set(dir ${VARKEL_WORK}/${name}/model)
  file(REMOVE_RECURSE ${VARKEL_WORK}/${name})
  file(WRITE ${dir}/Node.cpp "${content}\n")
  execute_process(COMMAND ${CMAKE_COMMAND} -DVARKEL_CORE_DIRS=${dir} -P ${VARKEL_CHECK}
    RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
  if(expected STREQUAL "refused" AND rc EQUAL 0)
    message(FATAL_ERROR "The layer check lets through ${name}: ${content}")
  elseif(expected STREQUAL "passed" AND NOT rc EQUAL 0)
    message(FATAL_ERROR "The layer check refuses ${name}: ${content}")
  endif()
endfunction()

expect_check(layer_path "#include \"model/Node.h\"\n#include <vector> // see ../docs" passed)
expect_check(parent "#include \"../persist/XmlFile.h\"" refused)
expect_check(through_own "#  include \"model/../persist/XmlFile.h\"" refused)
expect_check(angle "#include <../link/Frame.h>" refused)
expect_check(dotted "#include \"./../export/SheetCells.h\"" refused)
