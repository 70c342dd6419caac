#include "Vinduestilstand.h"

Vinduestilstand& vinduer() {
    static Vinduestilstand v;
    return v;
}
