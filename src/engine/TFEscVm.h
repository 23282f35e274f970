#pragma once

#include <QDialog>
#include <QStringList>

class GradeTexto;
class QPlainTextEdit;
class QTableWidget;
struct Sistema;

// The guidance shown beside both red-day choice grids.
QStringList OrientacaoEscolhaVm();
// The memo that shows it (Memo1 of both choice dialogs).
QPlainTextEdit* CriaMemoOrientacaoVm(QWidget* pai);
// A choice grid: 4 columns and 31 rows, row 0 (headers) and column 0 (duties)
// fixed; no cell is typed into, a click is the only way to mark.
QTableWidget* CriaGradeEscolhaVm(QWidget* pai, const char* nome);
// Shows every cell of g in t.
void MostraGradeEscolhaVm(QTableWidget* t, const GradeTexto& g);

// FEscVm, "Escalar Vermelha Antes?": per duty, whether its red days are
// reserved before the complete forecast ("Sim") or not ("Não"), with the
// duties the last forecast could not fill marked "Erro" and the groups of
// sibling duties beside. Works on s.SGEscVm; closing changes nothing more.
class TFEscVm : public QDialog {
    Q_OBJECT
public:
    explicit TFEscVm(Sistema& s, QWidget* pai = nullptr);

protected:
    // Activation: colours, the grid prepared (AbreEscolhaVm) and shown.
    void showEvent(QShowEvent* evento) override;

private:
    void Clica(int linha, int coluna);

    Sistema& sis;
    QTableWidget* grade;
    QPlainTextEdit* memo2;
};
