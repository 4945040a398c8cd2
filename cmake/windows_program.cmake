# korvessa.exe: the program over the Win32 backend. Small and self-contained: no exceptions or
# RTTI, unused sections dropped, the C++ runtime linked in, so it imports only system DLLs.
set(size_options -Os -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables
    -ffunction-sections -fdata-sections)
target_compile_options(runtime_core PRIVATE ${size_options})
target_compile_options(program PRIVATE ${size_options})

add_executable(korvessa WIN32
    runtime/win32/win32_controls.cpp
    runtime/win32/win32_desktop.cpp
    runtime/win32/win32_dialogs.cpp
    runtime/win32/win32_entry.cpp
    runtime/win32/win32_icons.cpp
    runtime/win32/win32_init.cpp
    runtime/win32/win32_loop.cpp
    runtime/win32/win32_text.cpp
    runtime/win32/win32_window.cpp)
target_include_directories(korvessa PRIVATE ${PROJECT_SOURCE_DIR})
target_compile_options(korvessa PRIVATE ${size_options} -Wall -Wextra -Werror)
target_link_libraries(korvessa PRIVATE runtime_core program user32 gdi32 shell32 ole32)
target_link_options(korvessa PRIVATE -static -s -Wl,--gc-sections -Wl,--dynamicbase
    -Wl,--nxcompat)
