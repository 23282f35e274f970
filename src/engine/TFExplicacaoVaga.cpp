#include "engine/TFExplicacaoVaga.h"

#include "base/ControlesQt.h"

#include <QListWidget>
#include <QVBoxLayout>

TFExplicacaoVaga::TFExplicacaoVaga(QWidget* pai) : QDialog(pai) {
    setObjectName(QStringLiteral("FExplicacaoVaga"));
    setWindowTitle(QStringLiteral("Por que ninguém foi escalado?"));
    auto* layout = new QVBoxLayout(this);
    lErro = Rotulo(this, "LErro", QString());
    lErro->setWordWrap(true);
    layout->addWidget(lErro);
    layout->addWidget(Rotulo(this, "LMembros",
                             QStringLiteral("Os militares da escala, na ordem em que foram "
                                            "tentados, e o que impediu cada um:")));
    lbMembros = Nomeado(new QListWidget(this), "LBMembros");
    layout->addWidget(lbMembros);
    auto* fechar = Botao(this, "BFechar", QStringLiteral("Fechar"));
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(fechar, 0, Qt::AlignRight);
}

void TFExplicacaoVaga::Mostra(const QString& erro, const QStringList& linhas) {
    lErro->setText(erro);
    lbMembros->clear();
    lbMembros->addItems(linhas);
    if (linhas.isEmpty())
        lbMembros->addItem(QStringLiteral("A escala deste serviço não tem militares."));
    // Wide enough for the longest line, within the screen.
    const int largura =
        qMax(lErro->fontMetrics().horizontalAdvance(erro), lbMembros->sizeHintForColumn(0) + 40);
    resize(qMin(largura + 40, 1200), qMin(120 + 20 * (lbMembros->count() + 4), 700));
    show();
    raise();
    activateWindow();
}
