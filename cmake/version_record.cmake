# The executable's version record, from the project's version (1.0.11): the
# file and product version written 1.00.0011, the product and internal name,
# the language. It is shown by the program and carried in the ELF
# package-metadata note (section .note.package), which readelf --notes and
# systemd-coredump read.
function(tessivo_zero_padded out value width)
  string(LENGTH "${value}" length)
  math(EXPR zeros "${width} - ${length}")
  string(REPEAT "0" ${zeros} padding)
  set(${out} "${padding}${value}" PARENT_SCOPE)
endfunction()

tessivo_zero_padded(minor ${PROJECT_VERSION_MINOR} 2)
tessivo_zero_padded(patch ${PROJECT_VERSION_PATCH} 4)
set(TESSIVO_FILE_VERSION "${PROJECT_VERSION_MAJOR}.${minor}.${patch}")
target_compile_definitions(tessivo PRIVATE TESSIVO_FILE_VERSION="${TESSIVO_FILE_VERSION}")

string(JOIN "," metadata
       [["type":"deb"]] [["name":"tessivo"]] "\"version\":\"${PROJECT_VERSION}\""
       "\"fileVersion\":\"${TESSIVO_FILE_VERSION}\"" "\"productVersion\":\"${TESSIVO_FILE_VERSION}\""
       [["productName":"Tessivo"]] [["internalName":"Tessivo"]] [["language":"de"]])
# -Xlinker keeps the JSON in one piece; -Wl, would split it at its commas.
target_link_options(tessivo PRIVATE "SHELL:-Xlinker '--package-metadata={${metadata}}'")
