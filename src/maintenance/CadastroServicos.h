#pragma once

#include <QString>

struct Sistema;

// The modes of the duty form.
enum class ModoServico { Nenhum, Incluir, Excluir, Alterar };

// The duty form's fields as the operator typed (or the form shows) them.
struct CamposServico {
    QString Codigo;
    QString Descricao;
    QString Quantidade;
    QString Prioridade;
    QString Inicio;
    QString Fim;
    QString Folga;
    int Tipo = 0; // item of the type group: 0 "PV", 1 "Pt", 2 "Vm"
};

// "PV", "Pt" or "Vm" for the item 0, 1 or 2 of the type group, and back (an
// unknown kind gives item 0).
QString TipoDoItem(int item);
int ItemDoTipo(const QString& tipo);

// The duty of a typed code: 1..30, or 0 when the text is not such a number.
int CodigoServico(const QString& texto);
// What the form shows of the duty record in slot cod (1..30).
CamposServico CamposDoServico(const Sistema& s, int cod);

enum class ResultadoServico {
    Gravado,
    Recusado,        // no mode chosen: nothing was done
    CodigoExistente, // "Código já existente": the caller shows the stored duty
};

// Records the form in the given mode: checks the fields in order (the first
// that fails throws Recusa, nothing written), then includes, alters or removes the duty
// and rewrites table Sv. Removing a duty that still has history deactivates it
// instead; either way its rotation is emptied.
ResultadoServico EfetivaServico(Sistema& s, ModoServico modo, const CamposServico& campos);

// One line of the list of duties: the code, " - " and the description.
QString LinhaRelacao(const Sistema& s, int cod);
