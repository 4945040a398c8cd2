// The program keeps no program-wide data; these routines mark where it would be set up and
// released, and ReleaseProgramData is the program's end routine.
#include "program_data.h"

void InitProgramData() {}

void ReleaseProgramData() {}
