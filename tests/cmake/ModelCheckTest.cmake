# The model check against folders made for it: a clean one, one for each
# kind of finding, and the message seam itself, which may name the sink.
#   cmake -DVARKEL_CHECK=<ModelCheck.cmake> -DVARKEL_WORK=<folder> -P ModelCheckTest.cmake
function(expect_check name file content expected)
  set(dir ${VARKEL_WORK}/${name})
  file(REMOVE_RECURSE ${dir})
  file(WRITE ${dir}/${file} "${content}\n")
  execute_process(COMMAND ${CMAKE_COMMAND} -DVARKEL_MODEL_DIR=${dir} -P ${VARKEL_CHECK}
    RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
  if(expected STREQUAL "refused" AND rc EQUAL 0)
    message(FATAL_ERROR "The model check lets through ${name}: ${content}")
  elseif(expected STREQUAL "passed" AND NOT rc EQUAL 0)
    message(FATAL_ERROR "The model check refuses ${name}: ${content}")
  endif()
endfunction()

expect_check(clean Node.cpp "std::string message = Text(Msg::ProbeImageTitle); // no box" passed)
expect_check(seam Messages.cpp "void ShowMessage(const std::string& text) { Inform(text); }" passed)
expect_check(message Node.cpp "    ShowMessage(text);" refused)
expect_check(question Node.h "Answer a = AskQuestion (text, Buttons::YesNo);" refused)
expect_check(colour Subnet.cpp "grid.ShowRow(row, name, value, enabled ? kWhite : kGrey, item);" refused)
expect_check(filler Command.h "    void FillGrid(GridSink& grid);" refused)
expect_check(image Node.cpp "tree.Insert(parent, name_, NodeImage, entry);" refused)
expect_check(builder Project.h "    void BuildTree(TreeSink& tree);" refused)
expect_check(cell Fieldbus.cpp "        sheet.SetCell(2, i + 1, value);" refused)
