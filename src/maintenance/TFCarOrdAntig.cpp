#include "maintenance/TFCarOrdAntig.h"

#include "base/ConsultaF1Qt.h"
#include "base/CoresQt.h"
#include "base/Tenta.h"
#include "model/Sistema.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int ColunaAntig = 3;

} // namespace

TFCarOrdAntig::TFCarOrdAntig(Sistema& s, QWidget* pai) : QDialog(pai), sis(s), ordem(s) {
    setObjectName(QStringLiteral("FCarOrdAntig"));
    MarcaConsultaF1(this);
    setWindowTitle(QStringLiteral("Relação das Antiguidades"));

    auto* coluna = new QVBoxLayout(this);
    sgAntiguidade = new QTableWidget(0, 4, this);
    sgAntiguidade->setObjectName(QStringLiteral("SGAntiguidade"));
    sgAntiguidade->setHorizontalHeaderLabels({QStringLiteral("Número"), QStringLiteral("PstGrd"),
                                              QStringLiteral("Nome"), QStringLiteral("Antig")});
    sgAntiguidade->verticalHeader()->hide();
    sgAntiguidade->setSelectionMode(QAbstractItemView::SingleSelection);
    sgAntiguidade->setEditTriggers(QAbstractItemView::AllEditTriggers);
    const QFontMetrics fm = sgAntiguidade->fontMetrics();
    const QList<int> larguras = {fm.horizontalAdvance(QStringLiteral("Número")),
                                 fm.horizontalAdvance(QStringLiteral("MMMMMMM")),
                                 fm.horizontalAdvance(QStringLiteral("MMMMMMMMMMMMMMM")),
                                 fm.horizontalAdvance(QStringLiteral("99999"))};
    int total = 0;
    for (int c = 0; c < 4; ++c) {
        sgAntiguidade->setColumnWidth(c, larguras[c] + 16);
        total += larguras[c] + 16;
    }
    sgAntiguidade->setMinimumWidth(total + sgAntiguidade->verticalScrollBar()->sizeHint().width() +
                                   2 * sgAntiguidade->frameWidth());
    sgAntiguidade->setMinimumHeight(fm.height() * 20);
    coluna->addWidget(sgAntiguidade);
    connect(sgAntiguidade, &QTableWidget::cellClicked, this, [this](int, int c) {
        if (c != ColunaAntig)
            sis.dialogos.Aviso(QStringLiteral("Não é possível alterar esta coluna"));
    });
    connect(sgAntiguidade, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!preenchendo && item->column() == ColunaAntig)
            ordem.DefineAntig(item->row(), item->text());
    });

    auto* botoes = new QHBoxLayout;
    auto* button1 = new QPushButton(QStringLiteral("Ordenar Antiguidades"), this);
    button1->setObjectName(QStringLiteral("Button1"));
    auto* button3 = new QPushButton(QStringLiteral("Sair"), this);
    button3->setObjectName(QStringLiteral("Button3"));
    for (QPushButton* b : {button1, button3}) {
        b->setAutoDefault(false);
        botoes->addWidget(b);
    }
    coluna->addLayout(botoes);
    connect(button1, &QPushButton::clicked, this, &TFCarOrdAntig::Ordena);
    connect(button3, &QPushButton::clicked, this, &QDialog::close);
}

void TFCarOrdAntig::showEvent(QShowEvent* evento) {
    PintaFundo(this, CorDoSlot(sis.SlotsCores, 1));
    Tenta(sis.dialogos, [&] { ordem.Abre(); });
    Mostra();
    QDialog::showEvent(evento);
}

void TFCarOrdAntig::Mostra() {
    preenchendo = true;
    const QList<LinhaAntiguidade>& linhas = ordem.Linhas();
    sgAntiguidade->clearContents();
    sgAntiguidade->setRowCount(static_cast<int>(linhas.size()));
    for (int r = 0; r < linhas.size(); ++r) {
        const LinhaAntiguidade& l = linhas[r];
        const QStringList celulas = {l.Num, l.PstGrd, l.Nome, l.Antig};
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(celulas[c]);
            // Only the seniority number is typed here.
            if (c != ColunaAntig)
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            sgAntiguidade->setItem(r, c, item);
        }
    }
    preenchendo = false;
}

void TFCarOrdAntig::Ordena() {
    if (Tenta(sis.dialogos, [&] { ordem.Ordena(); }))
        Mostra();
}

void TFCarOrdAntig::done(int resultado) {
    if (!Tenta(sis.dialogos, [&] { ordem.Fecha(); })) {
        Mostra();
        return;
    }
    QDialog::done(resultado);
}
