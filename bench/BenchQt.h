#pragma once
// The Qt benchmarks run inside one Qt application that main (BenchQtMain.cpp) makes
// before the first benchmark and destroys after the last, offscreen unless
// QT_QPA_PLATFORM names a platform. It lives in main's scope: an application that
// outlived main was destroyed after Qt's own statics and crashed on the way out.
#include <QApplication>
