# korvessa.exe: the program over the Win32 backend. Small and self-contained: no exceptions or
# RTTI, unused sections dropped, the C++ runtime linked in, so it imports only system DLLs.
set(size_options -Os -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables
    -ffunction-sections -fdata-sections)
target_compile_options(runtime_core PRIVATE ${size_options})
target_compile_options(program PRIVATE ${size_options})

enable_language(RC)

set(win32_backend
    runtime/win32/win32_controls.cpp
    runtime/win32/win32_desktop.cpp
    runtime/win32/win32_dialogs.cpp
    runtime/win32/win32_entry.cpp
    runtime/win32/win32_icons.cpp
    runtime/win32/win32_init.cpp
    runtime/win32/win32_loop.cpp
    runtime/win32/win32_text.cpp
    runtime/win32/win32_window.cpp)

function(korvessa_program name)
    add_executable(${name} WIN32 ${win32_backend} ${ARGN})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    target_compile_options(${name} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:${size_options} -Wall -Wextra -Werror>)
    target_link_libraries(${name} PRIVATE runtime_core program user32 gdi32 shell32 ole32)
    target_link_options(${name} PRIVATE -static -s -Wl,--gc-sections -Wl,--dynamicbase
        -Wl,--nxcompat)
endfunction()

korvessa_program(korvessa resources/korvessa.rc)
# The same program without its icon resource, for the test that it then shows the system's.
korvessa_program(korvessa_without_icon)
