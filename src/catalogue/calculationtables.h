// Everything a design calculation reads that the project file does not hold.
// The desktop program fills these tables as its screens are first shown; the
// headless tool and anything else that calculates a project opened from a
// file fills them here, through the same functions.
#pragma once

#include "project/driveproject.h"

namespace belt {

// The constant tables of step 1, filled when that screen is first loaded:
// load factors, the flat belt data sheet, the feasibility and idler grids.
void LoadStep1Tables(DriveProject& p);

// The working tables of the chosen belt, loaded when step 3 is laid out: the
// pulley table of the profile (which also sets beltPitch), the rating data,
// the standard widths and the minimum idler diameters.
void LoadStep3Catalogue(DriveProject& p);

// Both, the step 1 tables first: a flat belt's pulley table takes the belt's
// thickness from the flat belt data sheet.
void LoadCalculationTables(DriveProject& p);

}  // namespace belt
