#pragma once

#include <QList>
#include <QString>

struct Sistema;

// One line of "Militares Fora da Escala": a person with an absence window or
// kind. Ini and Fim are "dd/mm/yy", or a single blank when there is no date.
struct LinhaAfastado {
    QString Num;
    QString Nome;
    QString Ini;
    QString Fim;
    QString PR;
};

inline constexpr const char* SemAfastados = "Não há militares fora da escala";

// The persons of VetBas, in slot order up to the first empty one, whose Ini or
// Fim is a date or whose PR is not empty. Persons whose window has ended stay
// until their return is recorded.
QList<LinhaAfastado> MilitaresForaDaEscala(const Sistema& s);

// The absence screen's work: the windows recorded in VetBas while it is
// open, saved to Basico when it closes.
class SessaoAfastamentos {
public:
    explicit SessaoAfastamentos(Sistema& s) : sis(s) {}

    // Activation: VetBas reloaded, nothing recorded yet.
    void Abre();
    // Records the window ini..fim of num and its kind, "P" when previsto, else
    // "R"; a window already recorded is replaced. Refuses a date that does not
    // convert, a window that ends before it starts and an unregistered number,
    // changing nothing.
    void Registra(const QString& num, const QString& ini, const QString& fim, bool previsto);
    // Closing: what was recorded goes to Basico.
    void Fecha();

private:
    Sistema& sis;
    bool alterado = false;
    // What was recorded since the last save, for the change log.
    QStringList registrados;
    bool lido = false; // VetBas was read whole by Abre
};

// The return of num to every rotation: his window is cleared and, in every
// duty whose rotation carries his number, his counters are re-aligned with
// those of the persons present (the entry counters of ContadoresIniciais; with
// one duty or none, never below his own). An unregistered number or a person
// who was not absent is told, and the re-alignment still runs on whatever
// rows carry the number. Basico and the rotations are written together.
// Refuses an empty number.
void VoltaParaEscala(Sistema& s, const QString& num);
