#pragma once
// Pieces of the text by which a grid or a chart reports a program call to its view
// ("setLocked(true)", "setCaption(\"Kriterier\")"), shared so both read alike.
#include <string>

inline std::string boolTekst(bool v) { return v ? "true" : "false"; }

inline std::string citat(const std::string& s) { return "\"" + s + "\""; }
