# The toolkit (wxWidgets 3.2) as link targets, one per layer. Each carries the include folders,
# definitions, flags and libraries of its part of the toolkit:
#   wx::base  the base library alone (strings, files, configuration, processes)
#   wx::net   base and net (sockets), for programs without windows that talk TCP
#   wx::gui   core, base and net: the programs' windows
# A library that must stay windowless links wx::base and calls ic_windowless(<target>).

function(ic_add_toolkit_target name)
    find_package(wxWidgets 3.2 REQUIRED COMPONENTS ${ARGN})
    add_library(${name} INTERFACE IMPORTED)
    separate_arguments(flags UNIX_COMMAND "${wxWidgets_CXX_FLAGS}")
    set_target_properties(${name} PROPERTIES
        INTERFACE_INCLUDE_DIRECTORIES "${wxWidgets_INCLUDE_DIRS}"
        INTERFACE_COMPILE_DEFINITIONS "${wxWidgets_DEFINITIONS}"
        INTERFACE_COMPILE_OPTIONS "${flags}"
        INTERFACE_LINK_LIBRARIES "${wxWidgets_LIBRARIES}")
endfunction()

ic_add_toolkit_target(wx::base base)
ic_add_toolkit_target(wx::net net base)
ic_add_toolkit_target(wx::gui core base net)

# ic_windowless(<target>): compiles the target as the toolkit compiles its own base library
# (wxUSE_GUI=0), so that a GUI header included there fails to compile. Its test program links
# wx::base alone, so a GUI symbol used there fails to link as well.
function(ic_windowless target)
    target_compile_definitions(${target} PRIVATE wxUSE_GUI=0)
endfunction()
