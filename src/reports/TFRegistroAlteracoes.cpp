#include "reports/TFRegistroAlteracoes.h"

#include "base/ControlesQt.h"
#include "base/CoresQt.h"
#include "base/Tenta.h"
#include "model/Sistema.h"
#include "reports/RegistroAlteracoes.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

TFRegistroAlteracoes::TFRegistroAlteracoes(Sistema& s, QWidget* pai) : QDialog(pai), sis(s) {
    setObjectName(QStringLiteral("FRegistroAlteracoes"));
    setWindowTitle(QStringLiteral("Registro das Alterações"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Rotulo(this, "Label1",
                             QStringLiteral("Cada operação que alterou o cadastro: quando, qual, "
                                            "com que dados e quantas linhas de cada tabela.")));
    auto* filtro = new QHBoxLayout;
    filtro->addWidget(Rotulo(this, "Label2", QStringLiteral("De (dd/mm/aa):")));
    eDe = Nomeado(new QLineEdit(this), "EDe");
    filtro->addWidget(eDe);
    filtro->addWidget(Rotulo(this, "Label3", QStringLiteral("Até (dd/mm/aa):")));
    eAte = Nomeado(new QLineEdit(this), "EAte");
    filtro->addWidget(eAte);
    for (QLineEdit* e : {eDe, eAte}) {
        e->setMaxLength(10);
        e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("00/00/0000")) + 16);
    }
    auto* filtrar = Botao(this, "BFiltrar", QStringLiteral("Filtrar"));
    filtro->addWidget(filtrar);
    filtro->addStretch();
    layout->addLayout(filtro);
    sGRegistro = Nomeado(new QTableWidget(0, 4, this), "SGRegistro");
    sGRegistro->setHorizontalHeaderLabels({QStringLiteral("Quando"), QStringLiteral("Operação"),
                                           QStringLiteral("Argumentos"),
                                           QStringLiteral("Alterações")});
    sGRegistro->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sGRegistro->setSelectionBehavior(QAbstractItemView::SelectRows);
    sGRegistro->verticalHeader()->hide();
    sGRegistro->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(sGRegistro);
    auto* sair = Botao(this, "BSair", QStringLiteral("Sair"));
    layout->addWidget(sair, 0, Qt::AlignRight);
    connect(filtrar, &QPushButton::clicked, this, &TFRegistroAlteracoes::Filtra);
    for (QLineEdit* e : {eDe, eAte})
        connect(e, &QLineEdit::returnPressed, this, &TFRegistroAlteracoes::Filtra);
    connect(sair, &QPushButton::clicked, this, &QDialog::accept);
    resize(1100, 560);
}

void TFRegistroAlteracoes::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (evento->spontaneous())
        return;
    PintaFundo(this, CorDoSlot(sis.SlotsCores, 1));
    Filtra();
    eDe->setFocus();
}

void TFRegistroAlteracoes::Filtra() {
    Tenta(sis.dialogos, [&] {
        const auto entradas = RegistroDoPeriodo(sis, eDe->text(), eAte->text());
        sGRegistro->setRowCount(0);
        sGRegistro->setRowCount(static_cast<int>(entradas.size()));
        for (int r = 0; r < entradas.size(); ++r) {
            const QStringList campos = CamposDoRegistro(entradas[r]);
            for (int c = 0; c < campos.size(); ++c) {
                auto* item = new QTableWidgetItem(campos[c]);
                item->setToolTip(campos[c]);
                sGRegistro->setItem(r, c, item);
            }
        }
        sGRegistro->resizeColumnsToContents();
        sGRegistro->scrollToBottom();
    });
}
