#pragma once

#include "reports/Quadros.h"

#include <QDialog>
#include <QTableWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class TFEscolherSv;
struct Sistema;

// The read-only grid of a board (both query boards): every column as wide as
// its heading and cells. Clicking a cell writes the heading of its column over
// the heading row, from the column's left edge, where it may run over the next
// columns.
class GradeQuadro : public QTableWidget {
    Q_OBJECT
public:
    explicit GradeQuadro(const QString& nome, QWidget* pai = nullptr);

    void Mostra(const Quadro& quadro);
    // The heading written over the heading row by the last click; empty when
    // none shows.
    QString TituloSobreposto() const;

signals:
    void CelulaClicada();

private:
    void SobrepoeTitulo(int coluna);

    QStringList titulos;
    QLabel* titulo;
};

// FQuadroSv, "Quadro dos Serviços": how many duties of each kind every person
// took in a period, with a total per person; narrowed to some persons or some
// duties without counting again, and printed in landscape.
class TFQuadroSv : public QDialog {
    Q_OBJECT
public:
    explicit TFQuadroSv(Sistema& s, QWidget* pai = nullptr);

    const QuadroServicos& Estado() const { return estado; }
    TFEscolherSv* Escolha() const { return escolha; }
    // What "Número, Nome ou Posto" opens: the personnel lookup, modal over
    // the board, giving back the numbers the operator left selected.
    void DefineConsulta(std::function<QStringList(QWidget*)> consulta);
    // The board narrowed to the persons of those numbers.
    void SeparaPorMilitares(const QStringList& numeros);

protected:
    // Activation: the period of this year, the colours.
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void Pesquisar();
    void EscolheServicos();
    void Voltar();
    void Imprimir();
    void Mostra();

    Sistema& sis;
    std::function<QStringList(QWidget*)> consulta;
    QuadroServicos estado;
    TFEscolherSv* escolha;
    QLineEdit* edit1;
    QLineEdit* edit2;
    QRadioButton* radioButton1;
    QRadioButton* radioButton2;
    QRadioButton* radioButton3;
    QPushButton* bExecutar;
    QWidget* painelMilitares;
    QScrollArea* scrollBox1;
    GradeQuadro* sGQuadroSv;
    GradeQuadro* sGQuadroSvAux;
};
