#pragma once
// The one Qt application of a benchmark program, made on the first call; offscreen
// unless QT_QPA_PLATFORM names a platform.
#include <QApplication>
#include <QGuiApplication>
#include <string>

namespace bench {

template <class App = QApplication>
App& qtApp(const char* navn) {
    static int argc = 1;
    static std::string programnavn = navn;
    static char* argv[] = {programnavn.data(), nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static App app(argc, argv);
    return app;
}

}  // namespace bench
