# Headers that most files of a target include, compiled once per target
# instead of once per file: the standard library's containers and threads,
# QtCore, Qt Widgets and GoogleTest are most of each file's compile time.
# Configure with -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON to build without them
# (for instance to check that every file includes what it uses).
set(QARVO_PCH_STD <algorithm> <array> <atomic> <chrono> <cstdint> <functional> <map> <memory>
    <mutex> <optional> <span> <string> <string_view> <thread> <vector>)
set(QARVO_PCH_QTCORE ${QARVO_PCH_STD} <QByteArray> <QDir> <QFile> <QString> <QStringList>)
set(QARVO_PCH_WIDGETS ${QARVO_PCH_QTCORE} <QAction> <QApplication> <QCheckBox> <QComboBox>
    <QDialog> <QDialogButtonBox> <QFormLayout> <QGroupBox> <QHBoxLayout> <QHeaderView>
    <QLabel> <QLineEdit> <QPushButton> <QScrollArea> <QTableView> <QVBoxLayout>)
set(QARVO_PCH_TESTS ${QARVO_PCH_QTCORE} <gtest/gtest.h>)
set(QARVO_PCH_GUI_TESTS ${QARVO_PCH_WIDGETS} <QSignalSpy> <QTest>)

# Test programs built with the same flags share one precompiled header: the
# first program of a group compiles it, the others reuse it.
function(qarvo_shared_precompiled_headers group target)
  get_property(owner GLOBAL PROPERTY QARVO_PCH_OWNER_${group})
  if(owner)
    target_precompile_headers(${target} REUSE_FROM ${owner})
  else()
    target_precompile_headers(${target} PRIVATE ${ARGN})
    set_property(GLOBAL PROPERTY QARVO_PCH_OWNER_${group} ${target})
  endif()
endfunction()
