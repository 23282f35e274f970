#include "engine/TFAbaEscalarManual.h"

#include "base/ControlesQt.h"
#include "base/Tenta.h"
#include "engine/EscalaManual.h"
#include "model/Sistema.h"
#include "reports/Impressao.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int colunasVisiveis = 7;

} // namespace

TFAbaEscalarManual::TFAbaEscalarManual(Sistema& s, QWidget* area, JanelasEscala& j)
    : QWidget(area), sis(s), janelas(j) {
    setObjectName(QStringLiteral("AbaEscalarManual"));
    auto* externo = new QVBoxLayout(parentWidget());
    externo->setContentsMargins(0, 0, 0, 0);
    externo->addWidget(this);

    auto* layout = new QVBoxLayout(this);
    auto* topo = new QGridLayout;
    topo->addWidget(Nomeado(new QLabel(QStringLiteral("Última Escalação:"), this), "Label52"), 0,
                    0);
    label53 = Nomeado(new QLabel(this), "Label53");
    topo->addWidget(label53, 0, 1);
    topo->addWidget(Nomeado(new QLabel(QStringLiteral("Escalar até: "), this), "Label54"), 1, 0);
    edit6 = Nomeado(new QLineEdit(this), "Edit6");
    edit6->setMaximumWidth(110);
    edit6->installEventFilter(this);
    topo->addWidget(edit6, 1, 1);
    auto* botoes = new QHBoxLayout;
    button10 = Botao(this, "Button10", QStringLiteral("Preparar Grade"));
    button11 = Botao(this, "Button11", QStringLiteral("Verificar"));
    button12 = Botao(this, "Button12", QStringLiteral("Escalar"));
    button14 = Botao(this, "Button14", QStringLiteral("Desfazer"));
    for (QPushButton* b : {button10, button11, button12, button14})
        botoes->addWidget(b);
    botoes->addStretch();
    topo->addLayout(botoes, 1, 2);
    topo->setColumnStretch(2, 1);
    layout->addLayout(topo);

    auto* corpo = new QHBoxLayout;
    auto* esquerda = new QVBoxLayout;
    auto* cabecalhoGrade = new QHBoxLayout;
    label57 = Nomeado(new QLabel(QStringLiteral("Grade de Serviços"), this), "Label57");
    edit7 = Nomeado(new QLineEdit(this), "Edit7");
    edit7->setMinimumWidth(200);
    cabecalhoGrade->addWidget(label57);
    cabecalhoGrade->addWidget(edit7);
    cabecalhoGrade->addStretch();
    esquerda->addLayout(cabecalhoGrade);
    sGGradeSv = Nomeado(new QTableWidget(this), "SGGradeSv");
    sGGradeSv->horizontalHeader()->hide();
    sGGradeSv->verticalHeader()->hide();
    sGGradeSv->setColumnCount(colunasVisiveis);
    sGGradeSv->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sGGradeSv->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sGGradeSv->setEditTriggers(QAbstractItemView::DoubleClicked |
                               QAbstractItemView::EditKeyPressed |
                               QAbstractItemView::AnyKeyPressed);
    scrollBox1 = Nomeado(new QScrollArea(this), "ScrollBox1");
    scrollBox1->setWidget(sGGradeSv);
    scrollBox1->setWidgetResizable(false);
    esquerda->addWidget(scrollBox1, 1);
    corpo->addLayout(esquerda, 3);

    auto* direita = new QVBoxLayout;
    label55 = Nomeado(new QLabel(QStringLiteral("Mensagens"), this), "Label55");
    direita->addWidget(label55);
    listBox4 = Nomeado(new QListWidget(this), "ListBox4");
    QFont fixa(QStringLiteral("Monospace"));
    fixa.setStyleHint(QFont::TypeWriter);
    listBox4->setFont(fixa);
    direita->addWidget(listBox4, 1);
    auto* grupo =
        Nomeado(new QGroupBox(QStringLiteral("              Imprimir"), this), "RadioGroup2");
    auto* imprimir = new QHBoxLayout(grupo);
    radioButton5 = Nomeado(new QRadioButton(QStringLiteral("Grade"), grupo), "RadioButton5");
    radioButton6 = Nomeado(new QRadioButton(QStringLiteral("Mensagens"), grupo), "RadioButton6");
    imprimir->addWidget(radioButton5);
    imprimir->addWidget(radioButton6);
    direita->addWidget(grupo);
    corpo->addLayout(direita, 2);
    layout->addLayout(corpo, 1);

    connect(button10, &QPushButton::clicked, this, &TFAbaEscalarManual::Prepara);
    connect(button11, &QPushButton::clicked, this, &TFAbaEscalarManual::Verifica);
    connect(button12, &QPushButton::clicked, this, &TFAbaEscalarManual::Escala);
    connect(button14, &QPushButton::clicked, this, &TFAbaEscalarManual::Reinicia);
    connect(edit6, &QLineEdit::textEdited, this,
            [this](const QString& t) { sis.Manual.Edit6 = t; });
    connect(edit7, &QLineEdit::textEdited, this, [this](const QString& t) {
        DefineCelula(sis, sis.Manual.Coluna, sis.Manual.Linha, t);
        Sincroniza();
    });
    connect(sGGradeSv, &QTableWidget::cellClicked, this, &TFAbaEscalarManual::ClicaCelula);
    connect(sGGradeSv, &QTableWidget::currentCellChanged, this, [this](int linha, int coluna) {
        if (!sincronizando && linha >= 0 && coluna >= 0) {
            SelecionaCelula(sis, coluna, linha);
            Sincroniza();
        }
    });
    connect(sGGradeSv, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (sincronizando)
            return;
        DefineCelula(sis, item->column(), item->row(), item->text());
        Sincroniza();
    });
    connect(radioButton5, &QRadioButton::toggled, this, [this](bool marcado) {
        if (marcado && !sincronizando)
            Imprime(true);
    });
    connect(radioButton6, &QRadioButton::toggled, this, [this](bool marcado) {
        if (marcado && !sincronizando)
            Imprime(false);
    });
    setTabOrder(edit6, button10);
    setTabOrder(button10, button11);
    setTabOrder(button11, button12);
    setTabOrder(button12, button14);
    setTabOrder(button14, edit7);
    setTabOrder(edit7, sGGradeSv);
    setTabOrder(sGGradeSv, listBox4);
    setTabOrder(listBox4, radioButton5);
    Sincroniza();
}

template <typename Operacao> bool TFAbaEscalarManual::Executa(Operacao&& operacao) {
    const bool feito = Tenta(sis.dialogos, std::forward<Operacao>(operacao));
    Sincroniza();
    return feito;
}

void TFAbaEscalarManual::Sincroniza() {
    sincronizando = true;
    const AbaManual& m = sis.Manual;
    label53->setText(sis.UltimaEscala.Texto());
    if (edit6->text() != m.Edit6)
        edit6->setText(m.Edit6);
    button10->setVisible(m.Button10Visivel);
    button11->setVisible(m.Button11Visivel);
    button12->setVisible(m.Button12Visivel);
    button14->setVisible(m.Button14Visivel);
    label57->setVisible(m.GradeVisivel);
    scrollBox1->setVisible(m.GradeVisivel);
    edit7->setVisible(m.Edit7Visivel);
    if (edit7->text() != m.Edit7)
        edit7->setText(m.Edit7);
    label55->setVisible(m.ListBox4Visivel);
    listBox4->setVisible(m.ListBox4Visivel);
    QStringList mostradas;
    for (int i = 0; i < listBox4->count(); ++i)
        mostradas << listBox4->item(i)->text();
    if (mostradas != m.ListBox4) {
        listBox4->clear();
        listBox4->addItems(m.ListBox4);
    }
    radioButton5->setAutoExclusive(false);
    radioButton6->setAutoExclusive(false);
    radioButton5->setChecked(m.RadioButton5);
    radioButton6->setChecked(m.RadioButton6);
    radioButton5->setAutoExclusive(true);
    radioButton6->setAutoExclusive(true);

    const GradeTexto& g = m.SGGradeSv;
    sGGradeSv->setRowCount(m.LinhasGrade);
    const QBrush fundoFixo = palette().brush(QPalette::Button);
    for (int r = 0; r < m.LinhasGrade; ++r)
        for (int c = 0; c < colunasVisiveis; ++c) {
            QTableWidgetItem* item = sGGradeSv->item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                if (r == 0 || c == 0) {
                    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
                    item->setBackground(fundoFixo);
                }
                sGGradeSv->setItem(r, c, item);
            }
            if (item->text() != g.Cel(c, r))
                item->setText(g.Cel(c, r));
        }
    sGGradeSv->resizeColumnsToContents();
    int largura = 2 * sGGradeSv->frameWidth();
    for (int c = 0; c < colunasVisiveis; ++c) {
        sGGradeSv->setColumnWidth(c, qMax(sGGradeSv->columnWidth(c), c == 0 ? 70 : 90));
        largura += sGGradeSv->columnWidth(c);
    }
    int altura = 2 * sGGradeSv->frameWidth();
    for (int r = 0; r < m.LinhasGrade; ++r)
        altura += sGGradeSv->rowHeight(r);
    sGGradeSv->setFixedSize(largura, altura);
    if (sGGradeSv->currentRow() != m.Linha || sGGradeSv->currentColumn() != m.Coluna)
        sGGradeSv->setCurrentCell(m.Linha, m.Coluna);
    sincronizando = false;
}

bool TFAbaEscalarManual::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == edit6 && evento->type() == QEvent::MouseButtonPress)
        Reinicia();
    return QWidget::eventFilter(objeto, evento);
}

void TFAbaEscalarManual::Reinicia() {
    Executa([this] { ReiniciaManual(sis); });
}

void TFAbaEscalarManual::Prepara() {
    Executa([this] { PreparaGrade(sis, janelas); });
}

void TFAbaEscalarManual::Verifica() {
    // The lines found so far are shown before each quantity message.
    Executa([this] {
        VerificaGrade(sis, [this] {
            Sincroniza();
            listBox4->repaint();
        });
    });
}

void TFAbaEscalarManual::Escala() {
    if (Executa([this] { EscalaGrade(sis); }))
        emit UltimaEscalaMudou();
}

void TFAbaEscalarManual::ClicaCelula(int linha, int coluna) {
    SelecionaCelula(sis, coluna, linha);
    Sincroniza();
    edit7->setFocus();
    QScrollBar* vertical = scrollBox1->verticalScrollBar();
    if (linha > 14)
        vertical->setValue(375);
    else if (linha > 9)
        vertical->setValue(250);
    else if (linha > 4)
        vertical->setValue(125);
}

void TFAbaEscalarManual::Imprime(bool grade) {
    AbaManual& m = sis.Manual;
    m.RadioButton5 = grade;
    m.RadioButton6 = !grade;
    const bool impresso = Tenta(sis.dialogos, [&] {
        if (grade)
            ImprimeGrade(sis.impressora, m.SGGradeSv);
        else
            ImprimeLista(sis.impressora, QStringLiteral("Mensagens"), m.ListBox4);
    });
    // A print that failed can be asked again.
    if (!impresso)
        (grade ? m.RadioButton5 : m.RadioButton6) = false;
    Sincroniza();
}
