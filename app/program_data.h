// The program's program-wide data: set up once at start, released by an end routine.
#pragma once

void InitProgramData();
void ReleaseProgramData();
