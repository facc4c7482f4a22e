// Identifiers of the program's resources, shared by the resource script and the code.
#pragma once

#define ID_ICONE 1
#define ID_MANUEL 2  // the user manual, a PDF carried as raw data
