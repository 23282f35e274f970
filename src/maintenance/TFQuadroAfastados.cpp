#include "maintenance/TFQuadroAfastados.h"

#include "maintenance/Afastamentos.h"
#include "model/Sistema.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>

TFQuadroAfastados::TFQuadroAfastados(Sistema& s, QWidget* pai) : QTableWidget(0, 5, pai), sis(s) {
    setObjectName(QStringLiteral("SGPessoal"));
    setHorizontalHeaderLabels({QStringLiteral("Numero"), QStringLiteral("Nome"),
                               QStringLiteral("Início"), QStringLiteral("Fim"),
                               QStringLiteral("P ou R")});
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    const QFontMetrics fm = fontMetrics();
    const QList<int> larguras = {fm.horizontalAdvance(QStringLiteral("Numero")),
                                 fm.horizontalAdvance(QStringLiteral("MMMMMMMMMMMMMMM")),
                                 fm.horizontalAdvance(QStringLiteral("00/00/00")),
                                 fm.horizontalAdvance(QStringLiteral("00/00/00")),
                                 fm.horizontalAdvance(QStringLiteral("P ou R"))};
    int total = 0;
    for (int c = 0; c < 5; ++c) {
        setColumnWidth(c, larguras[c] + 16);
        total += larguras[c] + 16;
    }
    setMinimumWidth(total + verticalScrollBar()->sizeHint().width() + 2 * frameWidth());
    setMinimumHeight(fm.height() * 14);
    connect(this, &QTableWidget::cellClicked, this,
            [this] { sis.dialogos.Aviso(QStringLiteral("Este Quadro não permite escrita")); });
}

bool TFQuadroAfastados::Mostra() {
    const QList<LinhaAfastado> lista = MilitaresForaDaEscala(sis);
    clearContents();
    setRowCount(static_cast<int>(lista.size()));
    for (int r = 0; r < lista.size(); ++r) {
        const LinhaAfastado& l = lista[r];
        const QStringList celulas = {l.Num, l.Nome, l.Ini, l.Fim, l.PR};
        for (int c = 0; c < 5; ++c)
            setItem(r, c, new QTableWidgetItem(celulas[c]));
    }
    return !lista.isEmpty();
}
