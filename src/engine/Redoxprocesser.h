#pragma once
// The eleven redox processes: defaults, the user's proposals and the substance consumed.
#include <string>

// Sets ProcIltreduktion .. ProcDelvisPyritNitrat and RedoxTabel. Returns "" or the
// message of the last refused proposal (or of a carbon value that cannot be used).
std::string BeregnRedoxprocesser();
