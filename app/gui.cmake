# The windows of the application shell and the executable.
add_library(dtu_app STATIC
    about_picture.qrc
    about_window.cpp
    apn_window.cpp
    app_font.cpp
    app_style.cpp
    deferred_icon.cpp
    first_frame.cpp
    jpeg_image.cpp
    login_window.cpp
    port_combo_box.cpp
    quit_signals.cpp
    startup.cpp
    startup_files.cpp
    startup_probe.cpp)
set_target_properties(dtu_app PROPERTIES AUTOMOC ON AUTORCC ON)
dtu_layer(dtu_app)
set_property(SOURCE startup.cpp APPEND PROPERTY COMPILE_DEFINITIONS DTU_APP_ID="${DTU_APP_ID}")
target_link_libraries(dtu_app PUBLIC dtu_mainwindow dtu_widgets dtu_shell JPEG::JPEG Qt6::Widgets)
dtu_warnings(dtu_app)
dtu_precompiled(dtu_app QT)

add_executable(dtuconfig main.cpp)
target_link_libraries(dtuconfig PRIVATE dtu_app dtu_mainwindow dtu_shell JPEG::JPEG Qt6::Widgets)
dtu_warnings(dtuconfig)
