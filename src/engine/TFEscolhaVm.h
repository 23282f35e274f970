#pragma once

#include <QDialog>
#include <QStringList>

class GradeTexto;
class QTableWidget;
class QVBoxLayout;
struct Sistema;

// The guidance shown beside both red-day choice grids (Memo1).
QStringList OrientacaoEscolhaVm();

// What the two red-day choice dialogs share: a choice grid of 4 columns and 31
// rows (row 0 the headers, column 0 the duties; no cell is typed into, a click
// is the only way to mark), the guidance Memo1 beside it and "Sair". Each
// showing prepares the dialog's grid in the core and shows it; a click on a
// cell marks it by the choice rule.
class TFEscolhaVm : public QDialog {
    Q_OBJECT
protected:
    struct Textos {
        const char* nome;
        QString titulo;
        const char* nomeGrade;
        const char* nomeSair;
    };
    // grade is the core grid the dialog shows (s.SGEscVm or s.SGEscVmEsp).
    TFEscolhaVm(Sistema& s, const Textos& textos, GradeTexto& grade, QWidget* pai);

    // The column beside the grid: Memo1 and, at its end, "Sair"; a dialog
    // adds its own controls before (antes) or after Memo1.
    void Acrescenta(QWidget* controle, bool antes, int espaco = 0);
    // Activation, in the core: the grid prepared for showing.
    virtual void Prepara() = 0;
    // A click marked a cell of the grid.
    virtual void Marcou() {}

    void showEvent(QShowEvent* evento) override;

    Sistema& sis;

private:
    void Clica(int linha, int coluna);
    void MostraGrade();

    GradeTexto& escolhas;
    QTableWidget* tabela;
    QVBoxLayout* coluna;
};
