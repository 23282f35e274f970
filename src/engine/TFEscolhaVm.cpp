#include "engine/TFEscolhaVm.h"

#include "base/ConsultaF1Qt.h"
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

TFEscolhaVm::TFEscolhaVm(Sistema& s, const Textos& textos, GradeTexto& grade, QWidget* pai)
    : QDialog(pai), sis(s), escolhas(grade) {
    setObjectName(QLatin1String(textos.nome));
    MarcaConsultaF1(this);
    setWindowTitle(textos.titulo);
    setModal(true);

    tabela = new QTableWidget(31, 4, this);
    tabela->setObjectName(QLatin1String(textos.nomeGrade));
    tabela->horizontalHeader()->hide();
    tabela->verticalHeader()->hide();
    tabela->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabela->setSelectionMode(QAbstractItemView::NoSelection);
    tabela->setFocusPolicy(Qt::NoFocus);
    tabela->setColumnWidth(0, 90);
    for (int c = 1; c <= 3; ++c)
        tabela->setColumnWidth(c, 48);
    tabela->verticalHeader()->setDefaultSectionSize(20);
    tabela->setMinimumWidth(90 + 3 * 48 + 2 * tabela->frameWidth() + 20);

    auto* memo1 = new QPlainTextEdit(this);
    memo1->setObjectName(QStringLiteral("Memo1"));
    memo1->setReadOnly(true);
    memo1->setPlainText(OrientacaoEscolhaVm().join(QLatin1Char('\n')));
    memo1->setMinimumWidth(320);
    auto* sair = new QPushButton(QStringLiteral("Sair"), this);
    sair->setObjectName(QLatin1String(textos.nomeSair));
    sair->setAutoDefault(false);

    coluna = new QVBoxLayout;
    coluna->addWidget(memo1, 3);
    coluna->addWidget(sair, 0, Qt::AlignRight);
    auto* tudo = new QHBoxLayout(this);
    tudo->addWidget(tabela);
    tudo->addLayout(coluna, 1);
    resize(720, 640);

    connect(tabela, &QTableWidget::cellClicked, this, &TFEscolhaVm::Clica);
    connect(sair, &QPushButton::clicked, this, &QDialog::accept);
}

void TFEscolhaVm::Acrescenta(QWidget* controle, bool antes, int espaco) {
    // Memo1 is the first item of the column, "Sair" the last.
    coluna->insertWidget(antes ? 0 : coluna->count() - 1, controle, espaco);
    // Tab follows the column from top to bottom.
    QWidget* anterior = tabela;
    for (int i = 0; i < coluna->count(); ++i)
        if (QWidget* w = coluna->itemAt(i)->widget()) {
            setTabOrder(anterior, w);
            anterior = w;
        }
}

void TFEscolhaVm::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (evento->spontaneous())
        return;
    PintaFundo(this, CorDoSlot(sis.SlotsCores, 1));
    Tenta(sis.dialogos, [&] { Prepara(); });
    MostraGrade();
}

void TFEscolhaVm::Clica(int linha, int coluna) {
    if (!MarcaEscolhaVm(escolhas, coluna, linha))
        return;
    Marcou();
    MostraGrade();
}

void TFEscolhaVm::MostraGrade() {
    const QBrush fundoFixo = tabela->palette().brush(QPalette::Button);
    for (int r = 0; r < tabela->rowCount() && r < escolhas.Linhas(); ++r)
        for (int c = 0; c < tabela->columnCount() && c < escolhas.Colunas(); ++c) {
            QTableWidgetItem* item = tabela->item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                item->setFlags(Qt::ItemIsEnabled);
                if (r == 0 || c == 0)
                    item->setBackground(fundoFixo);
                if (c > 0)
                    item->setTextAlignment(Qt::AlignCenter);
                tabela->setItem(r, c, item);
            }
            item->setText(escolhas.Cel(c, r));
        }
}
