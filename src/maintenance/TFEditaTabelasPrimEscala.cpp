#include "maintenance/TFEditaTabelasPrimEscala.h"

#include "base/ConsultaF1Qt.h"
#include "base/ControlesQt.h"
#include "base/CoresQt.h"
#include "base/Tenta.h"
#include "model/Sistema.h"
#include "reports/TFEscolherSv.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

TFEditaTabelasPrimEscala::TFEditaTabelasPrimEscala(Sistema& s, QWidget* pai)
    : QDialog(pai), sis(s), folgas(s) {
    setObjectName(QStringLiteral("FEditaTabelasPrimEscala"));
    MarcaConsultaF1(this);
    setWindowTitle(QStringLiteral("Formulário para Edição das Primeiras Folgas"));
    escolha = new TFEscolherSv(s, this);

    auto* coluna = new QVBoxLayout(this);
    auto* button5 = new QPushButton(QStringLiteral("Selecionar o Serviço"), this);
    button5->setObjectName(QStringLiteral("Button5"));
    coluna->addWidget(button5, 0, Qt::AlignLeft);

    auto* titulo = new QHBoxLayout;
    auto* label4 = Rotulo(this, "Label4", QStringLiteral("Situação Inicial da Escada de :"));
    label5 = RotuloNegrito(this, "Label5");
    titulo->addWidget(label4);
    titulo->addWidget(label5, 1);
    coluna->addLayout(titulo);

    sgServico = new QTableWidget(0, 5, this);
    sgServico->setObjectName(QStringLiteral("SGServico"));
    sgServico->setHorizontalHeaderLabels({QStringLiteral("Número - Nome"), QStringLiteral("Preta"),
                                          QStringLiteral("Vermelha"), QStringLiteral("USvPt"),
                                          QStringLiteral("USvVm")});
    sgServico->verticalHeader()->hide();
    sgServico->setEditTriggers(QAbstractItemView::AllEditTriggers);
    const QFontMetrics fm = sgServico->fontMetrics();
    const int nome = fm.horizontalAdvance(QStringLiteral("0000  MMMMMMMMMMMMMMM")) + 16;
    const int data = fm.horizontalAdvance(QStringLiteral("00/00/0000")) + 24;
    // The counters are carried through, out of sight.
    const QList<int> larguras = {nome, 2, 2, data, data};
    sgServico->horizontalHeader()->setMinimumSectionSize(2);
    int total = 0;
    for (int c = 0; c < 5; ++c) {
        sgServico->setColumnWidth(c, larguras[c]);
        total += larguras[c];
    }
    sgServico->setMinimumWidth(total + sgServico->verticalScrollBar()->sizeHint().width() +
                               2 * sgServico->frameWidth());
    sgServico->setMinimumHeight(fm.height() * 20);
    coluna->addWidget(sgServico);
    connect(sgServico, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!preenchendo && item->column() >= 3)
            folgas.DefineData(item->row(), item->column() == 3, item->text());
    });

    auto* botoes = new QHBoxLayout;
    auto* button4 = new QPushButton(QStringLiteral("Gravar o Quadro"), this);
    button4->setObjectName(QStringLiteral("Button4"));
    auto* button2 = new QPushButton(QStringLiteral("Sair"), this);
    button2->setObjectName(QStringLiteral("Button2"));
    for (QPushButton* b : {button5, button4, button2})
        b->setAutoDefault(false);
    botoes->addWidget(button4);
    botoes->addWidget(button2);
    coluna->addLayout(botoes);
    connect(button5, &QPushButton::clicked, this, &TFEditaTabelasPrimEscala::Seleciona);
    connect(button4, &QPushButton::clicked, this, &TFEditaTabelasPrimEscala::Grava);
    connect(button2, &QPushButton::clicked, this, &QDialog::close);
}

void TFEditaTabelasPrimEscala::showEvent(QShowEvent* evento) {
    Tenta(sis.dialogos, [&] { folgas.Abre(); });
    PintaFundo(this, CorDoSlot(sis.SlotsCores, 1));
    Mostra();
    QDialog::showEvent(evento);
}

void TFEditaTabelasPrimEscala::Mostra() {
    preenchendo = true;
    label5->setText(folgas.Descricao());
    const QList<LinhaFolga>& linhas = folgas.Linhas();
    sgServico->clearContents();
    sgServico->setRowCount(static_cast<int>(linhas.size()));
    for (int r = 0; r < linhas.size(); ++r) {
        const LinhaFolga& l = linhas[r];
        const QStringList celulas = {l.NumNome, l.Pt, l.Vm, l.USvPt, l.USvVm};
        for (int c = 0; c < 5; ++c) {
            auto* item = new QTableWidgetItem(celulas[c]);
            // Only the dates are typed here.
            if (c < 3)
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            sgServico->setItem(r, c, item);
        }
    }
    preenchendo = false;
}

void TFEditaTabelasPrimEscala::Seleciona() {
    escolha->exec();
    Tenta(sis.dialogos, [&] { folgas.Escolhe(); });
    Mostra();
}

void TFEditaTabelasPrimEscala::Grava() {
    if (Tenta(sis.dialogos, [&] { folgas.Grava(); }))
        Mostra();
}
