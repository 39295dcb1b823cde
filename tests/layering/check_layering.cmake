# The layering as a fact of the build: every target the source tree builds links
# exactly the libraries whose headers its files include, no fewer (a layer that
# reads another must say so) and no more (a link nothing uses hides a layer).
#
#   cmake -DSOURCE_DIR=<src> -P check_layering.cmake
#
# A header belongs to the target that lists it or its .cpp of the same name;
# any other header to the first library its folder's CMakeLists.txt makes.
# Targets made by orvanta_add_library and add_executable are checked; an
# orvanta_ library linked through a generator expression, and anything not
# named orvanta_..., is left alone.

cmake_minimum_required(VERSION 3.25)

# Includes that need no link, each with its reason. The desktop platform loads
# the HTTP client and the print preview as modules at run time (the first
# window pays for no network stack and no printing): it knows their
# interfaces, never links their code.
set(loaded_at_run_time "orvanta_platform:orvanta_http" "orvanta_platform:orvanta_print")

if(NOT SOURCE_DIR)
    message(FATAL_ERROR "usage: cmake -DSOURCE_DIR=<src> -P check_layering.cmake")
endif()

# The arguments of every call of `command` in `text`, each as a list.
function(calls_of text command out)
    string(REGEX MATCHALL "(^|[\n \t])${command}\\([^)]*\\)" matches "${text}")
    set(found)
    foreach(match IN LISTS matches)
        string(REGEX REPLACE "^[\n \t]*${command}\\(" "" args "${match}")
        string(REGEX REPLACE "\\)$" "" args "${args}")
        string(REGEX REPLACE "[\n\t ]+" ";" args "${args}")
        list(FILTER args EXCLUDE REGEX "^$")
        string(REPLACE ";" "," joined "${args}")
        list(APPEND found "${joined}")
    endforeach()
    set(${out} "${found}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE lists RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*/CMakeLists.txt)
set(targets)
foreach(list_file IN LISTS lists)
    get_filename_component(folder ${list_file} DIRECTORY)
    file(READ ${SOURCE_DIR}/${list_file} text)
    # Comments off, so that a word in one is not taken for a call.
    string(REGEX REPLACE "#[^\n]*" "" text "${text}")

    calls_of("${text}" "orvanta_add_library" libraries)
    calls_of("${text}" "add_executable" executables)
    set(first_library "")
    foreach(call IN LISTS libraries executables)
        string(REPLACE "," ";" args "${call}")
        list(POP_FRONT args name)
        if(name MATCHES "^\\$")
            continue()  # a function's own add_library(${target} ...)
        endif()
        list(APPEND targets ${name})
        set(folder_of_${name} ${folder})
        set(sources_of_${name})
        foreach(source IN LISTS args)
            if(source MATCHES "\\.(cpp|h)$")
                list(APPEND sources_of_${name} ${folder}/${source})
                get_filename_component(stem ${source} NAME_WE)
                set(owner_of_${folder}/${stem}.h ${name})
            endif()
        endforeach()
        if(first_library STREQUAL "" AND call IN_LIST libraries)
            set(first_library ${name})
        endif()
    endforeach()
    set(library_of_folder_${folder} ${first_library})

    calls_of("${text}" "target_link_libraries" links)
    foreach(call IN LISTS links)
        string(REPLACE "," ";" args "${call}")
        list(POP_FRONT args name)
        list(FILTER args INCLUDE REGEX "^orvanta_")
        list(APPEND links_of_${name} ${args})
    endforeach()
endforeach()

# The target a header of the tree belongs to ("" for one outside it).
function(owner_of header out)
    get_filename_component(folder ${header} DIRECTORY)
    if(DEFINED owner_of_${header})
        set(${out} ${owner_of_${header}} PARENT_SCOPE)
    elseif(DEFINED library_of_folder_${folder})
        set(${out} ${library_of_folder_${folder}} PARENT_SCOPE)
    else()
        set(${out} "" PARENT_SCOPE)
    endif()
endfunction()

# A header of the target's folder that belongs to it is read as its own source.
set(failures "")
foreach(name IN LISTS targets)
    set(files ${sources_of_${name}})
    file(GLOB headers RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${folder_of_${name}}/*.h)
    foreach(header IN LISTS headers)
        owner_of(${header} owner)
        if(owner STREQUAL name)
            list(APPEND files ${header})
        endif()
    endforeach()
    list(REMOVE_DUPLICATES files)

    set(needed)
    foreach(source IN LISTS files)
        file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^#include \"")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^#include \"([^\"]*)\".*" "\\1" header "${line}")
            owner_of(${header} owner)
            if(NOT owner STREQUAL "" AND NOT owner STREQUAL name)
                list(APPEND needed ${owner})
                list(APPEND reason_${name}_${owner} "${source} includes ${header}")
            endif()
        endforeach()
    endforeach()
    list(REMOVE_DUPLICATES needed)
    set(linked ${links_of_${name}})
    list(REMOVE_DUPLICATES linked)
    # Linked all of the core in one go: an interface library, not a layer.
    list(REMOVE_ITEM linked orvanta_core orvanta_gui)

    foreach(library IN LISTS needed)
        if(NOT library IN_LIST linked AND NOT "${name}:${library}" IN_LIST loaded_at_run_time)
            list(GET reason_${name}_${library} 0 why)
            string(APPEND failures "\n  ${name} does not link ${library}, but ${why}")
        endif()
    endforeach()
    foreach(library IN LISTS linked)
        if(NOT library IN_LIST needed)
            string(APPEND failures "\n  ${name} links ${library}, but includes none of its headers")
        endif()
    endforeach()
endforeach()

list(LENGTH targets count)
if(count EQUAL 0)
    message(FATAL_ERROR "no targets found under ${SOURCE_DIR}")
endif()
if(failures)
    message(FATAL_ERROR "the includes and the links differ:${failures}")
endif()
message(STATUS "${count} targets: each links exactly the libraries whose headers it includes")
