# Every program of the sanitizer build (the editor, the companion, each test, the benchmark,
# the fuzz corpus runs) is linked with default_options.cpp, so its sanitizer options and leak
# suppressions hold wherever it runs: under CTest, in GoogleTest's test discovery at build
# time, as the companion a test starts, or by hand. ASAN_OPTIONS, UBSAN_OPTIONS and
# LSAN_OPTIONS in the environment still add to them.
function(tunewright_add_sanitizer_options directory)
    get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(type STREQUAL "EXECUTABLE")
            target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tools/sanitizer/default_options.cpp)
            target_compile_definitions(${target} PRIVATE
                TUNEWRIGHT_LSAN_SUPPRESSIONS="${PROJECT_SOURCE_DIR}/tools/sanitizer/lsan.supp")
        endif()
    endforeach()
    get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
    foreach(subdirectory IN LISTS subdirectories)
        tunewright_add_sanitizer_options(${subdirectory})
    endforeach()
endfunction()
