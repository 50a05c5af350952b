# Quoted includes as the compiler reads them. `#include "x.h"` is looked for first in the folder of the file
# that writes it, and only then through the include roots, where "folder/file.h" is src/folder/file.h (and
# found only by the libraries that link its library). An include that the file's own folder answers never
# reaches the roots: in src/editor/codepane.cpp, "core/tagscan.h" compiles as src/editor/core/tagscan.h
# although the roots read src/core/tagscan.h, and "core/editingsession.h" would silently take a
# src/editor/core/editingsession.h over the shared src/core/editingsession.h. Neither shows in the link graph.

# Appends to `findings_var` one line per quoted include that the including file's folder answers with another
# file than the include roots do: for the program's sources (src/), any include found beside its file, as
# they reach every header through the roots; for the tests, benchmarks and fuzz targets, which include their
# own helpers beside them, an include found beside its file that also names a header of the program.
function(velmark_check_quoted_includes source_dir findings_var)
    set(findings "")
    file(REAL_PATH "${source_dir}" source_dir)
    file(GLOB_RECURSE files LIST_DIRECTORIES false
         "${source_dir}/src/*.h" "${source_dir}/src/*.cpp" "${source_dir}/tests/*.h" "${source_dir}/tests/*.cpp"
         "${source_dir}/bench/*.h" "${source_dir}/bench/*.cpp" "${source_dir}/fuzz/*.h" "${source_dir}/fuzz/*.cpp")
    foreach(file IN LISTS files)
        file(RELATIVE_PATH shown "${source_dir}" "${file}")
        string(REGEX MATCH "^src/" in_program "${shown}")
        get_filename_component(folder "${file}" DIRECTORY)
        file(STRINGS "${file}" include_lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]+\"")
        foreach(include_line IN LISTS include_lines)
            if(NOT include_line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\"")
                continue()
            endif()
            set(included "${CMAKE_MATCH_1}")
            set(beside "${folder}/${included}")
            if(NOT EXISTS "${beside}" OR IS_DIRECTORY "${beside}")
                continue()
            endif()
            file(REAL_PATH "${beside}" beside)
            file(RELATIVE_PATH beside_shown "${source_dir}" "${beside}")
            set(through_roots "${source_dir}/src/${included}")
            if(EXISTS "${through_roots}")
                file(REAL_PATH "${through_roots}" through_roots)
                if(through_roots STREQUAL beside)
                    continue()
                endif()
                file(RELATIVE_PATH through_roots "${source_dir}" "${through_roots}")
                set(roots_reading "the include roots read ${through_roots}; one of the two needs another name")
            elseif(in_program AND beside_shown MATCHES "^src/(.*)$")
                set(roots_reading "the include roots find nothing there; write \"${CMAKE_MATCH_1}\"")
            elseif(in_program)
                set(roots_reading "the include roots find nothing there")
            else()
                continue()
            endif()
            set(finding "${shown}: \"${included}\" is found beside the file as ${beside_shown}, where ${roots_reading}")
            string(APPEND findings "${finding}\n")
        endforeach()
    endforeach()
    set(${findings_var} "${findings}" PARENT_SCOPE)
endfunction()

# Checks the check itself on a small tree written for it under `scratch_dir`: a feature file that reaches its
# own core beside it and whose shared header its core hides, a test whose helper hides a header of the
# program, and includes that are sound. Appends to `failures_var` what it did not find as it should.
function(velmark_check_quoted_includes_fixture scratch_dir failures_var)
    file(REMOVE_RECURSE "${scratch_dir}")
    foreach(header src/core/session.h src/feature/core/scan.h src/feature/core/session.h tests/feature/helper.h
                   tests/feature/core/session.h)
        file(WRITE "${scratch_dir}/${header}" "#pragma once\n")
    endforeach()
    file(WRITE "${scratch_dir}/src/feature/pane.cpp"
         "#include \"feature/core/scan.h\"\n#include \"core/scan.h\"\n  #  include \"core/session.h\" // shared\n")
    file(WRITE "${scratch_dir}/tests/feature/tst_pane.cpp"
         "#include \"helper.h\"\n#include \"feature/core/scan.h\"\n#include \"core/session.h\"\n")
    velmark_check_quoted_includes("${scratch_dir}" findings)
    set(expected "src/feature/pane.cpp: \"core/scan.h\" is found beside the file as src/feature/core/scan.h, \
where the include roots find nothing there; write \"feature/core/scan.h\"
src/feature/pane.cpp: \"core/session.h\" is found beside the file as src/feature/core/session.h, \
where the include roots read src/core/session.h; one of the two needs another name
tests/feature/tst_pane.cpp: \"core/session.h\" is found beside the file as tests/feature/core/session.h, \
where the include roots read src/core/session.h; one of the two needs another name
")
    if(NOT findings STREQUAL expected)
        set(${failures_var} "${${failures_var}}The check of quoted includes found on its own small tree:\n${findings}instead of:\n${expected}\n" PARENT_SCOPE)
    endif()
    file(REMOVE_RECURSE "${scratch_dir}")
endfunction()
