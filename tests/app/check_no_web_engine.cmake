# Checks that the editor starts without the web engine: the executable does not load it, and the
# module beside it, which does, offers the entry point the editor looks for.
# -DEXE=<kanaleditor> -DMODULE=<kanaleditor_webengine.so>
execute_process(COMMAND ldd ${EXE} OUTPUT_VARIABLE exe_libs RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "ldd failed on ${EXE}")
endif()
if(exe_libs MATCHES "WebEngine")
    message(FATAL_ERROR "the editor loads the web engine at start:\n${exe_libs}")
endif()
execute_process(COMMAND ldd ${MODULE} OUTPUT_VARIABLE module_libs)
if(NOT module_libs MATCHES "libQt6WebEngineWidgets")
    message(FATAL_ERROR "the module does not hold the web engine:\n${module_libs}")
endif()
execute_process(COMMAND nm -D --defined-only ${MODULE} OUTPUT_VARIABLE symbols)
if(NOT symbols MATCHES "createWebEngineView")
    message(FATAL_ERROR "the module has no createWebEngineView")
endif()
