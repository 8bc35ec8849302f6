# Proves at configure time that the layers are enforced: with the include
# directories a core library really compiles with, a header of a layer it
# must not use cannot be found, while one of its own layer can. Runs the
# compiler's preprocessor on a one-line file per pair. A path with ".." in
# an include would climb out of the include root past that wall, so no core
# file may have one.
#   As a script (cmake -DVARKEL_CORE_DIRS=<folders> -P LayerCheck.cmake) it
#   only looks for such includes, which is how its own test runs it.

# Every include of a core file that climbs with "..", as "file: line".
function(varkel_climbing_includes folders out)
  set(found)
  foreach(folder IN LISTS folders)
    file(GLOB files ${folder}/*.h ${folder}/*.cpp)
    foreach(file IN LISTS files)
      file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include")
      foreach(line IN LISTS lines)
        if(line MATCHES "[<\"]([^\">]*/)?\\.\\./")
          get_filename_component(name ${file} NAME)
          get_filename_component(dir ${folder} NAME)
          list(APPEND found "${dir}/${name}: ${line}")
        endif()
      endforeach()
    endforeach()
  endforeach()
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

function(varkel_refuse_climbing_includes folders)
  varkel_climbing_includes("${folders}" found)
  if(found)
    string(REPLACE ";" "\n  " found "${found}")
    message(FATAL_ERROR "Layer check: an include climbs out of its layer with \"..\"; "
                        "name the header from its folder (\"model/Node.h\"):\n  ${found}")
  endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
  varkel_refuse_climbing_includes("${VARKEL_CORE_DIRS}")
  return()
endif()

set(layer_probe_dir ${CMAKE_BINARY_DIR}/layercheck)
file(MAKE_DIRECTORY ${layer_probe_dir})

# The include directories a core library's own sources compile with.
function(varkel_layer_includes target out)
  get_target_property(dirs ${target} INCLUDE_DIRECTORIES)
  get_target_property(links ${target} LINK_LIBRARIES)
  foreach(lib IN LISTS links)
    if(lib MATCHES "^varkel_")
      get_target_property(more ${lib} INTERFACE_INCLUDE_DIRECTORIES)
      list(APPEND dirs ${more})
    endif()
  endforeach()
  list(REMOVE_DUPLICATES dirs)
  set(${out} ${dirs} PARENT_SCOPE)
endfunction()

# 0 when the preprocessor finds the header with those directories.
function(varkel_probe_include header dirs out)
  string(MAKE_C_IDENTIFIER "${header}" id)
  set(probe ${layer_probe_dir}/${id}.cpp)
  file(WRITE ${probe} "#include \"${header}\"\n")
  set(flags)
  foreach(d IN LISTS dirs)
    list(APPEND flags -I${d})
  endforeach()
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -std=c++20 -E ${flags} ${probe}
    RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
  set(${out} ${rc} PARENT_SCOPE)
endfunction()

# A header of each folder, to probe with.
set(layer_probe_header_model model/Node.h)
set(layer_probe_header_persist persist/XmlFile.h)
set(layer_probe_header_link link/SerialLink.h)
set(layer_probe_header_export export/WorkbookExport.h)
set(layer_probe_header_probe probe/ProbeSession.h)
set(layer_probe_header_cli cli/CliApp.h)
set(layer_probe_header_sim sim/GatewaySim.h)
set(layer_probe_header_ui ui/CMainFrame.h)
set(layer_probe_header_widgets widgets/HyperlinkLabel.h)

# Library: folders it may include beyond its own.
set(layer_allowed_model model)
set(layer_allowed_persist persist model)
set(layer_allowed_link link model)
set(layer_allowed_export export model)
set(layer_allowed_probe probe model link)

foreach(layer model persist link export probe)
  varkel_layer_includes(varkel_${layer} dirs)
  foreach(folder model persist link export probe cli sim ui widgets)
    varkel_probe_include(${layer_probe_header_${folder}} "${dirs}" rc)
    if(folder IN_LIST layer_allowed_${layer})
      if(NOT rc EQUAL 0)
        message(FATAL_ERROR "Layer check: varkel_${layer} cannot include "
                            "${layer_probe_header_${folder}}, which it links.")
      endif()
    elseif(rc EQUAL 0)
      message(FATAL_ERROR "Layer check: varkel_${layer} can include "
                          "${layer_probe_header_${folder}}; ${folder}/ is not one of its layers.")
    endif()
  endforeach()
endforeach()

set(layer_core_dirs)
foreach(layer model persist link export probe)
  list(APPEND layer_core_dirs ${PROJECT_SOURCE_DIR}/${layer})
endforeach()
varkel_refuse_climbing_includes("${layer_core_dirs}")
