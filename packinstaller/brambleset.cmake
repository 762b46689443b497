# add_brambleset(<key> TITLE <title> FN <Name> IDS <31 ids> [FIRST_NAME <name>] [NAMES <31 names>])
#
# Makes the program brambleset-<key> from packinstaller/brambleset_main.cpp and one pack: the 31 puzzle
# files listed, in row order, by resources/packs/<key>/pack.txt, embedded as PUZZLETYPE
# resources with the ids given; the title in strings 1 and 3 and the dialog captions; the
# splash picture resources/brambleset/splash_<key>_137.bmp. The pack's resource table is the
# library brambleset_<key>_resources, whose Register<FN>Resources() tests may call. A pack
# whose files have not been generated yet is left out with a note. FIRST_NAME and NAMES are
# what pack.txt must say: the pack is left out with a warning when it says otherwise.
# BRAMBLESET_PACKS_DIR points at another folder of packs (the test writer's stand-ins while
# the real ones are being generated).
set(BRAMBLESET_TEMPLATES ${CMAKE_SOURCE_DIR}/resources/brambleset)
set(BRAMBLESET_PACKS_DIR ${CMAKE_SOURCE_DIR}/resources/packs CACHE PATH
    "Folder holding one/ .. six/ with pack.txt and the 31 puzzles of each pack")

function(add_brambleset key)
    cmake_parse_arguments(ARG "" "TITLE;FN;FIRST_NAME" "IDS;NAMES" ${ARGN})
    set(packDir ${BRAMBLESET_PACKS_DIR}/${key})
    if(NOT EXISTS ${packDir}/pack.txt)
        message(STATUS "brambleset-${key}: ${packDir}/pack.txt not there yet, not built")
        # Watch the nearest folder that exists, so the pack's arrival reconfigures the build.
        set(watch ${packDir})
        while(NOT EXISTS ${watch})
            get_filename_component(watch ${watch} DIRECTORY)
        endwhile()
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${watch})
        return()
    endif()
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${packDir}/pack.txt)
    file(STRINGS ${packDir}/pack.txt names)
    list(LENGTH names count)
    list(LENGTH ARG_IDS idCount)
    if(NOT count EQUAL 31 OR NOT idCount EQUAL 31)
        message(WARNING "brambleset-${key}: ${count} names and ${idCount} ids, 31 of each needed")
        return()
    endif()
    list(GET names 0 first)
    if(ARG_FIRST_NAME AND NOT first STREQUAL ARG_FIRST_NAME)
        message(WARNING "brambleset-${key}: row 0 is ${first}, not ${ARG_FIRST_NAME}")
        return()
    endif()
    if(ARG_NAMES AND NOT names STREQUAL ARG_NAMES)
        message(WARNING "brambleset-${key}: pack.txt does not list the pack's fixed names")
        return()
    endif()

    set(outdir ${CMAKE_CURRENT_BINARY_DIR}/brambleset_${key})
    set(sources)
    set(PUZZLE_DECLS "")
    set(PUZZLE_ENTRIES "")
    set(TABLE_ROWS "")
    foreach(row RANGE 30)
        list(GET names ${row} name)
        list(GET ARG_IDS ${row} id)
        set(symbol kBrambleset_${key}_${row})
        set(out ${outdir}/${symbol}.cpp)
        add_custom_command(OUTPUT ${out}
            COMMAND ${CMAKE_COMMAND} -DINPUT=${packDir}/${name} -DOUTPUT=${out} -DSYMBOL=${symbol}
                    -P ${EMBED_FILES_SCRIPT}
            DEPENDS ${packDir}/${name} ${EMBED_FILES_SCRIPT} VERBATIM)
        list(APPEND sources ${out})
        string(APPEND PUZZLE_DECLS
            "extern const unsigned char ${symbol}[];\nextern const std::size_t ${symbol}_size;\n")
        string(APPEND PUZZLE_ENTRIES "    {PUZZLE_TYPE, ${id}, ${symbol}, DWORD(${symbol}_size)},\n")
        string(APPEND TABLE_ROWS "    {u\"#${id}\", u\"${name}\"},\n")
    endforeach()
    set(splash ${BRAMBLESET_TEMPLATES}/splash_${key}_137.bmp)
    set(out ${outdir}/kBrambleset_${key}_splash.cpp)
    add_custom_command(OUTPUT ${out}
        COMMAND ${CMAKE_COMMAND} -DINPUT=${splash} -DOUTPUT=${out}
                -DSYMBOL=kBrambleset_${key}_splash -P ${EMBED_FILES_SCRIPT}
        DEPENDS ${splash} ${EMBED_FILES_SCRIPT} VERBATIM)
    list(APPEND sources ${out})

    set(KEY ${key})
    set(TITLE ${ARG_TITLE})
    set(FN ${ARG_FN})
    set(EXE brambleset-${key})
    configure_file(${BRAMBLESET_TEMPLATES}/pack_resources.cpp.in
                   ${outdir}/brambleset_${key}_resources.cpp @ONLY)
    configure_file(${BRAMBLESET_TEMPLATES}/pack_program.h.in ${outdir}/include/brambleset_pack.h
                   @ONLY)
    add_library(brambleset_${key}_resources STATIC ${outdir}/brambleset_${key}_resources.cpp
                                                   ${sources})
    target_link_libraries(brambleset_${key}_resources PUBLIC brambleset_common packinstaller
                          platform PRIVATE project_options)

    add_executable(brambleset-${key} ${CMAKE_SOURCE_DIR}/packinstaller/brambleset_main.cpp)
    target_include_directories(brambleset-${key} PRIVATE ${outdir}/include)
    target_link_libraries(brambleset-${key} PRIVATE packinstaller brambleset_${key}_resources
                          device_seed project_options)
endfunction()
