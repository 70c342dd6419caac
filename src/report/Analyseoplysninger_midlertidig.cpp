#include "report/Sektioner.h"
void UdskrivAnalyseoplysninger(Udskrift& vp) { (void)vp; }
