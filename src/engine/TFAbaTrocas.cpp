#include "engine/TFAbaTrocas.h"

#include "base/ControlesQt.h"
#include "base/Tenta.h"
#include "engine/Trocas.h"
#include "model/Servicos.h"
#include "model/Sistema.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// A numbered line that opens its step when clicked.
QLabel* Linha(QWidget* pai, const char* nome, const QString& texto) {
    QLabel* l = Rotulo(pai, nome, texto);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    l->setCursor(Qt::PointingHandCursor);
    return l;
}

} // namespace

TFAbaTrocas::TFAbaTrocas(Sistema& s, QWidget* area) : QWidget(area), sis(s) {
    setObjectName(QStringLiteral("AbaTrocas"));
    auto* externo = new QVBoxLayout(parentWidget());
    externo->setContentsMargins(0, 0, 0, 0);
    externo->addWidget(this);
    auto* layout = new QVBoxLayout(this);

    label32 = Linha(this, "Label32",
                    QStringLiteral("1. Troca de Serviço - achar um candidato ao serviço "));
    layout->addWidget(label32);
    auto* g1 = new QGridLayout;
    auto* label42 = Rotulo(this, "Label42", QStringLiteral("Escolha o Serviço"));
    comboBox1 = Nomeado(new QComboBox(this), "ComboBox1");
    comboBox1->setMinimumContentsLength(16);
    auto* label43 = Rotulo(this, "Label43", QStringLiteral("Dia"));
    edit2 = Nomeado(new QLineEdit(this), "Edit2");
    edit2->setMaximumWidth(110);
    auto* button7 = Botao(this, "Button7", QStringLiteral("Listar"));
    auto* button8 = Botao(this, "Button8", QStringLiteral("Limpar"));
    auto* label44 = Rotulo(this, "Label44", QStringLiteral("Candidatos"));
    listBox3 = Nomeado(new QListWidget(this), "ListBox3");
    QFont fixa(QStringLiteral("Monospace"));
    fixa.setStyleHint(QFont::TypeWriter);
    listBox3->setFont(fixa);
    listBox3->setMinimumHeight(listBox3->fontMetrics().height() * 11);
    g1->addWidget(label42, 0, 0);
    g1->addWidget(comboBox1, 1, 0);
    g1->addWidget(label43, 0, 1);
    g1->addWidget(edit2, 1, 1);
    g1->addWidget(button7, 1, 2);
    g1->addWidget(button8, 1, 3);
    g1->addWidget(label44, 2, 0);
    g1->addWidget(listBox3, 3, 0, 1, 4);
    g1->setColumnStretch(4, 1);
    layout->addLayout(g1);
    passo1 = {label42, comboBox1, label43, edit2, label44, listBox3, button7, button8};

    label45 =
        Linha(this, "Label45",
              QStringLiteral("2. Troca de Serviço - efetivar a troca nos arquivos do Sistema"));
    layout->addWidget(label45);
    auto* g2 = new QGridLayout;
    auto* label46 = Rotulo(this, "Label46", QStringLiteral("Sai  A"));
    edit3 = Nomeado(new QLineEdit(this), "Edit3");
    auto* label47 = Rotulo(this, "Label47", QStringLiteral("Entra B"));
    edit4 = Nomeado(new QLineEdit(this), "Edit4");
    auto* label48 = Rotulo(this, "Label48", QStringLiteral("Escolha o Serviço"));
    comboBox2 = Nomeado(new QComboBox(this), "ComboBox2");
    comboBox2->setMinimumContentsLength(16);
    auto* label49 = Rotulo(this, "Label49", QStringLiteral("Dia"));
    edit5 = Nomeado(new QLineEdit(this), "Edit5");
    for (QLineEdit* e : {edit3, edit4, edit5})
        e->setMaximumWidth(110);
    label50 = Rotulo(this, "Label50", QStringLiteral("Computar Sv para"));
    groupBox1 = Nomeado(new QGroupBox(this), "GroupBox1");
    groupBox1->setToolTip(QStringLiteral(
        "Se a troca for após a parada, computa-se o serviço para os dois militares"));
    auto* opcoes = new QHBoxLayout(groupBox1);
    radioButton1 = Nomeado(new QRadioButton(QStringLiteral("B"), groupBox1), "RadioButton1");
    radioButton2 = Nomeado(new QRadioButton(QStringLiteral("A e B"), groupBox1), "RadioButton2");
    radioButton1->setChecked(true);
    opcoes->addWidget(radioButton1);
    opcoes->addWidget(radioButton2);
    auto* button9 = Botao(this, "Button9", QStringLiteral("Executar"));
    g2->addWidget(label46, 0, 0);
    g2->addWidget(edit3, 1, 0);
    g2->addWidget(label47, 0, 1);
    g2->addWidget(edit4, 1, 1);
    g2->addWidget(label48, 0, 2);
    g2->addWidget(comboBox2, 1, 2);
    g2->addWidget(label49, 0, 3);
    g2->addWidget(edit5, 1, 3);
    g2->addWidget(label50, 2, 0);
    g2->addWidget(groupBox1, 3, 0, 1, 3);
    g2->addWidget(button9, 3, 3);
    g2->setColumnStretch(4, 1);
    layout->addLayout(g2);
    layout->addStretch();
    passo2 = {label46, edit3, label47, edit4,     label48, comboBox2,
              label49, edit5, label50, groupBox1, button9};

    for (QWidget* w : passo1 + passo2)
        w->hide();
    for (QWidget* w : {static_cast<QWidget*>(label32), static_cast<QWidget*>(label45),
                       static_cast<QWidget*>(comboBox1), static_cast<QWidget*>(edit2)})
        w->installEventFilter(this);
    // The two captions open their steps: they are not background.
    for (QLabel* l : {label32, label45})
        l->setProperty("clicavel", true);
    connect(button7, &QPushButton::clicked, this, &TFAbaTrocas::Listar);
    connect(button8, &QPushButton::clicked, this, &TFAbaTrocas::Limpar);
    connect(button9, &QPushButton::clicked, this, &TFAbaTrocas::Executar);
    connect(comboBox2, &QComboBox::activated, this, &TFAbaTrocas::ServicoEscolhido);
}

bool TFAbaTrocas::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::MouseButtonPress) {
        if (objeto == label32)
            AbrePasso1();
        else if (objeto == label45)
            AbrePasso2();
        else if (objeto == comboBox1 || objeto == edit2)
            Limpar();
    }
    return QWidget::eventFilter(objeto, evento);
}

void TFAbaTrocas::AbrePasso1() {
    for (QWidget* w : passo2)
        w->hide();
    for (QWidget* w : passo1)
        w->show();
    comboBox1->clear();
    Tenta(sis.dialogos, [&] {
        CarregaVetSv(sis, Banco::Principal);
        comboBox1->addItems(ListaDeServicos(sis));
    });
    comboBox1->setCurrentIndex(-1);
    edit2->setText(sis.relogio.Hoje().Texto());
}

void TFAbaTrocas::AbrePasso2() {
    for (QWidget* w : passo1)
        w->hide();
    for (QWidget* w : passo2)
        w->show();
    edit3->setFocus();
    comboBox2->clear();
    Tenta(sis.dialogos, [&] {
        CarregaVetSv(sis, Banco::Principal);
        comboBox2->addItems(ListaDeServicos(sis));
    });
    comboBox2->setCurrentIndex(-1);
    edit5->setText(sis.relogio.Hoje().Texto());
}

void TFAbaTrocas::Listar() {
    Tenta(sis.dialogos,
          [&] { ListaCandidatosDaTroca(sis, comboBox1->currentText(), edit2->text()); });
    listBox3->clear();
    listBox3->addItems(sis.ListBox3);
}

void TFAbaTrocas::Limpar() {
    listBox3->clear();
    sis.ListBox3.clear();
}

void TFAbaTrocas::MostraComputar(bool mostra) {
    label50->setVisible(mostra);
    groupBox1->setVisible(mostra);
}

void TFAbaTrocas::ServicoEscolhido() {
    const bool doisMilitares = edit3->text().trimmed() != QLatin1String("0") &&
                               edit4->text().trimmed() != QLatin1String("0");
    MostraComputar(doisMilitares);
    if (!doisMilitares) {
        // Neither option chosen: a group needs its exclusivity lifted to clear.
        for (QRadioButton* r : {radioButton1, radioButton2}) {
            r->setAutoExclusive(false);
            r->setChecked(false);
            r->setAutoExclusive(true);
        }
    }
}

void TFAbaTrocas::Executar() {
    Troca troca;
    troca.A = edit3->text();
    troca.B = edit4->text();
    troca.Entrada = comboBox2->currentText();
    troca.Dia = edit5->text();
    troca.computar = radioButton1->isChecked()   ? Computar::B
                     : radioButton2->isChecked() ? Computar::AeB
                                                 : Computar::Nenhum;
    bool feita = false;
    Tenta(sis.dialogos, [&] { feita = ExecutaTroca(sis, troca); });
    if (!feita)
        return;
    edit3->clear();
    edit4->clear();
    edit5->clear();
    MostraComputar(true);
    comboBox2->clear();
    Tenta(sis.dialogos, [&] {
        CarregaVetSv(sis, Banco::Principal);
        comboBox2->addItems(ListaDeServicos(sis));
    });
    comboBox2->setCurrentIndex(-1);
    emit TrocaFeita();
}
