#include "Medidas.h"
#include "RegistroMaximo.h"
#include "engine/Prioridades.h"

// The whole priority calculation: personnel and duties reloaded, the board
// rebuilt from the 30 rotation tables, the duties written back.
REGISTRA_MEDIDA(Prioridades, QStringLiteral("CalculaPrioridades (quadro e prioridades)"), 100,
                nullptr, [](RegistroMaximo& r) { CalculaPrioridades(*r.sis); })
