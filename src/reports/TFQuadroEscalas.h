#pragma once

#include "reports/Quadros.h"

#include <QDialog>
#include <functional>

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
    // What "Nº, Nome ou Pst/Grd" opens: the personnel lookup, modal over the
    // board, giving back the numbers the operator left selected.
    void DefineConsulta(std::function<QStringList(QWidget*)> consulta);
    // The board of the persons of those numbers.
    void MontaParaMilitares(const QStringList& numeros);

protected:
    // Activation: the colours and the board of every registered person.
    void showEvent(QShowEvent* evento) override;

private:
    void EscolheServicos();
    void Voltar();
    void Imprimir();
    void Mostra();

    Sistema& sis;
    std::function<QStringList(QWidget*)> consulta;
    QuadroEscalas estado;
    TFEscolherSv* escolha;
    QScrollArea* scrollBox1;
    GradeQuadro* sGQuadroEscalas;
    GradeQuadro* sGQuadroEscalasAux;
};
