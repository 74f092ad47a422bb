# Files that live beside the executable or inside it, made from content/:
# - Doc/NAME.rtf from each content/doc/NAME.md (Windows-1251 RTF, made by the make_doc tool);
# - the pictures of the screens, compiled in as a Qt resource (cmake/images.cmake).

# The converter is plain C++ of src/docs; the tool is built from its own sources rather than from
# zorvek_core, so that a change elsewhere in the logic does not remake every document.
add_executable(make_doc
  ${CMAKE_SOURCE_DIR}/tools/make_doc.cpp
  ${CMAKE_SOURCE_DIR}/src/docs/markdown_rtf.cpp
  ${CMAKE_SOURCE_DIR}/src/base/text_codec.cpp)
target_include_directories(make_doc PRIVATE ${CMAKE_SOURCE_DIR}/src)

file(GLOB ZORVEK_DOC_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/content/doc/*.md)
set(ZORVEK_DOC_DIR ${CMAKE_BINARY_DIR}/Doc)
set(ZORVEK_DOCUMENTS)
foreach(source IN LISTS ZORVEK_DOC_SOURCES)
  get_filename_component(name ${source} NAME_WE)
  set(document ${ZORVEK_DOC_DIR}/${name}.rtf)
  add_custom_command(
    OUTPUT ${document}
    COMMAND make_doc ${source} ${document}
    DEPENDS make_doc ${source}
    COMMENT "Making Doc/${name}.rtf"
    VERBATIM)
  list(APPEND ZORVEK_DOCUMENTS ${document})
endforeach()
add_custom_target(zorvek_documents ALL DEPENDS ${ZORVEK_DOCUMENTS})
add_dependencies(zorvek zorvek_documents)

# The tests find the document sources through ZORVEK_DOC_SOURCE_DIR. The test targets are made
# after this file is read, so the definition is added once the whole project is read.
function(zorvek_define_doc_source_dir)
  foreach(target zorvek_core_tests zorvek_ui_tests)
    if(TARGET ${target})
      target_compile_definitions(${target} PRIVATE ZORVEK_DOC_SOURCE_DIR="${CMAKE_SOURCE_DIR}/content/doc")
    endif()
  endforeach()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL zorvek_define_doc_source_dir)

include(${CMAKE_CURRENT_LIST_DIR}/images.cmake)
