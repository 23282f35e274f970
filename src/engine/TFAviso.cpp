#include "engine/TFAviso.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QPlainTextEdit* Memo(QWidget* pai, const char* nome, const QStringList& linhas) {
    auto* m = new QPlainTextEdit(pai);
    m->setObjectName(QLatin1String(nome));
    m->setReadOnly(true);
    m->setLineWrapMode(QPlainTextEdit::NoWrap);
    m->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m->setPlainText(linhas.join(QLatin1Char('\n')));
    return m;
}

} // namespace

QStringList TFAviso::LinhasAviso() {
    return {
        QStringLiteral("    "),
        QStringLiteral(
            "      Como há poucos militares por posto,  a Escala Vermelha   não pode  ser"),
        QStringLiteral("montada ANTES da Preta (como seria o ideal). Nesse caso,  ou se aumenta "),
        QStringLiteral(
            "o número de militares ou se  desobriga que a escala Vermelha seja  montada "),
        QStringLiteral(
            "ANTES da Preta. Se fizermos isso, provavelmente, o problema será resolvido. "),
        QStringLiteral("     "),
        QString(),
        QStringLiteral("                                             Observações:"),
        QString(),
        QStringLiteral("1.  a escala Vermelha continuará existir, somente não será montada ANTES"),
        QStringLiteral(" da Preta;  "),
        QStringLiteral("2. essa alteração só valerá para a escalação ATUAL; da próxima vez, tudo"),
        QStringLiteral("volta ao normal."),
        QStringLiteral(" "),
        QString(),
        QString(),
        QStringLiteral("                      ========   IMPORTANTE    ========="),
        QString(),
        QStringLiteral(
            "    Ao sair deste Quadro de Aviso, clicar novamente no botão  [  Verificar ] "),
        QString(),
        QStringLiteral(" "),
        QStringLiteral("     ")};
}

QStringList TFAviso::LinhasLembrete() {
    return {QStringLiteral("    "),
            QStringLiteral("      "),
            QString(),
            QStringLiteral("                    ========   IMPORTANTE    ========="),
            QString(),
            QString(),
            QString(),
            QStringLiteral("                             Ao sair deste Quadro de Aviso, "),
            QString(),
            QString(),
            QStringLiteral("                    clicar novamente no botão  [  Verificar ] "),
            QString(),
            QStringLiteral(" "),
            QStringLiteral("     ")};
}

TFAviso::TFAviso(QWidget* pai) : QDialog(pai) {
    setObjectName(QStringLiteral("FAviso"));
    setWindowTitle(QStringLiteral(" "));
    setModal(true);

    auto* rotulo = new QLabel(QStringLiteral("Aviso:"), this);
    rotulo->setObjectName(QStringLiteral("Label1"));
    aviso = Memo(this, "QAviso", LinhasAviso());
    avisoAux = Memo(this, "QAvisoAux", LinhasLembrete());
    avisoAux->hide();
    auto* sair = new QPushButton(QStringLiteral("Sair"), this);
    sair->setObjectName(QStringLiteral("BSair"));
    sair->setAutoDefault(false);

    // Both memos share one cell, so the reminder covers the text exactly.
    auto* layout = new QGridLayout(this);
    layout->addWidget(rotulo, 0, 0);
    layout->addWidget(aviso, 1, 0);
    layout->addWidget(avisoAux, 1, 0);
    layout->addWidget(sair, 2, 0, Qt::AlignRight);
    const QFontMetrics medida(aviso->font());
    resize(medida.horizontalAdvance(QString(82, QLatin1Char('M'))) + 40,
           medida.lineSpacing() * (LinhasAviso().size() + 2) + 110);

    connect(sair, &QPushButton::clicked, this, &QDialog::accept);
}

void TFAviso::MostraAvisoAux(bool visivel) {
    avisoAux->setVisible(visivel);
    if (visivel)
        avisoAux->raise();
}

int TFAviso::MostraAviso(bool soLembrete) {
    MostraAvisoAux(soLembrete);
    return exec();
}
