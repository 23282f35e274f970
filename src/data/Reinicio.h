#pragma once

#include "base/Data.h"

#include <QString>
#include <array>
#include <functional>

class DMGeral;
class Dialogos;
class PastaDados;
class Relogio;

// The first roster day and the reset of the register. Each writes its tables
// and text files in one transaction (a crash leaves the old register or the new
// one) and tells the operator that the program ends: once either returns, the
// caller ends the program, since every screen holds what was replaced. An invalid day throws Recusa
// and nothing is changed; a failing statement or a missing template throws Falha and nothing is
// changed.
namespace Reinicio {

// What the two screens work with.
struct Ambiente {
    DMGeral& dm;
    const PastaDados& pasta;
    Dialogos& dialogos;
    const Relogio& relogio;
    const std::array<int, 14>& cores; // colour slots 1..13
};

// The first roster day as typed (the current year for a date without one).
Data LePrimeiroDia(const QString& texto, int anoAtual);

// The last roster date and both ends of the roster period become the day
// before primeiro; the template files are copied over the working files.
// fechaTela, when given, runs once the files are in place, before the notice.
void FixaPrimeiroDia(DMGeral& dm, const PastaDados& pasta, Dialogos& dialogos, Data primeiro,
                     const std::function<void()>& fechaTela = {});

struct Opcoes {
    bool EliminaCadastro = false;  // else persons and duties stay, their rotation restarted
    bool EliminaHistorico = false; // else the history up to the day before stays
};
// As FixaPrimeiroDia, and the tables emptied or restarted as opcoes say.
void ReiniciaSistema(DMGeral& dm, const PastaDados& pasta, Dialogos& dialogos, Data primeiro,
                     Opcoes opcoes);

} // namespace Reinicio
