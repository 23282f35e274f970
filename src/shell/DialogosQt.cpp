#include "shell/DialogosQt.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace {
const QString titulo = QStringLiteral("Tarvolim");

// Texts written for the original line ends ("\r") show their breaks too.
QString Quebras(QString texto) {
    texto.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    texto.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return texto;
}
} // namespace

void DialogosQt::Aviso(const QString& texto) {
    QMessageBox::information(QApplication::activeWindow(), titulo, Quebras(texto));
}

bool DialogosQt::Confirma(const QString& texto) {
    return QMessageBox::question(QApplication::activeWindow(), titulo, Quebras(texto),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

std::optional<QString> DialogosQt::Pergunta(const QString& tituloCaixa, const QString& rotulo,
                                            const QString& padrao) {
    bool ok = false;
    const QString resposta = QInputDialog::getText(QApplication::activeWindow(), tituloCaixa,
                                                   rotulo, QLineEdit::Normal, padrao, &ok);
    if (!ok)
        return std::nullopt;
    return resposta;
}
