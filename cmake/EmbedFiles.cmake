# embed_files(OUT_VAR DIR NAMESPACE [HEADER]): generates a source file that holds every file
# below DIR as a table of (relative path, bytes), reachable as NAMESPACE::embeddedFiles(). HEADER
# declares the table's EmbeddedFile type (the desk's own when left out).
function(embed_files out_var dir namespace)
  set(header desk/home/EmbeddedFiles.h)
  if(ARGC GREATER 3)
    set(header ${ARGV3})
  endif()
  file(GLOB_RECURSE files CONFIGURE_DEPENDS RELATIVE ${dir} ${dir}/*)
  list(SORT files)
  string(MAKE_C_IDENTIFIER ${namespace} stem)
  set(output ${CMAKE_BINARY_DIR}/generated/${stem}.cpp)
  set(inputs "")
  foreach(file IN LISTS files)
    list(APPEND inputs ${dir}/${file})
  endforeach()
  # The list of files, rewritten only when it changes: a removed or renamed file leaves the
  # other inputs unchanged, and this file makes the table be written again all the same.
  set(listing ${CMAKE_BINARY_DIR}/generated/${stem}.files)
  list(JOIN files "\n" names)
  file(CONFIGURE OUTPUT ${listing} CONTENT "${names}\n" @ONLY)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DDIR=${dir} -DOUTPUT=${output} -DNAMESPACE=${namespace}
            -DHEADER=${header}
            -P ${CMAKE_SOURCE_DIR}/cmake/GenerateEmbedded.cmake
    DEPENDS ${inputs} ${listing} ${CMAKE_SOURCE_DIR}/cmake/GenerateEmbedded.cmake
    COMMENT "Embedding ${dir}")
  set(${out_var} ${output} PARENT_SCOPE)
endfunction()
