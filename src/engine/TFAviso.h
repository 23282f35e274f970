#pragma once

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;

// FAviso, the notice after a forecast that left slots unfilled: why the red
// days could not be built first and what to do. Once the operator has read it,
// the short reminder QAvisoAux can cover the full text.
class TFAviso : public QDialog {
    Q_OBJECT
public:
    explicit TFAviso(QWidget* pai = nullptr);

    // The lines of the full text (QAviso) and of the short reminder (QAvisoAux).
    static QStringList LinhasAviso();
    static QStringList LinhasLembrete();

    // Shows (or hides again) QAvisoAux over QAviso.
    void MostraAvisoAux(bool visivel = true);
    // Shows the notice modally, with only the short reminder when soLembrete.
    int MostraAviso(bool soLembrete);

private:
    QPlainTextEdit* aviso;
    QPlainTextEdit* avisoAux;
};
