# Headers that nearly every file of a kind includes, parsed once per build tree
# instead of once per file: the Qt widgets for the windows, the same with QTest
# for their tests, GoogleTest for the core's tests. -DDTU_PCH=OFF parses every file on its own
# (to find an include a file forgot).
option(DTU_PCH "Precompile the headers most files include" ON)

set(DTU_PCH_HEADERS_QT
    <QAction> <QApplication> <QCheckBox> <QComboBox> <QLabel> <QLineEdit> <QMessageBox>
    <QPlainTextEdit> <QPushButton> <QString> <QTimer> <QWidget> <functional> <string> <vector>)
set(DTU_PCH_HEADERS_QTTEST ${DTU_PCH_HEADERS_QT} <QTest>)
set(DTU_PCH_HEADERS_GTEST <gtest/gtest.h> <functional> <string> <vector>)

# The first target of a kind compiles its headers; the others of the tree reuse
# them, as they share the tree's compile flags.
function(dtu_precompiled target kind)
    if(NOT DTU_PCH)
        return()
    endif()
    set(key ${kind})
    if(kind STREQUAL "QTTEST")
        # QTest's own definitions name the test's folder: shared within a folder only.
        string(MAKE_C_IDENTIFIER "${CMAKE_CURRENT_SOURCE_DIR}" folder)
        set(key ${kind}_${folder})
    endif()
    get_property(owner GLOBAL PROPERTY DTU_PCH_OWNER_${key})
    if(owner)
        target_precompile_headers(${target} REUSE_FROM ${owner})
    else()
        target_precompile_headers(${target} PRIVATE ${DTU_PCH_HEADERS_${kind}})
        set_property(GLOBAL PROPERTY DTU_PCH_OWNER_${key} ${target})
    endif()
    # clang stamps a precompiled header with its time unless told not to, which
    # would keep the compiler cache from reusing anything built on it.
    if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        target_compile_options(${target} PRIVATE -Xclang -fno-pch-timestamp)
    endif()
endfunction()
