# Compiles QML files ahead of time with qmlcachegen, so the program loads
# their compiled form instead of parsing and compiling them at start (or
# reading them from a disk cache that may be cold or stale).
#
# The QML files stay in their resource bundle under the same paths; each
# compiled unit is registered under its resource path, where the QML engine
# looks first when it loads "qrc:/modules/qml/...". The units and their
# loader are added to the bundle's own object library (OBJECT_LIBRARY, from
# qt_add_resources' OUTPUT_TARGETS), which Qt links into every program that
# links the bundle.
#
#   q4_compile_qml(NAME name OBJECT_LIBRARY target BASE folder
#                  MAPPING qrc-file FILES file...)
#
# BASE is the folder the resource paths are relative to; MAPPING lists every
# QML file of every bundle with its resource path, so that qmlcachegen can
# resolve the directory imports between the bundles.
find_package(Qt6 REQUIRED COMPONENTS Qml QmlTools)

function(q4_write_qml_mapping output base)
  set(content "<RCC>\n  <qresource prefix=\"/\">\n")
  foreach(file ${ARGN})
    file(RELATIVE_PATH alias ${base} ${file})
    string(APPEND content "    <file alias=\"${alias}\">${file}</file>\n")
  endforeach()
  string(APPEND content "  </qresource>\n</RCC>\n")
  file(CONFIGURE OUTPUT ${output} CONTENT "${content}" @ONLY)
endfunction()

function(q4_compile_qml)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "NAME;OBJECT_LIBRARY;BASE;MAPPING" "FILES")
  set(output_folder ${CMAKE_CURRENT_BINARY_DIR}/qmlcache/${arg_NAME})
  file(MAKE_DIRECTORY ${output_folder})
  set(compiled)
  set(resource_paths)
  foreach(file ${arg_FILES})
    file(RELATIVE_PATH relative ${arg_BASE} ${file})
    string(MAKE_C_IDENTIFIER ${relative} identifier)
    set(output ${output_folder}/${identifier}.cpp)
    add_custom_command(
      OUTPUT ${output}
      COMMAND Qt6::qmlcachegen --resource-path /${relative} --resource ${arg_MAPPING}
              -o ${output} ${file}
      DEPENDS Qt6::qmlcachegen ${file} ${arg_MAPPING}
      COMMENT "Compiling ${relative}"
      VERBATIM)
    list(APPEND compiled ${output})
    list(APPEND resource_paths /${relative})
  endforeach()

  # qmlcachegen writes the loader when the output's name ends so.
  set(loader ${output_folder}/${arg_NAME}_qmlcache_loader.cpp)
  add_custom_command(
    OUTPUT ${loader}
    COMMAND Qt6::qmlcachegen --resource-name qmlcache_${arg_NAME} -o ${loader} ${resource_paths}
    DEPENDS Qt6::qmlcachegen ${arg_MAPPING}
    COMMENT "Writing the loader of the compiled QML of ${arg_NAME}"
    VERBATIM)

  target_sources(${arg_OBJECT_LIBRARY} PRIVATE ${compiled} ${loader})
  # Generated code: its warnings are no one's to fix here.
  set_source_files_properties(${compiled} ${loader} PROPERTIES SKIP_AUTOGEN ON COMPILE_OPTIONS -w)
  target_link_libraries(${arg_OBJECT_LIBRARY} PRIVATE Qt6::Qml)
endfunction()
