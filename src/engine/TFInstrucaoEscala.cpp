#include "engine/TFInstrucaoEscala.h"

#include "base/ConsultaF1Qt.h"
#include "base/ControlesQt.h"
#include "base/CoresQt.h"
#include "base/Tenta.h"
#include "model/Sistema.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

QListWidget* Lista(QWidget* pai, const char* nome) {
    auto* l = new QListWidget(pai);
    l->setObjectName(QLatin1String(nome));
    l->setSelectionMode(QAbstractItemView::MultiSelection);
    return l;
}

QList<int> Selecionadas(const QListWidget* lista) {
    QList<int> linhas;
    for (int r = 0; r < lista->count(); ++r)
        if (lista->item(r)->isSelected())
            linhas << r;
    return linhas;
}

} // namespace

TFInstrucaoEscala::TFInstrucaoEscala(Sistema& s, const Textos& textos, Grava g, Fecha f,
                                     QWidget* pai)
    : QDialog(pai), sis(s), grava(g), fecha(f) {
    setObjectName(QLatin1String(textos.nome));
    MarcaConsultaF1(this);
    setWindowTitle(textos.titulo);
    setModal(true);

    edit1 = new QLineEdit(this);
    edit1->setObjectName(QStringLiteral("Edit1"));
    servicos = Lista(this, "LBServicos");
    listaDias = Lista(this, "LBDias");
    auto* registra = Botao(this, textos.nomeBotao, textos.textoBotao);
    auto* fim = Botao(this, "Button3", QStringLiteral("Fim"));

    auto* grade = new QGridLayout(this);
    grade->addWidget(Rotulo(this, "Label1", QStringLiteral("Número")), 0, 0);
    grade->addWidget(edit1, 1, 0);
    grade->addWidget(Rotulo(this, "Label2", textos.rotuloServicos), 2, 0);
    grade->addWidget(servicos, 3, 0);
    grade->addWidget(Rotulo(this, "Label3", textos.rotuloDias), 2, 1);
    grade->addWidget(listaDias, 3, 1);
    grade->addWidget(registra, 4, 0);
    grade->addWidget(fim, 4, 1, Qt::AlignRight);

    connect(edit1, &QLineEdit::editingFinished, this,
            [this] { edit1->setText(NumeroDigitado(edit1->text())); });
    servicos->installEventFilter(this);
    connect(registra, &QPushButton::clicked, this, &TFInstrucaoEscala::Registra);
    connect(fim, &QPushButton::clicked, this, &QDialog::accept);
}

Instrucao TFInstrucaoEscala::Selecao() const {
    Instrucao i;
    i.Num = NumeroDigitado(edit1->text());
    i.Servicos = ServicosSelecionados();
    for (int r : Selecionadas(listaDias))
        i.Dias << dias[r];
    return i;
}

QList<int> TFInstrucaoEscala::ServicosSelecionados() const {
    QList<int> linhas = Selecionadas(servicos);
    for (int& r : linhas)
        ++r; // line 0 is duty 1
    return linhas;
}

void TFInstrucaoEscala::showEvent(QShowEvent* evento) {
    Tenta(sis.dialogos, [&] { CarregaVetSv(sis, Banco::Principal); });
    PintaFundo(this, CorDoSlot(sis.SlotsCores, 1));
    PintaFundo(servicos, CorDoSlot(sis.SlotsCores, 3));
    PintaFundo(listaDias, CorDoSlot(sis.SlotsCores, 3));
    servicos->clear();
    servicos->addItems(ServicosOferecidos(sis));
    dias = DiasOferecidos(sis);
    listaDias->clear();
    for (Data d : dias)
        listaDias->addItem(d.Texto());
    servicos->show();
    listaDias->show();
    QDialog::showEvent(evento);
}

bool TFInstrucaoEscala::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == servicos && evento->type() == QEvent::FocusOut)
        MarcaServicos(sis, ServicosSelecionados());
    return QDialog::eventFilter(objeto, evento);
}

void TFInstrucaoEscala::Registra() {
    const Instrucao i = Selecao();
    if (!Tenta(sis.dialogos, [&] { grava(sis, i); }))
        return;
    edit1->clear();
    edit1->setFocus();
    servicos->clearSelection();
    listaDias->clearSelection();
}

void TFInstrucaoEscala::done(int resultado) {
    fecha(sis);
    QDialog::done(resultado);
}
