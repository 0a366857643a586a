# Precompiled headers: most files include the same Qt and standard headers, which the compiler
# would otherwise parse again for every file. One target compiles them once; every target that
# uses widgets reuses it (velmora_use_pch). Where the compiler finds the header unusable it
# parses the headers as usual, so a mismatch costs time, never a wrong build.
option(VELMORA_PCH "Precompile the common Qt headers" ON)

set(velmora_pch_headers
    <QApplication> <QByteArray> <QColor> <QDir> <QEvent> <QFile> <QFileInfo> <QHash> <QImage>
    <QKeyEvent> <QList> <QMouseEvent> <QObject> <QPainter> <QPointer> <QString> <QStringList>
    <QTimer> <QWidget> <functional> <memory> <vector>)

if(VELMORA_PCH)
    add_library(velmora_pch STATIC ${CMAKE_CURRENT_LIST_DIR}/pch.cpp)
    target_link_libraries(velmora_pch PUBLIC Qt6::Widgets)
    target_precompile_headers(velmora_pch PRIVATE ${velmora_pch_headers})
endif()

# velmora_reuse_pch(donor target...): the targets compile with the donor's precompiled headers.
function(velmora_reuse_pch donor)
    if(VELMORA_PCH)
        foreach(target ${ARGN})
            target_precompile_headers(${target} REUSE_FROM ${donor})
        endforeach()
    endif()
endfunction()

# velmora_use_pch(target...): the program's own headers, for the widget libraries.
function(velmora_use_pch)
    velmora_reuse_pch(velmora_pch ${ARGN})
endfunction()
