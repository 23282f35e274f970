#include "calendar/TFSemExped.h"

#include "base/ControlesQt.h"
#include "base/CoresQt.h"
#include "base/Tenta.h"
#include "model/Sistema.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QtMath>

namespace {

constexpr int linhasGrade = 20;

// A guidance memo of the size of its lines, so that the grids get the room.
QPlainTextEdit* Memo(QWidget* pai, const char* nome, const QStringList& linhas) {
    auto* m = new QPlainTextEdit(pai);
    m->setObjectName(QLatin1String(nome));
    m->setReadOnly(true);
    m->setLineWrapMode(QPlainTextEdit::NoWrap);
    m->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m->setPlainText(linhas.join(QLatin1Char('\n')));
    const QFontMetrics medida(m->font());
    int largura = 0;
    for (const QString& l : linhas)
        largura = qMax(largura, medida.horizontalAdvance(l));
    const int margem = 2 * (m->frameWidth() + qCeil(m->document()->documentMargin())) + 4;
    m->setFixedSize(largura + margem, medida.lineSpacing() * linhas.size() + margem);
    return m;
}

} // namespace

TFSemExped::TFSemExped(Sistema& s, QWidget* pai) : QDialog(pai), sis(s) {
    setObjectName(QStringLiteral("FSemExped"));
    setWindowTitle(QStringLiteral("Escala Vermelha"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    auto* label1 = Rotulo(this, "Label1", QStringLiteral("Dia Inicial"));
    edit2 = new QLineEdit(this);
    edit2->setObjectName(QStringLiteral("Edit2"));
    edit2->setEnabled(false);
    auto* label3 = Rotulo(this, "Label3", QStringLiteral("Dia Final"));
    edit1 = new QLineEdit(this);
    edit1->setObjectName(QStringLiteral("Edit1"));
    auto* button1 = Botao(this, "Button1", QStringLiteral("Incluir Automático"));
    auto* feriados =
        Botao(this, "BFeriadosNacionais", QStringLiteral("Incluir Feriados Nacionais"));
    auto* memo1 =
        Memo(this, "Memo1",
             {QStringLiteral("  - Inclusão automá-"), QStringLiteral("tica de  Sábados  e"),
              QStringLiteral("Domingos."), QString(), QStringLiteral("  - Os   demais   dias"),
              QStringLiteral("de Escala  Vermelha"), QStringLiteral("(feriados  e dias sem"),
              QStringLiteral("expediente) deverão"), QStringLiteral("ser incluídos usando"),
              QStringLiteral("o painel ao lado.")});
    auto* memo2 = Memo(this, "Memo2",
                       {QStringLiteral("   - Inclusão / Exclusão Manual de dias de "),
                        QStringLiteral(" Escala  Vermelha  ( feriados  e dias  sem "),
                        QStringLiteral(" expediente) ")});

    auto* grupo = new QGroupBox(this);
    grupo->setObjectName(QStringLiteral("RadioGroup1"));
    auto* radio1 = new QRadioButton(QStringLiteral("Incluir dia  na Escala Vermelha"), grupo);
    radio1->setObjectName(QStringLiteral("RadioButton1"));
    auto* radio2 = new QRadioButton(QStringLiteral("Excluir dia da Escala Vermelha"), grupo);
    radio2->setObjectName(QStringLiteral("RadioButton2"));
    auto* radio3 = new QRadioButton(QStringLiteral("Listar dias de Escala Vermelha"), grupo);
    radio3->setObjectName(QStringLiteral("RadioButton3"));
    auto* radios = new QVBoxLayout(grupo);
    radios->addWidget(radio1);
    radios->addWidget(radio2);
    radios->addWidget(radio3);

    auto* label2 = Rotulo(this, "Label2", QStringLiteral("Feriados"));
    grade = new QTableWidget(linhasGrade, 1, this);
    grade->setObjectName(QStringLiteral("StringGrid1"));
    grade->horizontalHeader()->hide();
    grade->verticalHeader()->hide();
    grade->horizontalHeader()->setStretchLastSection(true);
    grade->verticalHeader()->setDefaultSectionSize(grade->fontMetrics().height() + 6);
    // Every row of the grid in view.
    grade->setMinimumHeight(linhasGrade * grade->verticalHeader()->defaultSectionSize() +
                            2 * grade->frameWidth());
    grade->setMinimumWidth(grade->fontMetrics().horizontalAdvance(QStringLiteral("00/00/0000")) +
                           40);
    lista = new QListWidget(this);
    lista->setObjectName(QStringLiteral("ListBox1"));
    lista->setSelectionMode(QAbstractItemView::ExtendedSelection);
    incluir = Botao(this, "Button3", QStringLiteral("Incluir"));
    excluir = Botao(this, "Button4", QStringLiteral("Excluir"));
    auto* sair = Botao(this, "Button2", QStringLiteral("Sair"));

    auto* esquerda = new QGridLayout;
    esquerda->addWidget(label1, 0, 0);
    esquerda->addWidget(edit2, 0, 1);
    esquerda->addWidget(label3, 1, 0);
    esquerda->addWidget(edit1, 1, 1);
    esquerda->addWidget(button1, 2, 0, 1, 2);
    esquerda->addWidget(feriados, 2, 2);
    esquerda->addWidget(memo1, 3, 0, 1, 2);
    esquerda->setRowStretch(4, 1);

    auto* direita = new QVBoxLayout;
    direita->addWidget(memo2);
    direita->addWidget(grupo);
    direita->addWidget(label2);
    // The entry grid and the list take turns in one place, kept while both
    // are hidden.
    auto* listas = new QGridLayout;
    for (QWidget* w : {static_cast<QWidget*>(grade), static_cast<QWidget*>(lista)}) {
        QSizePolicy politica = w->sizePolicy();
        politica.setRetainSizeWhenHidden(true);
        w->setSizePolicy(politica);
        listas->addWidget(w, 0, 0);
    }
    direita->addLayout(listas, 1);
    auto* botoes = new QHBoxLayout;
    botoes->addWidget(incluir);
    botoes->addWidget(excluir);
    botoes->addStretch();
    botoes->addWidget(sair);
    direita->addLayout(botoes);

    auto* tudo = new QHBoxLayout(this);
    tudo->addLayout(esquerda);
    tudo->addLayout(direita, 1);

    connect(button1, &QPushButton::clicked, this, &TFSemExped::IncluirAutomatico);
    connect(feriados, &QPushButton::clicked, this, &TFSemExped::IncluirFeriados);
    connect(incluir, &QPushButton::clicked, this, &TFSemExped::Incluir);
    connect(excluir, &QPushButton::clicked, this, &TFSemExped::Excluir);
    connect(sair, &QPushButton::clicked, this, &TFSemExped::Sair);
    connect(radio1, &QRadioButton::clicked, this, &TFSemExped::MostraInclusao);
    connect(radio2, &QRadioButton::clicked, this, &TFSemExped::MostraExclusao);
    connect(radio3, &QRadioButton::clicked, this, &TFSemExped::MostraListagem);
}

void TFSemExped::reject() {}

void TFSemExped::MostraPeriodo(Data inicio, Data fim) {
    edit2->setText(inicio.Texto());
    edit1->setText(fim.Texto());
}

void TFSemExped::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (!evento->spontaneous())
        Ativa();
}

void TFSemExped::Ativa() {
    PintaFundo(this, CorDoSlot(sis.SlotsCores, 1));
    for (const char* nome : {"Memo1", "Memo2", "StringGrid1", "ListBox1"})
        PintaFundo(findChild<QWidget*>(QLatin1String(nome)), CorDoSlot(sis.SlotsCores, 6));
    estado = EstadoSemExped();
    Tenta(sis.dialogos, [&] { edit1->setText(AtivaSemExped(sis, estado)); });
    edit2->setText(sis.UltimaEscala.Texto());
    excluir->hide();
    incluir->hide();
    grade->hide();
    lista->hide();
}

void TFSemExped::IncluirAutomatico() {
    Tenta(sis.dialogos, [&] {
        IncluiAutomatico(sis, estado, edit2->text(), edit1->text());
        lista->hide();
        grade->hide();
        incluir->hide();
        excluir->hide();
    });
}

void TFSemExped::IncluirFeriados() {
    Tenta(sis.dialogos, [&] {
        if (IncluiFeriadosNacionais(sis, edit2->text()) && lista->isVisible())
            Lista();
    });
}

void TFSemExped::Incluir() {
    QStringList celulas;
    for (int r = 0; r < grade->rowCount(); ++r)
        celulas << (grade->item(r, 0) ? grade->item(r, 0)->text() : QString());
    Tenta(sis.dialogos, [&] {
        if (!IncluiManual(sis, estado, celulas, edit2->text()))
            return;
        grade->clearContents();
        grade->hide();
        incluir->hide();
    });
}

void TFSemExped::Excluir() {
    QStringList escolhidas;
    for (const QListWidgetItem* item : lista->selectedItems())
        escolhidas << item->text();
    Tenta(sis.dialogos, [&] {
        if (ExcluiSemExped(sis, escolhidas, edit2->text()))
            Lista();
    });
}

void TFSemExped::Sair() {
    if (PodeSairSemExped(sis, estado, edit2->text(), edit1->text()))
        done(QDialog::Accepted);
}

void TFSemExped::MostraInclusao() {
    incluir->show();
    grade->show();
    lista->hide();
}

void TFSemExped::MostraExclusao() {
    lista->clear();
    excluir->show();
    incluir->hide();
    grade->hide();
    lista->show();
    Tenta(sis.dialogos, [&] { Lista(); });
}

void TFSemExped::MostraListagem() {
    lista->hide();
    lista->clear();
    excluir->hide();
    incluir->hide();
    grade->hide();
    lista->show();
    Tenta(sis.dialogos, [&] { Lista(); });
}

void TFSemExped::Lista() {
    lista->show();
    lista->clear();
    lista->addItems(ListagemSemExped(sis));
}
