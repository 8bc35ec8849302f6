# Proves that the model shows and draws nothing: no file of the folder calls
# the message sink (only model/Messages.* declare and define it), names a
# grid colour, a tree image, a tree or grid filler, or writes a sheet cell.
# The other core folders show no message either. Included, it checks the
# core and stops the configure; as a script
# (cmake -DVARKEL_MODEL_DIR=<folder> -P ModelCheck.cmake) it checks the
# folder and fails on a finding, which is how its own test runs it.

# Pattern, then what it stands for.
set(varkel_model_forbidden
  "(ShowMessage|AskQuestion)[ \t]*\\(" "a message shown"
  "(Rgb|kWhite|kGrey|GridSink|FillGrid|ShowInGrid)" "a grid colour or filler"
  "(TreeImage|FolderImage|NodeImage|CommandImage|TreeSink|BuildTree)" "a tree image or builder"
  "(SheetSink|SetCell[ \t]*\\()" "a sheet cell")

function(varkel_check_model_folder folder out)
  varkel_check_folder(${folder} varkel_model_forbidden findings)
  set(${out} "${findings}" PARENT_SCOPE)
endfunction()

set(varkel_core_forbidden "(ShowMessage|AskQuestion)[ \t]*\\(" "a message shown")

function(varkel_check_folder folder forbidden out)
  file(GLOB files ${folder}/*.h ${folder}/*.cpp)
  set(findings)
  foreach(file IN LISTS files)
    get_filename_component(name ${file} NAME)
    if(name MATCHES "^Messages\\.(h|cpp)$")
      continue()
    endif()
    file(STRINGS ${file} lines)
    set(pairs ${${forbidden}})
    while(pairs)
      list(POP_FRONT pairs pattern what)
      foreach(line IN LISTS lines)
        if(line MATCHES "${pattern}")
          string(REPLACE ";" "," line "${line}")
          string(STRIP "${line}" line)
          list(APPEND findings "${name}: ${what}: ${line}")
          break()
        endif()
      endforeach()
    endwhile()
  endforeach()
  set(${out} "${findings}" PARENT_SCOPE)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
  varkel_check_model_folder(${VARKEL_MODEL_DIR} findings)
  if(findings)
    string(REPLACE ";" "\n" findings "${findings}")
    message(FATAL_ERROR "Model check:\n${findings}")
  endif()
else()
  varkel_check_model_folder(${PROJECT_SOURCE_DIR}/model findings)
  foreach(layer persist link export probe)
    varkel_check_folder(${PROJECT_SOURCE_DIR}/${layer} varkel_core_forbidden layer_findings)
    foreach(finding IN LISTS layer_findings)
      list(APPEND findings "${layer}/${finding}")
    endforeach()
  endforeach()
  if(findings)
    string(REPLACE ";" "\n" findings "${findings}")
    message(FATAL_ERROR "Model check: the core shows a message or the model draws; move it to a front end:\n"
                        "${findings}")
  endif()
endif()
