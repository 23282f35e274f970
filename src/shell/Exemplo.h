#pragma once

#include "base/Data.h"

#include <QString>

// A believable unit to try the program on: eight duties of the three kinds,
// sixty persons with ranks, seniority, memberships and a few absences, a
// month of history with the rotations that follow from it, and a roster
// period of the coming three months whose red days are the weekends and the
// national holidays. The same hoje always gives the same register.
namespace Exemplo {

// Installs the defaults into the new folder pasta and writes the example
// register, the tables in one transaction together with the text files.
// A folder that exists and is not empty is refused and left as it was.
void CriaExemplo(const QString& pasta, Data hoje);

} // namespace Exemplo
