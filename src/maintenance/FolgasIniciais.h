#pragma once

#include <QList>
#include <QString>

struct Sistema;

// One row of the initial-rest grid: a member of the chosen duty.
struct LinhaFolga {
    QString Num;
    QString NumNome; // number, two blanks and name; empty when not registered
    QString Pt;
    QString Vm;
    QString USvPt; // as typed
    QString USvVm;
};

// The initial-rest screen's work: for one duty at a time, the dates of each
// member's last black and red duties, recorded in the rotation and merged into
// his list of last duties.
class FolgasIniciais {
public:
    explicit FolgasIniciais(Sistema& s) : sis(s) {}

    // Activation: every defined duty's counters are normalised (written at
    // once), VetBas is reloaded, no duty is chosen.
    void Abre();
    // After the duty chooser: the lowest-coded defined duty marked Sel "S"
    // and its members, in rotation order; none marked leaves no duty and no
    // rows.
    void Escolhe();
    int Servico() const { return servico; }
    QString Descricao() const;
    const QList<LinhaFolga>& Linhas() const { return linhas; }
    // The operator typed texto as the black (preta) or red date of row i
    // (0-based).
    void DefineData(int i, bool preta, const QString& texto);

    // "Gravar o Quadro": every row's two dates must be dates (a refusal
    // names the first that is not, and nothing is written); then each
    // registered member's last-duty list takes them, and Basico and the
    // duty's rotation are written together. The rows are emptied afterwards.
    void Grava();

private:
    Sistema& sis;
    int servico = 0;
    QList<LinhaFolga> linhas;
};
