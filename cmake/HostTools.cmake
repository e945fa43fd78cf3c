# The build-time generators (embed_file, make_default_library) run on the build machine. In a
# cross build they are built a second time, with the host's compiler, in a small separate build
# of this same source tree (tools only, no Qt), and run from there.
#
# ritmora_build_tool(<name> <command-var> <depends-var>) sets the command that runs tool <name>
# during the build and what a custom command that runs it must depend on.
if(CMAKE_CROSSCOMPILING)
    include(ExternalProject)
    set(RITMORA_HOST_TOOLS_DIR ${CMAKE_BINARY_DIR}/host-tools)
    # Built as the Linux build is (RelWithDebInfo), whose flags are known to be warning-free.
    set(host_args -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRITMORA_WITH_QT=OFF -DRITMORA_BUILD_TESTS=OFF
                  -DRITMORA_BUILD_BENCHMARKS=OFF)
    ExternalProject_Add(ritmora_host_tools
        SOURCE_DIR ${CMAKE_SOURCE_DIR}
        BINARY_DIR ${RITMORA_HOST_TOOLS_DIR}
        CMAKE_ARGS ${host_args}
        BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target embed_file make_default_library
        INSTALL_COMMAND ""
        BUILD_ALWAYS ON
        BUILD_BYPRODUCTS ${RITMORA_HOST_TOOLS_DIR}/bin/embed_file
                         ${RITMORA_HOST_TOOLS_DIR}/bin/make_default_library)
endif()

function(ritmora_build_tool name command_var depends_var)
    if(CMAKE_CROSSCOMPILING)
        set(${command_var} ${RITMORA_HOST_TOOLS_DIR}/bin/${name} PARENT_SCOPE)
        set(${depends_var} ritmora_host_tools ${RITMORA_HOST_TOOLS_DIR}/bin/${name} PARENT_SCOPE)
    else()
        set(${command_var} ${name} PARENT_SCOPE)
        set(${depends_var} ${name} PARENT_SCOPE)
    endif()
endfunction()
