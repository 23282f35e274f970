#pragma once

#include "reports/Quadros.h"

#include <QDialog>

class GradeQuadro;
class QScrollArea;
class TFEscolherSv;
struct Sistema;

// FQuadroEscalas, "Militares e Serviços": which person competes for which
// defined duty ("S" where he stands in its roster); rebuilt for chosen persons,
// narrowed to chosen duties, and printed.
class TFQuadroEscalas : public QDialog {
    Q_OBJECT
public:
    explicit TFQuadroEscalas(Sistema& s, QWidget* pai = nullptr);

    const QuadroEscalas& Estado() const { return estado; }
    TFEscolherSv* Escolha() const { return escolha; }
    // "Nº, Nome ou Pst/Grd" with the lines the personnel lookup left selected
    // (each starting with the person number): the board of those persons.
    void MontaParaMilitares(const QStringList& linhasSelecionadas);

protected:
    // Activation: the colours and the board of every registered person.
    void showEvent(QShowEvent* evento) override;

private:
    void EscolheServicos();
    void Voltar();
    void Imprimir();
    void Mostra();

    Sistema& sis;
    QuadroEscalas estado;
    TFEscolherSv* escolha;
    QScrollArea* scrollBox1;
    GradeQuadro* sGQuadroEscalas;
    GradeQuadro* sGQuadroEscalasAux;
};
