#include "engine/TFEscVm.h"

#include "base/CoresQt.h"
#include "base/Tenta.h"
#include "engine/PrevisaoVermelha.h"
#include "model/GradeTexto.h"
#include "model/Sistema.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

QStringList OrientacaoEscolhaVm() {
    return {QStringLiteral("  \"Sim\":  indicado para os serviços que"),
            QStringLiteral("contam com um bom número de militares."),
            QStringLiteral("As escalas Vermelhas (sábados, domingos"),
            QStringLiteral("e feriados) desse serviço são montadas"),
            QStringLiteral("ANTES das Pretas, o que reparte melhor"),
            QStringLiteral("os dias vermelhos entre os militares."),
            QString(),
            QStringLiteral("  \"Não\":  indicado para as escalas mais"),
            QStringLiteral("apertadas, com poucos militares. As"),
            QStringLiteral("escalas Vermelhas desse serviço perdem"),
            QStringLiteral("a prioridade e são montadas junto com"),
            QStringLiteral("as Pretas, pela ordem normal da escala."),
            QString(),
            QStringLiteral("  Serviços irmãos são aqueles aos quais"),
            QStringLiteral("concorrem os mesmos militares (veja a"),
            QStringLiteral("relação ao lado). Entre serviços irmãos"),
            QStringLiteral("pode bastar marcar apenas um deles."),
            QString(),
            QStringLiteral("  \"Erro\":  serviço que a última previsão"),
            QStringLiteral("não conseguiu completar por falta de"),
            QStringLiteral("militares. Um clique na linha do serviço"),
            QStringLiteral("apaga a marca.")};
}

QPlainTextEdit* CriaMemoOrientacaoVm(QWidget* pai) {
    auto* memo = new QPlainTextEdit(pai);
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->setReadOnly(true);
    memo->setPlainText(OrientacaoEscolhaVm().join(QLatin1Char('\n')));
    memo->setMinimumWidth(320);
    return memo;
}

QTableWidget* CriaGradeEscolhaVm(QWidget* pai, const char* nome) {
    auto* t = new QTableWidget(31, 4, pai);
    t->setObjectName(QLatin1String(nome));
    t->horizontalHeader()->hide();
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setFocusPolicy(Qt::NoFocus);
    t->setColumnWidth(0, 90);
    for (int c = 1; c <= 3; ++c)
        t->setColumnWidth(c, 48);
    t->verticalHeader()->setDefaultSectionSize(20);
    t->setMinimumWidth(90 + 3 * 48 + 2 * t->frameWidth() + 20);
    return t;
}

void MostraGradeEscolhaVm(QTableWidget* t, const GradeTexto& g) {
    const QBrush fundoFixo = t->palette().brush(QPalette::Button);
    for (int r = 0; r < t->rowCount() && r < g.Linhas(); ++r)
        for (int c = 0; c < t->columnCount() && c < g.Colunas(); ++c) {
            QTableWidgetItem* item = t->item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                item->setFlags(Qt::ItemIsEnabled);
                if (r == 0 || c == 0)
                    item->setBackground(fundoFixo);
                if (c > 0)
                    item->setTextAlignment(Qt::AlignCenter);
                t->setItem(r, c, item);
            }
            item->setText(g.Cel(c, r));
        }
}

TFEscVm::TFEscVm(Sistema& s, QWidget* pai) : QDialog(pai), sis(s) {
    setObjectName(QStringLiteral("FEscVm"));
    setWindowTitle(QStringLiteral("Escalar Vermelha Antes?"));
    setModal(true);

    grade = CriaGradeEscolhaVm(this, "SGEscVm");
    auto* memo1 = CriaMemoOrientacaoVm(this);
    memo2 = new QPlainTextEdit(this);
    memo2->setObjectName(QStringLiteral("Memo2"));
    memo2->setReadOnly(true);
    auto* sair = new QPushButton(QStringLiteral("Sair"), this);
    sair->setObjectName(QStringLiteral("Button3"));
    sair->setAutoDefault(false);

    auto* direita = new QVBoxLayout;
    direita->addWidget(memo1, 3);
    direita->addWidget(memo2, 2);
    direita->addWidget(sair, 0, Qt::AlignRight);
    auto* tudo = new QHBoxLayout(this);
    tudo->addWidget(grade);
    tudo->addLayout(direita, 1);
    resize(720, 640);

    connect(grade, &QTableWidget::cellClicked, this, &TFEscVm::Clica);
    connect(sair, &QPushButton::clicked, this, &QDialog::accept);
}

void TFEscVm::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (evento->spontaneous())
        return;
    PintaFundo(this, CorDoSlot(sis.SlotsCores, 1));
    Tenta(sis.dialogos, [&] { AbreEscolhaVm(sis); });
    MostraGradeEscolhaVm(grade, sis.SGEscVm);
    memo2->setPlainText(sis.Memo2EscVm.join(QLatin1Char('\n')));
}

void TFEscVm::Clica(int linha, int coluna) {
    if (MarcaEscolhaVm(sis.SGEscVm, coluna, linha))
        MostraGradeEscolhaVm(grade, sis.SGEscVm);
}
