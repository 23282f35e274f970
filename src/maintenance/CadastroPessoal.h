#pragma once

#include "model/Pessoal.h"

#include <QString>
#include <optional>

class Dialogos;
struct Sistema;

// What the personnel screen remembers between the operator's steps while it is
// open, and the notices that follow from it.
class SessaoPessoal {
public:
    explicit SessaoPessoal(Dialogos& dialogos) : dialogos(dialogos) {}

    void Abre();        // the screen is shown: nothing chosen, recorded or included
    void NumeroMudou(); // "Você não gravou o registro anterior" after a choice not recorded
    // "Escolher": true the first time since the screen opened.
    bool Escolhe();
    void Gravou();  // the choice was recorded (or the person removed)
    void Incluiu(); // a person was registered
    void Fecha();   // the reminders of a choice not recorded and of seniority

private:
    Dialogos& dialogos;
    bool escolheu = false; // "Escolher" used and not yet recorded
    bool gravou = false;
    bool incluiu = false;
    int vezesEscolher = 0;
};

// Why a typed number cannot be a personnel number: a blank (the history
// separates numbers by blanks) or "x" (the mark of a record to be dropped);
// empty when it can.
QString NumeroRecusado(const QString& num);

// The notice that closes a screen on which persons were registered.
QString LembreteAntiguidade();

// Reloads VetBas and looks the number up slot by slot, up to the first empty
// one.
std::optional<TipoVetBas> ProcuraMilitar(Sistema& s, const QString& num);

enum class ResultadoInclusao {
    Incluido,
    Recusado,    // a refusal was shown (or the operator said No); nothing written
    JaExistente, // "Número já existente no Sistema": Nome holds his name
};
struct Inclusao {
    ResultadoInclusao Resultado = ResultadoInclusao::Recusado;
    QString Nome;
};

// Registers a person in Basico (not yet ordered, not absent). A number still
// named in the history is registered only when the operator confirms.
Inclusao IncluiMilitar(Sistema& s, const QString& num, const QString& nome, const QString& pstGrd);

// The defined duties whose Sel is "S", ascending, comma-separated.
QString ListaEscolhida(const Sistema& s);

enum class ResultadoGravacao {
    Gravado,
    SemMudanca,    // the chosen duties are the person's duties: nothing written
    NaoCadastrado, // "Militar não está cadastrado no Sistema"
    Recusado,
};

// Makes the person compete for exactly the duties marked Sel "S": he leaves
// the unmarked ones, and every marked duty gives him its entry counters (a new
// member also gets "13/05/09" as his last duties). The rotations are written
// in one transaction.
ResultadoGravacao GravaServicosDoMilitar(Sistema& s, const QString& num);

enum class ResultadoExclusao { Excluido, NaoEncontrado, Recusado };

// Takes the person out of every rotation and out of Basico; his history stays.
ResultadoExclusao ExcluiMilitar(Sistema& s, const QString& num);
